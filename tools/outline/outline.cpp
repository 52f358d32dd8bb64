// Turns the words of pictures into outlines (see words.h), when the program is built.
//   morvelle3-outline SOURCE_DIR OUTPUT_DIR PICTURE...
// Each PICTURE, a path relative to SOURCE_DIR, is written to the same path under OUTPUT_DIR.
#include "tools/outline/words.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: morvelle3-outline SOURCE_DIR OUTPUT_DIR PICTURE...\n");
        return 2;
    }
    const QDir from(args[0]), to(args[1]);
    for (const QString& name : args.mid(2)) {
        QFile in(from.filePath(name));
        if (!in.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot be read\n", qPrintable(in.fileName()));
            return 1;
        }
        QString error;
        const QByteArray svg = outline::outlineWords(in.readAll(), &error);
        if (svg.isEmpty()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(in.fileName()), qPrintable(error));
            return 1;
        }
        const QString target = to.filePath(name);
        QDir().mkpath(QFileInfo(target).path());
        QFile out(target);
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(svg) != svg.size() ||
            !out.flush()) {
            std::fprintf(stderr, "%s: cannot be written\n", qPrintable(target));
            return 1;
        }
    }
    return 0;
}
