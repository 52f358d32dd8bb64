// From the splash screen to the home screen, and the home screen itself.
#include "tests/driver.h"

#include <QClipboard>

using namespace forms;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void splashTimerShowsHint();
    void clickBeforeTimerMovesOnAtOnce();
    void accessKeysPressButtons();
    void enterPressesNothing();
    void identification_data();
    void identification();
    void pastedIntoTheNames_data();
    void pastedIntoTheNames();
    void closingAStartupWindowEndsTheRun_data();
    void closingAStartupWindowEndsTheRun();
    void onlyTheSplashIsBuiltAtStart();

    void homeScreenAtLoad();
    void tickingOpensAndTakes();
    void abandonGivesBack();
    void validatedExerciseStaysTaken_data();
    void validatedExerciseStaysTaken();
    void closingAnExerciseWindow_data();
    void closingAnExerciseWindow();
    void titleOfExercise1();
    void spaceOnFirstFocusOpensExercise20();
    void tabOrderOfTheBoxes();
    void ladybirdOpensOneAboutBox();
    void quitterLeavesForTheSummary_data();
    void quitterLeavesForTheSummary();
    void leavingTheHomeScreenClosesOpenExercises_data();
    void leavingTheHomeScreenClosesOpenExercises();
    void windowDestroyedFromOutside_data();
    void windowDestroyedFromOutside();
};

void TestStartup::splashTimerShowsHint() {
    drv::Run run;
    run.app().start();
    Form& splash = run.nav().presentation;
    QCOMPARE(splash.window()->windowTitle(), QStringLiteral("Morvix3"));
    QVERIFY(!drv::visible(splash, "lblSuite"));
    QTRY_VERIFY_WITH_TIMEOUT(drv::visible(splash, "lblSuite"), 3000);
    QCOMPARE(drv::text(splash, "lblSuite"), QStringLiteral("Clique sur l'image pour continuer"));
}

void TestStartup::clickBeforeTimerMovesOnAtOnce() {
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    QVERIFY(!run.nav().presentation.loaded());
    QVERIFY(run.nav().info1.loaded());
    QCOMPARE(drv::text(run.nav().info1, "lbl1"),
             QStringLiteral("Ce logiciel est optimisé pour un affichage en 1024 x 768. En dessous, l'affichage ne "
                            "sera pas complet et gênera la lecture des exercices."));
    QTest::qWait(1700); // the splash's timer went with its window
    QVERIFY(!run.nav().presentation.loaded());
    QVERIFY(!run.ended());
}

void TestStartup::accessKeysPressButtons() {
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    drv::alt(run.nav().info1, 'L');
    QVERIFY(!run.nav().info1.loaded());
    Form& id = run.nav().id;
    QVERIFY(id.loaded());
    QCOMPARE(drv::focused(id), drv::control(id, "txtNom")->widget());
    drv::type(id, "txtNom", "Martin");
    drv::alt(id, 'S');
    QVERIFY(!id.loaded());
    QVERIFY(run.nav().accueil.loaded());
    QCOMPARE(run.record().Nom, QStringLiteral("Martin"));
}

void TestStartup::enterPressesNothing() {
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    Form& info = run.nav().info1;
    drv::get<CommandButton>(info, "cmdOK")->setFocus();
    drv::key(info, Qt::Key_Return);
    QVERIFY(info.loaded());
    drv::click(info, "cmdOK");
    Form& id = run.nav().id;
    drv::type(id, "txtNom", "Martin");
    drv::key(id, Qt::Key_Return);
    QVERIFY(id.loaded());
}

void TestStartup::identification_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("all three") << "Dupont" << "Marie" << "B" << true;
    QTest::newRow("one blank as surname") << " " << "" << "" << true;
    QTest::newRow("empty surname, others filled") << "" << "Marie" << "B" << false;
    QTest::newRow("kept as typed") << "  de la Tour " << "élise" << "b2" << true;
}

void TestStartup::identification() {
    QFETCH(QString, nom);
    QFETCH(QString, prenom);
    QFETCH(QString, classe);
    QFETCH(bool, accepted);
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    drv::click(run.nav().info1, "cmdOK");
    Form& id = run.nav().id;
    drv::type(id, "txtNom", nom);
    drv::type(id, "txtPrenom", prenom);
    drv::type(id, "txtClasse", classe);
    drv::click(id, "Command1");
    QCOMPARE(id.loaded(), !accepted);
    QCOMPARE(run.nav().accueil.loaded(), accepted);
    if (accepted) {
        QCOMPARE(run.record().Nom, nom);
        QCOMPARE(run.record().Prenom, prenom);
        QCOMPARE(run.record().Classe, classe);
    } else {
        QVERIFY(drv::visible(id, "lblInfo"));
        QCOMPARE(drv::text(id, "lblInfo"), QStringLiteral("Tu dois t'identifier avant de continuer ! "));
        QCOMPARE(drv::focused(id), drv::control(id, "txtNom")->widget());
        QVERIFY(run.record().Prenom.isEmpty() && run.record().Classe.isEmpty());
    }
}

