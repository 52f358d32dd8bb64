// Exercise 19: colour tokens dragged with the mouse from the legend onto the twelve persons of Rémi's
// family tree; the twelve fill colours decide.
#include "framework/dragdrop.h"
#include "tests/driver.h"

#include <QDir>

using forms::BgrColor;

namespace {

using drv::kCorrection;

constexpr BgrColor kWhite = 0xFFFFFF;
constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kOrange = 0x67B1E9;
constexpr BgrColor kPink = 0xFFC0FF;
constexpr BgrColor kGreen = 0xC0FFC0;

// The token a pupil who knows the answer drops on persons 1 to 12 (0 red, 1 orange square, 2 pink,
// 3 orange circle, 4 green).
const int kRightTokens[] = {0, 4, 1, 4, 2, 2, 1, 4, 1, 0, 4, 1};

// Drags token k onto person n, written "k>n"; "k>x,y" releases it at a point of the window in twips.
void perform(const forms::Form& ex, const QStringList& steps) {
    for (const QString& s : steps) {
        const QString source = QStringLiteral("couleur(%1)").arg(s.section('>', 0, 0));
        const QString target = s.section('>', 1);
        if (target.contains(','))
            drv::dragTo(ex, source,
                        QPoint(target.section(',', 0, 0).toInt(), target.section(',', 1).toInt()) / 15);
        else
            drv::drag(ex, source, QStringLiteral("perso(%1)").arg(target.toInt() - 1));
        if (QTest::currentTestFailed()) return;
    }
}

// The whole tree painted right, with person n's token replaced where `instead` says so.
QStringList rightTree(const QMap<int, int>& instead = {}) {
    QStringList steps;
    for (int n = 1; n <= 12; ++n)
        steps << QStringLiteral("%1>%2").arg(instead.value(n, kRightTokens[n - 1])).arg(n);
    return steps;
}

BgrColor fillOf(const forms::Form& ex, int person) {
    return drv::fill(ex, QStringLiteral("cadre(%1)").arg(person - 1));
}

// With MORVELLE_SHOTS set to a folder, the states only a pupil's mouse reaches are saved there to look at.
void snapIfAsked(const forms::Form& ex, const QString& name) {
    const QString dir = qEnvironmentVariable("MORVELLE_SHOTS");
    if (dir.isEmpty() || !ex.window()) return;
    QDir().mkpath(dir);
    ex.window()->grab().save(QDir(dir).filePath(name + ".png"));
}

using Fills = QMap<int, uint>; // person -> fill; persons not named stay white

} // namespace

class TestExercice19 : public QObject {
    Q_OBJECT

  private slots:
    void painting_data();
    void painting();
    void verdict_data();
    void verdict();
    void dragShowsThePaletteUnderThePointer();
    void nothingDragsAfterValidation();
    void correction();
};

void TestExercice19::painting_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Fills>("fills");

    QTest::newRow("each token its colour")
        << QStringList{"0>1", "1>3", "2>5", "3>7", "4>2"}
        << Fills{{1, kRed}, {3, kOrange}, {5, kPink}, {7, kOrange}, {2, kGreen}};
    QTest::newRow("pink then green on person 5") << QStringList{"2>5", "4>5"} << Fills{{5, kGreen}};
    QTest::newRow("the sex does not matter")
        << QStringList{"0>2", "2>1", "1>11"} << Fills{{2, kRed}, {1, kPink}, {11, kOrange}};
    QTest::newRow("one token on several persons")
        << QStringList{"4>4", "4>8", "4>12"} << Fills{{4, kGreen}, {8, kGreen}, {12, kGreen}};
    // Only the middle of a symbol takes a drop.
    QTest::newRow("released on the white ring of person 2") << QStringList{"0>9247,1980"} << Fills{};
    QTest::newRow("released on the ring of Rémi's square") << QStringList{"2>8920,5320"} << Fills{};
    QTest::newRow("released on a marriage line and a descent")
        << QStringList{"0>8520,2280", "1>10440,4500", "2>12840,3360"} << Fills{};
    QTest::newRow("released on the legend, a caption, the statement and the background")
        << QStringList{"0>4000,1980", "3>4500,2200", "4>6000,6700", "1>14000,9500"} << Fills{};
}

void TestExercice19::painting() {
    QFETCH(QStringList, steps);
    QFETCH(Fills, fills);
    drv::Run run;
    run.toHome();
    auto& ex = run.open(19);
    perform(ex, steps);
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(fillOf(ex, n), BgrColor(fills.value(n, kWhite)));
    // The tokens never move.
    auto* token = drv::get<forms::Picture>(ex, "couleur(2)");
    QCOMPARE(QPoint(token->Left(), token->Top()), QPoint(3360, 3480));
}

