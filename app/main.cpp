#include "app/class_mode.h"
#include "app/wiring.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (wantsClassSheet(argc, argv)) return runClassSheet(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvelle 3"));
    QGuiApplication::setDesktopFileName(QStringLiteral(MORVELLE_APP_ID));
    initialiseProgram();
    forms::endOnSignals();
    App morvelle;
    morvelle.start();
    return QApplication::exec();
}