void TestStartup::pastedIntoTheNames_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    QTest::newRow("line breaks and a tab") << "pont\r\nMa\trie"
                                           << "pontMarie";
    QTest::newRow("escape sequence and backspace") << "\x1b[31mpont\b\x7f"
                                                   << "[31mpont";
    QTest::newRow("C1 controls") << QStringLiteral("po\u0085nt\u009b") << "pont";
    QTest::newRow("line and paragraph separators") << QStringLiteral("po\u2028n\u2029t") << "pont";
    QTest::newRow("right-to-left override") << QStringLiteral("\u202Etnop") << "tnop";
    QTest::newRow("embeddings and isolates")
        << QStringLiteral("\u202Bp\u202Ao\u2067n\u2069t\u202C") << "pont";
    const QString kept = QStringLiteral("e\u0301 🧬 \U0001F469\u200D\U0001F52C محمد\u200F");
    QTest::newRow("accents, marks, emoji, joiners, right to left") << kept << kept;
}

void TestStartup::pastedIntoTheNames() {
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    drv::click(run.nav().info1, "cmdOK");
    Form& id = run.nav().id;
    for (const char* field : {"txtNom", "txtPrenom", "txtClasse"}) {
        drv::type(id, field, "Du");
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(drv::control(id, field)->widget(), Qt::Key_V, Qt::ControlModifier);
        drv::type(id, field, "!"); // typed where the paste ended
        QCOMPARE(drv::text(id, field), "Du" + kept + "!");
    }
    drv::click(id, "Command1");
    // The record holds what the fields showed.
    QCOMPARE(run.record().Nom, "Du" + kept + "!");
    QCOMPARE(run.record().Prenom, "Du" + kept + "!");
    QCOMPARE(run.record().Classe, "Du" + kept + "!");
}

void TestStartup::closingAStartupWindowEndsTheRun_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("readying"); // closed while the exercise screens are being readied
    QTest::newRow("splash") << 0 << false;
    QTest::newRow("splash, exercises being readied") << 0 << true;
    QTest::newRow("notice") << 1 << false;
    QTest::newRow("identification") << 2 << false;
}

void TestStartup::closingAStartupWindowEndsTheRun() {
    QFETCH(int, screen);
    QFETCH(bool, readying);
    drv::Run run;
    run.app().start();
    Form* forms[] = {&run.nav().presentation, &run.nav().info1, &run.nav().id};
    if (screen > 0) drv::click(run.nav().presentation, "Image1");
    if (screen > 1) drv::click(run.nav().info1, "cmdOK");
    if (readying) {
        while (forms::msSinceShow() < 55) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QVERIFY(run.app().preparing());
    }
    forms[screen]->window()->close();
    drv::settle();
    QVERIFY(run.ended());
    for (Form* f : forms) QVERIFY(!f->loaded());
    QVERIFY(!run.nav().accueil.loaded());
}

void TestStartup::onlyTheSplashIsBuiltAtStart() {
    drv::Run run;
    run.app().start();
    QCOMPARE(forms::loadedCount(), 1);
    QVERIFY(run.nav().presentation.loaded());
    for (int n = 1; n <= 20; ++n) QVERIFY(!run.exercise(n).loaded());
    // While the splash is up the exercises get ready out of sight, and stay unloaded.
    QTRY_VERIFY_WITH_TIMEOUT(!run.app().preparing(), 20000);
    QCOMPARE(forms::loadedCount(), 1);
    drv::click(run.nav().presentation, "Image1");
    drv::click(run.nav().info1, "cmdOK");
    drv::setText(run.nav().id, "txtNom", "Martin");
    drv::click(run.nav().id, "Command1");
    drv::settle();
    QCOMPARE(forms::loadedCount(), 1);
    for (int n = 1; n <= 20; ++n) QVERIFY(!run.exercise(n).loaded());
    ExerciseScreen& ex = run.open(3);
    QVERIFY(drv::visible(ex, "imgValidation"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
}

void TestStartup::homeScreenAtLoad() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    QCOMPARE(home.window()->windowTitle(), QStringLiteral("Génétique 3ème - Unité et diversité des êtres humains"));
    QVERIFY(home.window()->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(drv::text(home, "lblExo19"), QStringLiteral("Exercice 19 - La transmission du daltonisme"));
    QCOMPARE(drv::text(home, "lblExo1"), QStringLiteral("Exercice 1 - Hérédité et caractères d'un individu"));
    for (int n = 1; n <= 20; ++n) {
        QVERIFY(drv::enabled(home, QStringLiteral("chkExo%1").arg(n)));
        QCOMPARE(drv::get<CheckBox>(home, QStringLiteral("chkExo%1").arg(n))->Value(), 0);
        QVERIFY(!drv::visible(home, QStringLiteral("imgFeuvert(%1)").arg(n - 1)));
        QVERIFY(!drv::visible(home, QStringLiteral("imgFeurouge(%1)").arg(n - 1)));
    }
}

void TestStartup::tickingOpensAndTakes() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    ExerciseScreen& ex = run.open(7);
    QVERIFY(ex.loaded());
    QVERIFY(ex.window()->isVisible());
    QCOMPARE(ex.window()->geometry(), QRect(0, 0, 1024, 768));
    QCOMPARE(drv::get<CheckBox>(home, "chkExo7")->Value(), 1);
    QVERIFY(!drv::enabled(home, "chkExo7"));
    QVERIFY(!drv::enabled(home, "lblExo7"));
}

void TestStartup::abandonGivesBack() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    ExerciseScreen& ex = run.open(7);
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    QCOMPARE(drv::get<CheckBox>(home, "chkExo7")->Value(), 0);
    QVERIFY(drv::enabled(home, "chkExo7"));
    QVERIFY(drv::enabled(home, "lblExo7"));
    QVERIFY(!drv::visible(home, "imgFeuvert(6)") && !drv::visible(home, "imgFeurouge(6)"));
    QCOMPARE(run.record().Resultat[7], 0);
    // Given back, it opens afresh.
    run.open(7);
    QVERIFY(ex.loaded());
    QVERIFY(drv::visible(ex, "imgValidation"));
}

