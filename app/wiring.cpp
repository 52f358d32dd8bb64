#include "app/wiring.h"

#include "exercises/registry.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

App::App() : nav([this](int n) { exercise(n).Show(); }) {
    for (int n = 1; n <= 20; ++n) exercises_[std::size_t(n)] = makeExercise(n, &nav.accueil);
}

void App::start() { nav.presentation.Show(); }

void initialiseProgram() {
    forms::initialise();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/assets/common/app_icon.svg")));
    // Qt's own dialogs (the save dialog of the summary) speak French too.
    auto* qt = new QTranslator(qApp);
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
