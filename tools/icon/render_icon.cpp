// Renders the program's SVG icon to the PNG sizes of the hicolor theme, at build time, so that the
// menus that cannot read SVG, or read it poorly at small sizes, get a crisp picture drawn by Qt itself.
//   morvelle3-icon SOURCE.svg OUTPUT_DIR NAME SIZE...
// writes OUTPUT_DIR/SIZExSIZE/apps/NAME.png for every SIZE.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    // Drawing into an image needs no display and no application object: the build machine may have neither.
    QStringList args;
    for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: morvelle3-icon SOURCE.svg OUTPUT_DIR NAME SIZE...\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "morvelle3-icon: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    for (int i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size <= 0 || size > 1024) {
            std::fprintf(stderr, "morvelle3-icon: bad size %s\n", qPrintable(args[i]));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        svg.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[2]).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, args[3]);
        if (!QDir().mkpath(dir) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "morvelle3-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
