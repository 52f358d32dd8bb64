// Exercise 20: four gamete lists that fill a crossing table, the albino egg cell ticked, a verdict made
// of ordered rules with two wordings of the failure, and a complete correction table.
#include "tests/driver.h"

using forms::BgrColor;

namespace {

using drv::kCorrection;
using drv::kFailure;
using drv::kFailureTypo;
using drv::kSuccess;

const char* const kLists[4] = {"cbOvule1", "cbOvule2", "cbSperm1", "cbSperm2"};

// The four lists, each written "A" or "a" (picked from the list), "=text" (typed key by key) or "" (left
// empty).
void answerLists(const forms::Form& ex, const QStringList& lists) {
    for (int i = 0; i < 4; ++i) {
        const QString& v = lists[i];
        if (v.startsWith('='))
            drv::type(ex, kLists[i], v.mid(1));
        else if (!v.isEmpty())
            drv::pick(ex, kLists[i], v);
    }
}

void tickBoxes(const forms::Form& ex, const QString& boxes) {
    for (QChar k : boxes)
        drv::tick(ex, QStringLiteral("Check%1").arg(k));
}

// What a square and a label show for an allele written A, a, or - (nothing drawn).
BgrColor colourOf(QChar allele, bool gameteInCorrection = false) {
    if (allele == 'A') return gameteInCorrection ? 0x00FF00 : 0x80FF80;
    if (allele == 'a') return 0x80FFFF;
    return 0xFFFFFF;
}

// The drawing, as the gametes' alleles "ovule1 ovule2 sperm1 sperm2" and the egg cells' pairs
// (ovule's allele, spermatozoon's) "11 22 33 44".
void compareDrawing(const forms::Form& ex, const QString& gametes, const QString& eggs) {
    const char* const squares[4] = {"ShapeOvule1", "ShapeOvule2", "ShapeSp1", "ShapeSp2"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(drv::fill(ex, squares[i]), colourOf(gametes[i]));
    const QStringList pairs = eggs.split(' ');
    for (int k = 1; k <= 4; ++k)
        for (int side = 1; side <= 2; ++side) {
            const QChar allele = pairs[k - 1][side - 1];
            QCOMPARE(drv::fill(ex, QStringLiteral("Shape%1Cellule%2").arg(side).arg(k)), colourOf(allele));
            QCOMPARE(drv::text(ex, QStringLiteral("lblCellule%1Al%2").arg(k).arg(side)), QString(allele));
        }
}

} // namespace

class TestExercice20 : public QObject {
    Q_OBJECT

  private slots:
    void verdict_data();
    void verdict();
    void pickingDraws_data();
    void pickingDraws();
    void correction();
    void reopensInItsDesignState();
};

void TestExercice20::verdict_data() {
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<QString>("message"); // empty: success

    const QStringList row1{"A", "a", "A", "a"}, row2{"a", "A", "A", "a"}, row3{"A", "a", "a", "A"},
        row4{"a", "A", "a", "A"};
    QTest::newRow("first assignment, its box") << row1 << "4" << QString();
    QTest::newRow("second assignment, its box") << row2 << "2" << QString();
    QTest::newRow("third assignment, its box") << row3 << "3" << QString();
    QTest::newRow("fourth assignment, its box") << row4 << "1" << QString();
    QTest::newRow("its box and another") << row1 << "41" << QString();
    QTest::newRow("three boxes with its own") << row3 << "123" << QString();
    QTest::newRow("typed, not picked") << QStringList{"=A", "=a", "=A", "=a"} << "4" << QString();
    QTest::newRow("all four boxes") << row1 << "1234" << kFailure;
    QTest::newRow("another assignment's box") << row1 << "1" << kFailureTypo;
    QTest::newRow("no box") << row2 << "" << kFailureTypo;
    QTest::newRow("both spermatozoa A") << QStringList{"A", "a", "A", "A"} << "4" << kFailureTypo;
    QTest::newRow("both spermatozoa A, all four boxes")
        << QStringList{"A", "a", "A", "A"} << "1234" << kFailure;
    QTest::newRow("both ovules a") << QStringList{"a", "a", "A", "a"} << "4" << kFailureTypo;
    QTest::newRow("a list left empty") << QStringList{"A", "", "A", "a"} << "4" << kFailureTypo;
    QTest::newRow("nothing at all") << QStringList{"", "", "", ""} << "" << kFailureTypo;
    QTest::newRow("b typed") << QStringList{"A", "a", "A", "=b"} << "4" << kFailureTypo;
    QTest::newRow("blank after a typed a") << QStringList{"A", "a", "A", "=a "} << "4" << kFailureTypo;
}

void TestExercice20::verdict() {
    QFETCH(QStringList, lists);
    QFETCH(QString, ticked);
    QFETCH(QString, message);
    const bool right = message.isEmpty();
    drv::Run run;
    run.toHome();
    auto& ex = run.open(20);
    answerLists(ex, lists);
    tickBoxes(ex, ticked);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right, right ? kSuccess : message);
    for (const char* name :
         {"cbOvule1", "cbOvule2", "cbSperm1", "cbSperm2", "Check1", "Check2", "Check3", "Check4"})
        QVERIFY2(!drv::enabled(ex, name), name);
}

