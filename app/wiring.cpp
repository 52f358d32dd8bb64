#include "app/wiring.h"

#include "exercises/registry.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

App::App() : nav([this](int n) { exercise(n).Show(); }) {
    for (int n = 1; n <= 20; ++n) exercises_[std::size_t(n)] = makeExercise(n, &nav.accueil);
    nav.homeOpened = [this] { prepareExercises(); };
    nav.closeExercises = [this] {
        for (int n = 1; n <= 20; ++n) exercise(n).Close();
    };
}

void App::prepareExercises() {
    for (int n = 1; n <= 20; ++n)
        preparation_.push_back([this, n] {
            // Building the screen tells which pictures it draws: they are readied next, before the next screen.
            std::vector<std::function<bool()>> pictures = exercise(n).preparation();
            preparation_.insert(preparation_.begin() + 1, pictures.begin(), pictures.end());
            return false;
        });
    prepareNext();
}

void App::prepareNext() {
    // One short step per turn of the event loop, so the home screen answers the pupil all along.
    if (preparation_.empty()) return;
    QTimer::singleShot(0, &guard_, [this] {
        if (preparation_.empty()) return;
        std::function<bool()> step = preparation_.front();
        if (!step()) preparation_.pop_front();
        prepareNext();
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