void TestStartup::validatedExerciseStaysTaken_data() {
    QTest::addColumn<bool>("lookAtCorrection");
    QTest::newRow("failed, continue") << false;
    QTest::newRow("failed, correction, continue") << true;
}

void TestStartup::validatedExerciseStaysTaken() {
    QFETCH(bool, lookAtCorrection);
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    ExerciseScreen& ex = run.open(3);
    drv::click(ex, "imgValidation");
    if (lookAtCorrection) drv::click(ex, "imgCorrection");
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(home, "imgFeurouge(2)"));
    QVERIFY(!drv::visible(home, "imgFeuvert(2)"));
    QCOMPARE(run.record().Resultat[3], 0);
    QVERIFY(!drv::enabled(home, "chkExo3"));
    QCOMPARE(drv::get<CheckBox>(home, "chkExo3")->Value(), 1);
    drv::tick(home, "chkExo3"); // disabled: nothing opens
    QVERIFY(!ex.loaded());
}

void TestStartup::closingAnExerciseWindow_data() {
    QTest::addColumn<bool>("validated");
    QTest::newRow("before validation: given back") << false;
    QTest::newRow("after validation: kept") << true;
}

void TestStartup::closingAnExerciseWindow() {
    QFETCH(bool, validated);
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    ExerciseScreen& ex = run.open(4);
    if (validated) drv::click(ex, "imgValidation");
    ex.window()->close();
    drv::settle();
    QVERIFY(!ex.loaded());
    QVERIFY(!run.ended());
    QCOMPARE(drv::enabled(home, "chkExo4"), !validated);
    QCOMPARE(drv::get<CheckBox>(home, "chkExo4")->Value(), validated ? 1 : 0);
    QCOMPARE(drv::visible(home, "imgFeurouge(3)"), validated);
}

void TestStartup::titleOfExercise1() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    drv::click(home, "lblExo1");
    QVERIFY(!run.exercise(1).loaded());
    QCOMPARE(drv::get<CheckBox>(home, "chkExo1")->Value(), 0);
    drv::click(home, "lblExo2");
    QVERIFY(!run.exercise(2).loaded());
}

void TestStartup::spaceOnFirstFocusOpensExercise20() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    QCOMPARE(drv::focused(home), drv::control(home, "chkExo20")->widget());
    drv::key(home, Qt::Key_Space);
    QVERIFY(run.exercise(20).loaded());
    QVERIFY(!drv::enabled(home, "chkExo20"));
}

void TestStartup::tabOrderOfTheBoxes() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    QStringList expected;
    for (int n = 19; n >= 3; --n) expected << QStringLiteral("chkExo%1").arg(n);
    expected << "cmdQuitter" << "chkExo2" << "chkExo1" << "chkExo20";
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        drv::key(home, Qt::Key_Tab);
        seen << drv::focused(home)->objectName();
    }
    QCOMPARE(seen, expected);
    // A taken box is skipped.
    ExerciseScreen& ex = run.open(19);
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgContinuer");
    drv::get<CheckBox>(home, "chkExo20")->setFocus();
    drv::key(home, Qt::Key_Tab);
    QCOMPARE(drv::focused(home)->objectName(), QStringLiteral("chkExo18"));
}

