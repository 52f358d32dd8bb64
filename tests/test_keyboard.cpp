// The exercises without a mouse: function keys for the picture buttons, Space on the pictures that a mouse
// presses, drags made with Space, the arrows, Tab and Escape, and what a screen reader hears of them.
#include "framework/dragdrop.h"
#include "tests/driver.h"

using namespace forms;

namespace {

QWidget* widget(const Form& f, const QString& name) {
    Control* c = drv::control(f, name);
    return c ? c->widget() : nullptr;
}

// Plays keys written as words ("Tab", "S-Tab", "Space", "Enter", "Esc", arrows, "Menu", "S-F10", "F5" ..)
// on whatever has the focus in the form's window; "Tab*3" repeats, "=text" types text key by key.
void keys(const Form& f, const QString& script) {
    static const QHash<QString, QPair<Qt::Key, Qt::KeyboardModifiers>> kKeys = {
        {"Tab", {Qt::Key_Tab, Qt::NoModifier}},      {"S-Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
        {"Space", {Qt::Key_Space, Qt::NoModifier}},  {"Enter", {Qt::Key_Return, Qt::NoModifier}},
        {"Esc", {Qt::Key_Escape, Qt::NoModifier}},   {"Left", {Qt::Key_Left, Qt::NoModifier}},
        {"Right", {Qt::Key_Right, Qt::NoModifier}},  {"Up", {Qt::Key_Up, Qt::NoModifier}},
        {"Down", {Qt::Key_Down, Qt::NoModifier}},    {"Menu", {Qt::Key_Menu, Qt::NoModifier}},
        {"S-F10", {Qt::Key_F10, Qt::ShiftModifier}}, {"F5", {Qt::Key_F5, Qt::NoModifier}},
        {"F6", {Qt::Key_F6, Qt::NoModifier}},        {"F7", {Qt::Key_F7, Qt::NoModifier}},
        {"F8", {Qt::Key_F8, Qt::NoModifier}},
    };
    for (const QString& word : script.split(' ', Qt::SkipEmptyParts)) {
        if (word.startsWith('=')) {
            QWidget* w = drv::focused(f);
            QVERIFY2(w, "nothing to type into");
            for (const QChar ch : word.mid(1))
                QTest::keyClick(w, char(ch.unicode()));
            drv::settle();
            continue;
        }
        const QStringList parts = word.split('*');
        QVERIFY2(kKeys.contains(parts[0]), qPrintable(word));
        const auto [k, m] = kKeys.value(parts[0]);
        for (int i = 0, n = parts.size() > 1 ? parts[1].toInt() : 1; i < n; ++i)
            drv::key(f, k, m);
    }
}

// From the home screen, whose focus starts on box 20 and goes down the list with Tab.
ExerciseScreen& openWithKeys(drv::Run& run, int n) {
    keys(run.nav().accueil, QStringLiteral("Tab*%1 Space").arg(20 - n));
    return run.exercise(n);
}

QString accessibleName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

QString accessibleDescription(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Description) : QString();
}

const DragController& drag() {
    return DragController::instance();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void exercisesDoneWithTheKeyboardAlone_data();
    void exercisesDoneWithTheKeyboardAlone();
    void arrowsFollowTheTree_data();
    void arrowsFollowTheTree();
    void escapeAndTheMousePutDown();
    void shortcutsActOnlyWhileTheirPictureShows_data();
    void shortcutsActOnlyWhileTheirPictureShows();
    void tabReachesThePicturesAfterTheScreensOwnControls();
    void menuKeyShowsAKaryotype();
    void screenReaderHearsIt();
};

void TestKeyboard::exercisesDoneWithTheKeyboardAlone_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("right");
    // Exercise 7: the stops run img4, img5, img1, img2, img3 from the left; Enter chooses nothing.
    QTest::newRow("7 proposal 1, then a look at the egg cell") << 7 << "Tab*3 Space S-Tab*2 Space F5" << true;
    QTest::newRow("7 proposal 3 last") << 7 << "Tab*3 Space Tab*2 Space F5" << false;
    QTest::newRow("7 Enter is no choice") << 7 << "Tab*3 Enter F5" << false;
    // Exercise 17: the focus starts in the list; the cells are offered spermatozoon, ovule, egg cell.
    QTest::newRow("17") << 17 << "=masculin Tab Enter Down Space Tab Enter Up Space Tab Space Left Enter F5"
                        << true;
    QTest::newRow("17 tags on the wrong cells")
        << 17 << "=masculin Tab Enter Space Tab Space Tab Space F5" << false;
    // Exercise 18: the focus starts on Effacer; then 9 with A, 9 with O, X, Y, and the places 1 to 4.
    QTest::newRow("18 9 with A and Y") << 18 << "Tab Space Space Tab*3 Space Right Space F5" << true;
    QTest::newRow("18 both 9, then Effacer and Y alone")
        << 18 << "Tab Space Space Tab Space Right Enter S-Tab*2 Space Tab*4 Space Space F5" << true;
    QTest::newRow("18 both 9") << 18 << "Tab Space Space Tab Space Right Enter F5" << false;
    // Exercise 19: the persons are offered in their numbers' order; arrows go across the tree.
    QTest::newRow("19")
        << 19
        << "Tab Space Space Space Tab*9 Space "                                    // red: 1, Rémi
           "Tab Space Tab*2 Space Space Up Space Space Up Space "                  // orange: 12, 7, 3 ..
           "Space Down Right*2 Space "                                             // .. and 9
           "Tab Space Left*3 Space Space Left Space "                              // pink: 6, 5
           "Tab*2 Space Up Right Space Space Right*2 Space Space Down Left Space " // green: 2, 4, 8 ..
           "Space Down Left Space F5"                                              // .. and 11
        << true;
    QTest::newRow("19 half the tree left white")
        << 19 << "Tab Space Space Space Tab*9 Space Tab*4 Space Tab*5 Space F5" << false;
}

