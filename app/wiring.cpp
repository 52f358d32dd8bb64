#include "app/wiring.h"

#include "exercises/registry.h"
#include "framework/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTimer>
#include <QTranslator>
#include <algorithm>

App::App() : nav([this](int n) { exercise(n).Show(); }) {
    for (int n = 1; n <= 20; ++n) exercises_[std::size_t(n)] = makeExercise(n, &nav.accueil);
    nav.closeExercises = [this] {
        for (int n = 1; n <= 20; ++n) exercise(n).Close();
    };
    // A run that ends before its summary (the desktop session logging out, a signal, the program told to
    // quit) still leaves the pupil's results for the teacher, as they stand, while its screens are loaded.
    auto deposit = [this] {
        const QString why = nav.bilan.deposit();
        if (!why.isEmpty())
            qWarning("Morvelle 3 : les résultats n'ont pas pu être déposés dans le dossier de la classe : %s",
                     qPrintable(why));
    };
    QObject::connect(&forms::runEnding(), &forms::RunEnding::ending, &guard_, deposit);
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, &guard_, [deposit](QSessionManager&) { deposit(); },
        Qt::DirectConnection);
}

void App::prepareExercises() {
    for (int n = 1; n <= 20; ++n) preparation_.push_back(n);
    prepareNext();
}

void App::prepareNext() {
    // One screen per turn of the event loop, so the screen on show answers the pupil all along; building a
    // screen tells which pictures it draws, and those are drawn in the background. A screen the pupil has
    // just opened comes first: nothing is readied until it has had time to show.
    if (preparation_.empty()) return;
    const int kOpening = 50;
    QTimer::singleShot(std::max(0, kOpening - forms::msSinceShow()), &guard_, [this, kOpening] {
        if (preparation_.empty()) return;
        if (forms::msSinceShow() >= kOpening) {
            const int n = preparation_.front();
            preparation_.pop_front();
            exercise(n).prepare();
        }
        prepareNext();
    });
}

void App::start() {
    nav.presentation.Show();
    // The exercise screens are readied while the pupil goes through the splash, the notice and the
    // identification: by the time the home screen shows, they open at once.
    prepareExercises();
}

void initialiseProgram() {
    // The splash picture is drawn while the rest is set up.
    frmPresentation::drawAhead();
    forms::initialise();
    QApplication::setWindowIcon(forms::pictureIcon(QStringLiteral(":/assets/common/app_icon.svg")));
    // Qt's own dialogs (the save dialog of the summary) speak French too.
    auto* qt = new QTranslator(qApp);
    if (qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}