void TestStartup::ladybirdOpensOneAboutBox() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    QCOMPARE(drv::control(home, "Image2")->widget()->toolTip(), QStringLiteral("Cliquez sur moi !"));
    drv::click(home, "Image2");
    Form& about = run.nav().auteur;
    QVERIFY(about.loaded());
    QWidget* first = about.window();
    drv::click(home, "Image2");
    QCOMPARE(about.window(), first);
    QCOMPARE(about.window()->windowTitle(), QStringLiteral("Auteur"));
    QCOMPARE(drv::text(about, "Label1"), QStringLiteral("Morvelle 3"));
    QCOMPARE(drv::text(about, "Label3"), QStringLiteral("Logiciel de SVT pour la classe de 3ème"));
    // Its client area starts at a fixed place on the screen.
    QCOMPARE(about.window()->geometry().topLeft(), QPoint(542, 418));
}

void TestStartup::quitterLeavesForTheSummary_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Alt+Q") << false;
    QTest::newRow("closed from outside") << true;
}

void TestStartup::quitterLeavesForTheSummary() {
    QFETCH(bool, closeBox);
    drv::Run run;
    run.toHome();
    if (closeBox) run.nav().accueil.window()->close();
    else drv::alt(run.nav().accueil, 'Q');
    drv::settle();
    QVERIFY(!run.nav().accueil.loaded());
    QVERIFY(run.nav().bilan.loaded());
    QVERIFY(!run.ended());
}

void TestStartup::leavingTheHomeScreenClosesOpenExercises_data() {
    QTest::addColumn<bool>("closeBox"); // else Alt+Q, the home screen reached with Alt+Tab
    QTest::addColumn<bool>("validated"); // exercise 3 answered right and validated first
    QTest::newRow("closed from outside, exercise unanswered") << true << false;
    QTest::newRow("closed from outside, exercise succeeded") << true << true;
    QTest::newRow("Alt+Q, exercise unanswered") << false << false;
}

void TestStartup::leavingTheHomeScreenClosesOpenExercises() {
    QFETCH(bool, closeBox);
    QFETCH(bool, validated);
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    ExerciseScreen& ex = run.open(3);
    if (validated) {
        QVERIFY(ex.enterRightAnswers());
        drv::click(ex, "imgValidation");
    }
    if (closeBox) {
        home.window()->close();
    } else {
        QApplication::setActiveWindow(home.window());
        drv::alt(home, 'Q');
    }
    drv::settle();
    // The exercise left as its own close leaves it, before the summary read the record.
    QVERIFY(!ex.loaded());
    Form& summary = run.nav().bilan;
    QVERIFY(summary.loaded());
    QCOMPARE(run.record().Resultat[3], validated ? 1 : 0);
    QCOMPARE(drv::text(summary, "lbl3"), validated ? QStringLiteral("Réussite") : QStringLiteral("Echec"));
    QCOMPARE(drv::text(summary, "lblNote"), validated ? QStringLiteral("1/20") : QStringLiteral("0/20"));
}

void TestStartup::windowDestroyedFromOutside_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("nativeOnly"); // only the window system's window goes; Qt's widget stays
    for (bool native : {false, true}) {
        const char* how = native ? "native window" : "widget";
        for (const char* screen : {"splash", "exercise", "validated exercise", "home", "summary"})
            QTest::addRow("%s, %s", screen, how) << QString::fromLatin1(screen) << native;
    }
}

void TestStartup::windowDestroyedFromOutside() {
    QFETCH(QString, screen);
    QFETCH(bool, nativeOnly);
    drv::Run run;
    Form* target = &run.nav().presentation;
    Form& home = run.nav().accueil;
    if (screen == "splash") {
        run.app().start();
    } else {
        run.toHome();
        target = &home;
        if (screen.contains("exercise")) {
            target = &run.open(4);
            if (screen.startsWith("validated")) drv::click(*target, "imgValidation");
        } else if (screen == "summary") {
            drv::click(home, "cmdQuitter");
            target = &run.nav().bilan;
        }
    }
    if (nativeOnly) target->window()->windowHandle()->destroy();
    else delete target->window();
    drv::settle();
    drv::settle();
    QVERIFY(!target->loaded());
    QCOMPARE(run.ended(), screen == "splash" || screen == "summary");
    if (screen == "home") QVERIFY(run.nav().bilan.loaded());
    if (screen.contains("exercise")) {
        // Given back before validation, kept with its result after it: never left locked.
        const bool validated = screen.startsWith("validated");
        QCOMPARE(drv::enabled(home, "chkExo4"), !validated);
        QCOMPARE(drv::get<CheckBox>(home, "chkExo4")->Value(), validated ? 1 : 0);
        QCOMPARE(drv::visible(home, "imgFeurouge(3)"), validated);
    }
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
