#include "app/wiring.h"

#include "exercises/registry.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

App::App() : nav([this](int n) { exercise(n).Show(); }) {
    for (int n = 1; n <= 20; ++n) exercises_[std::size_t(n)] = makeExercise(n, &nav.accueil);
    nav.homeOpened = [this] { prepareExercises(1); };
    nav.closeExercises = [this] {
        for (int n = 1; n <= 20; ++n) exercise(n).Close();
    };
}

void App::prepareExercises(int from) {
    // One screen per turn of the event loop, so the home screen answers the pupil all along.
    if (from > 20) return;
    QTimer::singleShot(0, &guard_, [this, from] {
        exercise(from).Prepare();
        prepareExercises(from + 1);
    });
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