void TestKeyboard::exercisesDoneWithTheKeyboardAlone() {
    QFETCH(int, n);
    QFETCH(QString, script);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = openWithKeys(run, n);
    QVERIFY(ex.loaded());
    QVector<QRect> sources;
    for (QWidget* w : ex.canvas()->findChildren<QWidget*>())
        if (auto* p = dynamic_cast<Picture*>(w); p && p->dragAutomatic()) sources << p->geometry();
    keys(ex, script);
    drv::checkVerdict(run, ex, right);
    QVERIFY(!drag().active());
    // The sources never moved.
    QVector<QRect> after;
    for (QWidget* w : ex.canvas()->findChildren<QWidget*>())
        if (auto* p = dynamic_cast<Picture*>(w); p && p->dragAutomatic()) after << p->geometry();
    QCOMPARE(after, sources);
    // Correction after a failure, and back to the home screen, by their keys.
    keys(ex, right ? "F7" : "F6 F7");
    QVERIFY(!ex.loaded());
    QVERIFY(run.nav().accueil.window()->isVisible());
}

void TestKeyboard::arrowsFollowTheTree_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("arrows");
    QTest::addColumn<int>("to");
    // Persons 1 to 12 are perso(0) to perso(11).
    QTest::newRow("1 right to his wife") << 1 << "Right" << 2;
    QTest::newRow("1 down to his daughter") << 1 << "Down" << 5;
    QTest::newRow("6 down to her son Rémi") << 6 << "Down" << 10;
    QTest::newRow("Rémi up to his mother") << 10 << "Up" << 6;
    QTest::newRow("Rémi right along his siblings") << 10 << "Right Right" << 12;
    QTest::newRow("7 left past the gap to his wife") << 7 << "Left" << 6;
    QTest::newRow("8 right to her brother, not up to her mother") << 8 << "Right" << 9;
    QTest::newRow("4 right: only her son lies further right") << 4 << "Right" << 9;
    QTest::newRow("9 has nobody to his right") << 9 << "Right" << 9;
    QTest::newRow("Tab wraps from 12 to 1") << 12 << "Tab" << 1;
    QTest::newRow("Shift+Tab wraps from 1 to 12") << 1 << "S-Tab" << 12;
}