void TestExercice20::pickingDraws_data() {
    QTest::addColumn<QStringList>("lists"); // applied one after the other, as in answerLists
    QTest::addColumn<QString>("gametes");
    QTest::addColumn<QString>("eggs");

    QTest::newRow("at load") << QStringList{} << "----"
                             << "-- -- -- --";
    QTest::newRow("first ovule") << QStringList{"A", "", "", ""} << "A---"
                                 << "A- A- -- --";
    QTest::newRow("second ovule") << QStringList{"", "a", "", ""} << "-a--"
                                  << "-- -- a- a-";
    QTest::newRow("first spermatozoon") << QStringList{"", "", "a", ""} << "--a-"
                                        << "-a -- -a --";
    QTest::newRow("second spermatozoon") << QStringList{"", "", "", "A"} << "---A"
                                         << "-- -A -- -A";
    QTest::newRow("A then a in the second spermatozoon")
        << QStringList{"", "", "", "A", "", "", "", "a"} << "---a"
        << "-- -a -- -a";
    QTest::newRow("the whole table") << QStringList{"a", "A", "a", "A"} << "aAaA"
                                     << "aa aA Aa AA";
    QTest::newRow("typing draws nothing") << QStringList{"=A", "=a", "=A", "=a"} << "----"
                                          << "-- -- -- --";
    QTest::newRow("typing after a pick keeps the pick's drawing")
        << QStringList{"A", "", "", "", "=a", "", "", ""} << "A---"
        << "A- A- -- --";
}

void TestExercice20::pickingDraws() {
    QFETCH(QStringList, lists);
    QFETCH(QString, gametes);
    QFETCH(QString, eggs);
    drv::Run run;
    run.toHome();
    auto& ex = run.open(20);
    for (int i = 0; i + 4 <= lists.size(); i += 4)
        answerLists(ex, lists.mid(i, 4));
    compareDrawing(ex, gametes, eggs);
}

void TestExercice20::correction() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(20);
    answerLists(ex, {"a", "=A", "A", ""});
    tickBoxes(ex, "1");
    QVERIFY(!drv::visible(ex, "Frame1"));
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QVERIFY(drv::visible(ex, "Frame1"));
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QCOMPARE(drv::text(ex, "lblInfo"), kCorrection);
    QCOMPARE(run.record().Resultat[20], 0);
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(19)"));

    // The copy shows the first accepted assignment, egg cell 4 ticked; each egg cell's alleles agree with
    // the gametes that form it.
    const std::tuple<const char*, const char*, QChar> gametes[] = {{"repShapeOvule1", "Label31", 'A'},
                                                                   {"repShapeOvule2", "Label32", 'a'},
                                                                   {"repShapeSp1", "Label29", 'A'},
                                                                   {"repShapeSp2", "Label30", 'a'}};
    for (const auto& [square, letter, allele] : gametes) {
        QCOMPARE(drv::fill(ex, square), colourOf(allele, true));
        QCOMPARE(drv::text(ex, letter), QString(allele));
    }
    const std::tuple<int, const char*, const char*, QString> eggs[] = {{1, "Label28", "Label27", "AA"},
                                                                       {2, "Label25", "Label26", "Aa"},
                                                                       {3, "Label23", "Label24", "aA"},
                                                                       {4, "Label22", "Label21", "aa"}};
    for (const auto& [k, fromOvule, fromSperm, pair] : eggs) {
        QCOMPARE(drv::fill(ex, QStringLiteral("repShape1Cellule%1").arg(k)), colourOf(pair[0]));
        QCOMPARE(drv::fill(ex, QStringLiteral("repShape2Cellule%1").arg(k)), colourOf(pair[1]));
        QCOMPARE(drv::text(ex, fromOvule), QString(pair[0]));
        QCOMPARE(drv::text(ex, fromSperm), QString(pair[1]));
        auto* ovuleLabel = drv::get<forms::Label>(ex, fromOvule);
        auto* spermLabel = drv::get<forms::Label>(ex, fromSperm);
        QVERIFY(ovuleLabel && spermLabel && ovuleLabel->Left() < spermLabel->Left());
    }
    const std::pair<const char*, int> boxes[] = {
        {"Check5", 0}, {"Check7", 0}, {"Check9", 0}, {"Checkrep", 1}};
    for (const auto& [box, value] : boxes)
        QCOMPARE(drv::get<forms::CheckBox>(ex, box)->Value(), value);

    // The pupil's own table stays as it was.
    QCOMPARE(drv::text(ex, "cbOvule1"), QStringLiteral("a"));
    QCOMPARE(drv::text(ex, "cbOvule2"), QStringLiteral("A"));
    QCOMPARE(drv::text(ex, "cbSperm1"), QStringLiteral("A"));
    QCOMPARE(drv::text(ex, "cbSperm2"), QString());
    QCOMPARE(drv::get<forms::CheckBox>(ex, "Check1")->Value(), 1);
    compareDrawing(ex, "a-A-", "aA a- -A --");
}

void TestExercice20::reopensInItsDesignState() {
    drv::Run run;
    run.toHome();
    auto* ex = &run.open(20);
    answerLists(*ex, {"A", "a", "A", "a"});
    tickBoxes(*ex, "4");
    drv::click(*ex, "imgAbandon");
    ex = &run.open(20);

    compareDrawing(*ex, "----", "-- -- -- --");
    for (const char* name : kLists) {
        auto* cb = drv::get<forms::ComboBox>(*ex, name);
        QVERIFY(cb);
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(cb->ListCount(), 2);
        QCOMPARE(cb->List(0), QStringLiteral("A"));
        QCOMPARE(cb->List(1), QStringLiteral("a"));
    }
    QCOMPARE(drv::get<forms::CheckBox>(*ex, "Check4")->Value(), 0);
    QVERIFY(!drv::visible(*ex, "Frame1"));
    // The new screen's lists draw again.
    drv::pick(*ex, "cbSperm1", "a");
    compareDrawing(*ex, "--a-", "-a -- -a --");
}

QTEST_MAIN(TestExercice20)
#include "test_exercice20.moc"
