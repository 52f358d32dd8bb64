#include "app/wiring.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Morvelle 3"));
    initialiseProgram();
    App morvelle;
    morvelle.start();
    return QApplication::exec();
}