void TestKeyboard::arrowsFollowTheTree() {
    QFETCH(int, from);
    QFETCH(QString, arrows);
    QFETCH(int, to);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(19);
    // Drop once on person `from`, so that the next pick-up starts there.
    keys(ex, QStringLiteral("Tab Space Tab*%1 Space Space").arg(from - 1));
    QVERIFY(drag().fromKeyboard());
    QCOMPARE(drag().highlighted(), drv::control(ex, QStringLiteral("perso(%1)").arg(from - 1)));
    keys(ex, arrows);
    QCOMPARE(drag().highlighted(), drv::control(ex, QStringLiteral("perso(%1)").arg(to - 1)));
    // The frame stands round the highlighted person, in front of the tree.
    QWidget* frame = drag().highlight();
    QVERIFY(frame && frame->isVisible());
    const QWidget* target = widget(ex, QStringLiteral("perso(%1)").arg(to - 1));
    QVERIFY(frame->geometry().contains(QRect(target->mapTo(ex.window(), QPoint(0, 0)), target->size())));
    if (from == 1 && to == 2) drv::snapIfAsked(ex, "keyboard_drag_exercice19");
    keys(ex, "Esc");
}

void TestKeyboard::escapeAndTheMousePutDown() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(17);
    const QStringList ovals = {"rond1", "rond2", "rond3"};
    keys(ex, "Tab Enter Down");
    QVERIFY(drag().fromKeyboard());
    QVERIFY(drag().indicator() && drag().indicator()->isVisible());
    drv::snapIfAsked(ex, "keyboard_drag_exercice17");
    keys(ex, "Esc");
    QVERIFY(!drag().active());
    QVERIFY(!drag().highlight());
    for (const QString& o : ovals)
        QCOMPARE(drv::fill(ex, o), 0xFFFFFFu);
    QCOMPARE(drv::focused(ex), widget(ex, "imgCaryo(1)"));

    // A mouse press puts the carried tag down and does its own work.
    keys(ex, "Enter");
    QVERIFY(drag().fromKeyboard());
    drv::click(ex, "imgCaryo(2)", Qt::RightButton);
    QVERIFY(!drag().active());
    QVERIFY(drv::visible(ex, "img2"));
    for (const QString& o : ovals)
        QCOMPARE(drv::fill(ex, o), 0xFFFFFFu);

    // Validation by its key while a tag is carried ends the carry; nothing drops afterwards.
    keys(ex, "Enter F5");
    QVERIFY(!drag().active());
    keys(ex, "Space");
    for (const QString& o : ovals)
        QCOMPARE(drv::fill(ex, o), 0xFFFFFFu);
    drv::checkVerdict(run, ex, false);
}

void TestKeyboard::shortcutsActOnlyWhileTheirPictureShows_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<bool>("validated");
    QTest::addColumn<bool>("correction");
    QTest::newRow("Correction and Continuer hidden while answering") << "F6 F7" << true << false << false;
    QTest::newRow("Abandon") << "F8" << false << false << false;
    QTest::newRow("Validation and Abandon gone once validated") << "F5 F5 F8" << true << true << false;
    QTest::newRow("Correction once only, then Continuer") << "F5 F6 F6" << true << true << true;
    QTest::newRow("Continuer") << "F5 F7" << false << true << false;
    QTest::newRow("Enter presses nothing") << "Enter" << true << false << false;
}

void TestKeyboard::shortcutsActOnlyWhileTheirPictureShows() {
    QFETCH(QString, script);
    QFETCH(bool, loaded);
    QFETCH(bool, validated);
    QFETCH(bool, correction);
    drv::Run run;
    run.toHome();
    // Exercise 3: the keys act while the pupil is typing in a text box, and type nothing into it.
    ExerciseScreen& ex = run.open(3);
    keys(ex, "=noyau");
    QCOMPARE(drv::text(ex, "Text1"), QStringLiteral("noyau"));
    keys(ex, script);
    QCOMPARE(ex.loaded(), loaded);
    const Form& home = run.nav().accueil;
    QCOMPARE(drv::visible(home, "imgFeurouge(2)"), validated);
    // Given back only by Abandon.
    QCOMPARE(drv::enabled(home, "chkExo3"), !loaded && !validated);
    if (!loaded) return;
    QCOMPARE(drv::text(ex, "Text1"), QStringLiteral("noyau"));
    QCOMPARE(drv::text(ex, "lblInfo"), correction  ? drv::kCorrection
                                       : validated ? drv::kFailure
                                                   : drv::kInstruction);
}

