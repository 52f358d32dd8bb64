// The yardstick for start-up: an empty Qt window the size of the splash screen, black like it, built
// with the project's flags. Prints how long after the given moment its first frame was painted.
//   morvelle3-bare START_NS
#include "tools/bench/probe.h"

#include <QTextStream>

int main(int argc, char** argv) {
    const std::int64_t start = argc > 1 ? QByteArray(argv[1]).toLongLong() : bench::nowNs();
    bench::ProbeApp app(argc, argv);
    QWidget w;
    w.setObjectName(QStringLiteral("bare"));
    w.setWindowTitle(QStringLiteral("Morvix3"));
    QPalette p = w.palette();
    p.setColor(QPalette::Window, Qt::black);
    w.setPalette(p);
    w.setAutoFillBackground(true);
    w.resize(481, 449);
    // The platform may paint the first frame while the window is being shown, before the loop runs.
    bool painted = false;
    app.onFirstFrame(w.objectName(), [&] {
        QTextStream(stdout) << "startup " << bench::nowNs() - start << ' ' << bench::cpuNs() << "\n";
        painted = true;
        QCoreApplication::exit(0);
    });
    w.show();
    return painted ? 0 : QApplication::exec();
}