void TestExercice19::verdict_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("right");

    QTest::newRow("all twelve right") << rightTree() << true;
    QTest::newRow("the men with the orange circle token")
        << rightTree({{3, 3}, {7, 3}, {9, 3}, {12, 3}}) << true;
    QTest::newRow("a wrong colour mended") << QStringList{"1>2", "0>5"} + rightTree() << true;
    QTest::newRow("nothing painted") << QStringList{} << false;
    QTest::newRow("person 2 orange square") << rightTree({{2, 1}}) << false;
    QTest::newRow("person 2 orange circle") << rightTree({{2, 3}}) << false;
    QTest::newRow("person 5 green, not a sure carrier") << rightTree({{5, 4}}) << false;
    QTest::newRow("Rémi's father pink") << rightTree({{7, 2}}) << false;
    QTest::newRow("person 12 red") << rightTree({{12, 0}}) << false;
    QTest::newRow("a wrong drop last") << rightTree() + QStringList{"4>10"} << false;

    QStringList firstLeftWhite = rightTree();
    firstLeftWhite.removeFirst();
    QTest::newRow("Rémi red, person 1 left white") << firstLeftWhite << false;
}

void TestExercice19::verdict() {
    QFETCH(QStringList, steps);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    auto& ex = run.open(19);
    perform(ex, steps);
    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
}

void TestExercice19::dragShowsThePaletteUnderThePointer() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(19);
    drv::checkNamesUnique(ex);
    auto* token = drv::get<forms::Picture>(ex, "couleur(4)");
    QWidget* window = ex.window();
    const QPoint pointer =
        ex.canvas()->mapTo(window, drv::control(ex, "perso(5)")->widget()->geometry().center());
    QTest::mousePress(token, Qt::LeftButton, Qt::NoModifier, token->rect().center());
    QTest::mouseMove(token, token->mapFrom(window, pointer - QPoint(50, 20)));
    QTest::mouseMove(token, token->mapFrom(window, pointer));
    QApplication::processEvents();

    QWidget* palette = forms::DragController::instance().indicator();
    QVERIFY(palette && palette->isVisible());
    QCOMPARE(palette->size(), QSize(32, 32));
    QCOMPARE(palette->geometry().topLeft() + QPoint(16, 16), pointer);
    snapIfAsked(ex, "Exercice19_glisser");

    QTest::mouseRelease(token, Qt::LeftButton, Qt::NoModifier, token->mapFrom(window, pointer));
    drv::settle();
    QVERIFY(!forms::DragController::instance().active());
    QCOMPARE(fillOf(ex, 6), kGreen);
}

void TestExercice19::nothingDragsAfterValidation() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(19);
    perform(ex, {"0>10"});
    drv::click(ex, "imgValidation");
    for (int k = 0; k <= 4; ++k)
        QVERIFY(!drv::enabled(ex, QStringLiteral("couleur(%1)").arg(k)));

    perform(ex, {"0>1", "4>10", "2>5"});
    QVERIFY(!forms::DragController::instance().active());
    QCOMPARE(fillOf(ex, 1), kWhite);
    QCOMPARE(fillOf(ex, 10), kRed);
    QCOMPARE(fillOf(ex, 5), kWhite);
}

void TestExercice19::correction() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(19);
    QVERIFY(!drv::visible(ex, "frameRep"));
    perform(ex, rightTree({{5, 4}, {2, 3}}));
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QVERIFY(drv::visible(ex, "frameRep"));
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QCOMPARE(drv::text(ex, "lblInfo"), kCorrection);
    QVERIFY(drv::text(ex, "Label11")
                .startsWith(QStringLiteral("Rémi et son grand-père maternel sont daltoniens.")));
    // The numbered copy in the expected colours, with its own pink; cadre(12) .. cadre(23) by person.
    const int copyOf[] = {14, 12, 16, 15, 18, 20, 19, 17, 23, 21, 22, 13};
    const BgrColor copyFill[] = {kRed,    kGreen, kOrange, kGreen, 0xE9BBEC, 0xE9BBEC,
                                 kOrange, kGreen, kOrange, kRed,   kGreen,   kOrange};
    for (int n = 1; n <= 12; ++n) {
        const QString shape = QStringLiteral("cadre(%1)").arg(copyOf[n - 1]);
        QCOMPARE(drv::fill(ex, shape), copyFill[n - 1]);
        QVERIFY(drv::control(ex, shape)->widget()->isVisible());
        QCOMPARE(drv::text(ex, QStringLiteral("lblNumero%1").arg(n)), QString::number(n));
    }
    // The pupil's tree keeps the pupil's colours.
    QCOMPARE(fillOf(ex, 5), kGreen);
    QCOMPARE(fillOf(ex, 2), kOrange);
    QCOMPARE(fillOf(ex, 10), kRed);
    QCOMPARE(run.record().Resultat[19], 0);
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(18)"));
}

QTEST_MAIN(TestExercice19)
#include "test_exercice19.moc"