void TestKeyboard::tabReachesThePicturesAfterTheScreensOwnControls() {
    const struct {
        int n;
        const char* first; // the focus when the screen opens; empty: the window itself
        QStringList stops; // then Tab by Tab
    } cases[] = {
        {7, "", {"img4", "img5", "img1", "img2", "img3", "img4"}},
        {17, "cb1", {"imgCaryo(1)", "imgCaryo(2)", "imgCaryo(3)", "cb1"}},
        {18, "cmdEffacer", {"Image1(1)", "Image1(2)", "Image1(3)", "Image1(4)", "cmdEffacer"}},
        {19, "", {"couleur(0)", "couleur(1)", "couleur(2)", "couleur(3)", "couleur(4)", "couleur(0)"}},
    };
    for (const auto& c : cases) {
        drv::Run run;
        run.toHome();
        ExerciseScreen& ex = run.open(c.n);
        QWidget* first = *c.first ? widget(ex, c.first) : ex.window();
        QCOMPARE(drv::focused(ex), first);
        for (const QString& stop : c.stops) {
            keys(ex, "Tab");
            QVERIFY(drv::focused(ex));
            QCOMPARE(drv::focused(ex)->objectName(), stop);
        }
        // Validation takes the sources out of the round: the screen's own controls stay as they were.
        keys(ex, "F5 Tab");
        if (auto* p = dynamic_cast<Picture*>(drv::focused(ex))) QFAIL(qPrintable(p->objectName()));
    }
}

void TestKeyboard::menuKeyShowsAKaryotype() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(17);
    QVERIFY(drv::visible(ex, "cadre1"));
    keys(ex, "Tab*2 Menu");
    QVERIFY(!drv::visible(ex, "cadre1"));
    QVERIFY(drv::visible(ex, "img2") && !drv::visible(ex, "img1") && !drv::visible(ex, "img3"));
    keys(ex, "Tab S-F10");
    QVERIFY(drv::visible(ex, "img3") && !drv::visible(ex, "img2"));
    QVERIFY(!drag().active());
}

void TestKeyboard::screenReaderHearsIt() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(17);
    const struct {
        const char* name;
        const char* says;
    } buttons[] = {
        {"imgValidation", "F5"}, {"imgCorrection", "F6"}, {"imgContinuer", "F7"}, {"imgAbandon", "F8"}};
    for (const auto& b : buttons)
        QVERIFY2(accessibleDescription(widget(ex, b.name)).contains(b.says), b.name);

    QWidget* tag = widget(ex, "imgCaryo(2)");
    QVERIFY(accessibleDescription(tag).contains(QStringLiteral("Espace ou Entrée")));
    QVERIFY(accessibleDescription(tag).contains(QStringLiteral("Menu")));
    QVERIFY(!accessibleDescription(widget(ex, "imgCellule(2)")).isEmpty());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(tag);
    QVERIFY(a->state().focusable);

    keys(ex, "Tab*2 Enter");
    QVERIFY(a->state().focused);
    QVERIFY(accessibleName(tag).startsWith(QStringLiteral("caryotype 2 – caryotype 2 pris.")));
    QVERIFY(accessibleName(tag).endsWith(QStringLiteral("Au-dessus de : Spermatozoïde")));
    keys(ex, "Tab");
    QCOMPARE(accessibleName(tag), QStringLiteral("caryotype 2 – Au-dessus de : Ovule"));
    keys(ex, "Space");
    QCOMPARE(accessibleName(tag), QStringLiteral("caryotype 2 – caryotype 2 déposé sur Ovule"));
    QCOMPARE(accessibleName(widget(ex, "imgCellule(2)")), QStringLiteral("Ovule : caryotype 2"));
    keys(ex, "Enter Esc");
    QCOMPARE(accessibleName(tag), QStringLiteral("caryotype 2 – caryotype 2 reposé"));
    // Gone on: the tag reads its own name again.
    keys(ex, "Tab");
    QCOMPARE(accessibleName(tag), QStringLiteral("caryotype 2"));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
