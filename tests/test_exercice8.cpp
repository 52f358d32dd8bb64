// Exercise 8: the twenty boxes that give chromosomes to the two daughter cells.
#include "tests/driver.h"

using namespace forms;

namespace {

QString chk(int k, int j) {
    return QStringLiteral("chk%1C%2").arg(k).arg(j);
}
QString chr(int k, int j) {
    return QStringLiteral("chr%1C%2").arg(k).arg(j);
}

// Each candidate's colour, and the samples beside its box in grids 1 and 2.
const struct {
    BgrColor colour;
    const char* sample[2];
} kCandidates[11] = {{},
                     {0xE0E0E0, {"Shape5", "Shape15"}},
                     {0xC0FFC0, {"Shape6", "Shape16"}},
                     {0xFFFFC0, {"Shape7", "Shape17"}},
                     {0x808080, {"Shape12", "Shape21"}},
                     {0xC0E0FF, {"Shape10", "Shape19"}},
                     {0x0000FF, {"Shape8", "Shape18"}},
                     {0xC0FFFF, {"Shape13", "Shape22"}},
                     {0xFFC0FF, {"Shape4", "Shape9"}},
                     {0xFF00FF, {"Shape11", "Shape20"}},
                     {0xFF8080, {"Shape14", "Shape23"}}};
// Box tops in grid 1 and grid 2, row by row.
const int kBoxTops[11][2] = {{},           {2400, 5760}, {2400, 5760}, {2760, 6120},
                             {2760, 6120}, {3120, 6480}, {3120, 6480}, {3480, 6840},
                             {3480, 6840}, {3840, 7200}, {3840, 7200}};

using Ticks = QList<int>;
const Ticks kMother{6, 7, 8, 10};

} // namespace

class TestExercice8 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void eachBoxDrawsItsOwnChromosome();
    void answers_data();
    void answers();
    void correctionKeepsTheCrossAndThePupilsCells();
    void reopenedAfterAbandon();
};

void TestExercice8::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(8);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    for (int k = 1; k <= 10; ++k)
        for (int j = 1; j <= 2; ++j) {
            auto* box = drv::get<CheckBox>(ex, chk(k, j));
            QVERIFY(box);
            QCOMPARE(box->Value(), 0);
            QVERIFY(box->isEnabled());
            QCOMPARE(box->text(), QString());
            QCOMPARE(QRect(box->Left(), box->Top(), box->Width(), box->Height()),
                     QRect(k % 2 ? 12000 : 13440, kBoxTops[k][j - 1], 255, 255));
            QVERIFY(!drv::visible(ex, chr(k, j)));
            QCOMPARE(drv::fill(ex, chr(k, j)), kCandidates[k].colour);
            // The sample beside the box, always shown, in the chromosome's colour.
            auto* sample = drv::get<Shape>(ex, kCandidates[k].sample[j - 1]);
            QVERIFY(sample);
            QVERIFY(drv::visible(ex, kCandidates[k].sample[j - 1]));
            QCOMPARE(sample->FillColor(), kCandidates[k].colour);
            QCOMPARE(QPoint(sample->Left(), sample->Top()), QPoint(box->Left() + 360, box->Top() + 120));
        }
    // The mother cell's four chromosomes.
    QCOMPARE(drv::fill(ex, "Chr6CM"), BgrColor(0x0000FF));
    QCOMPARE(drv::fill(ex, "Chr7CM"), BgrColor(0xC0FFFF));
    QCOMPARE(drv::fill(ex, "Chr8CM"), BgrColor(0xFFC0FF));
    QCOMPARE(drv::fill(ex, "Chr10CM"), BgrColor(0xFF8080));
    QCOMPARE(drv::text(ex, "Label2"), QStringLiteral("Voici une cellule-mère possédant 4 chromosomes :"));
    QCOMPARE(drv::text(ex, "Label4Exo7"), QStringLiteral("Cellule-mère"));
    QCOMPARE(drv::text(ex, "Label5Exo7"), QStringLiteral("Cellules filles"));
    QVERIFY(!drv::visible(ex, "frameRep"));
    QVERIFY(!drv::visible(ex, "lblRep"));
    QVERIFY(drv::control(ex, "Shape24"));
}

void TestExercice8::eachBoxDrawsItsOwnChromosome() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(8);
    for (int k = 1; k <= 10; ++k)
        for (int j = 1; j <= 2; ++j) {
            drv::tick(ex, chk(k, j));
            for (int k2 = 1; k2 <= 10; ++k2)
                for (int j2 = 1; j2 <= 2; ++j2)
                    QCOMPARE(drv::visible(ex, chr(k2, j2)), k2 == k && j2 == j);
            drv::tick(ex, chk(k, j));
            QVERIFY(!drv::visible(ex, chr(k, j)));
        }
}

void TestExercice8::answers_data() {
    QTest::addColumn<Ticks>("cell1");
    QTest::addColumn<Ticks>("cell2");
    QTest::addColumn<Ticks>("unticked"); // ticked in both cells, then unticked again
    QTest::addColumn<bool>("right");
    const Ticks all{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("nothing ticked") << Ticks{} << Ticks{} << Ticks{} << false;
    QTest::newRow("the mother's four in both") << kMother << kMother << Ticks{} << true;
    QTest::newRow("all twenty") << all << all << Ticks{} << true;
    QTest::newRow("the four and others")
        << Ticks{1, 6, 7, 8, 10} << Ticks{2, 6, 7, 8, 9, 10} << Ticks{} << true;
    QTest::newRow("one cell only") << kMother << Ticks{} << Ticks{} << false;
    QTest::newRow("the other cell only") << Ticks{} << kMother << Ticks{} << false;
    QTest::newRow("one missing in cell 2") << kMother << Ticks{6, 7, 8} << Ticks{} << false;
    QTest::newRow("three of four and a stranger")
        << Ticks{6, 7, 8, 9} << Ticks{6, 7, 8, 9} << Ticks{} << false;
    QTest::newRow("the six others") << Ticks{1, 2, 3, 4, 5, 9} << Ticks{1, 2, 3, 4, 5, 9} << Ticks{} << false;
    QTest::newRow("a stranger ticked and unticked") << kMother << kMother << Ticks{9} << true;
    QTest::newRow("an expected one unticked") << kMother << kMother << Ticks{7} << false;
}

void TestExercice8::answers() {
    QFETCH(Ticks, cell1);
    QFETCH(Ticks, cell2);
    QFETCH(Ticks, unticked);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(8);
    for (int k : cell1)
        drv::tick(ex, chk(k, 1));
    for (int k : cell2)
        drv::tick(ex, chk(k, 2));
    for (int k : unticked)
        for (int j = 1; j <= 2; ++j) {
            if (drv::get<CheckBox>(ex, chk(k, j))->Value() == 0) drv::tick(ex, chk(k, j));
            drv::tick(ex, chk(k, j));
        }
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
    // Every box is disabled; the cells keep what the pupil drew, and a click changes nothing any more.
    for (int k = 1; k <= 10; ++k)
        for (int j = 1; j <= 2; ++j) {
            const bool ticked = (j == 1 ? cell1 : cell2).contains(k) && !unticked.contains(k);
            QVERIFY(!drv::enabled(ex, chk(k, j)));
            drv::tick(ex, chk(k, j));
            QCOMPARE(drv::get<CheckBox>(ex, chk(k, j))->Value(), ticked ? 1 : 0);
            QCOMPARE(drv::visible(ex, chr(k, j)), ticked);
        }
}

void TestExercice8::correctionKeepsTheCrossAndThePupilsCells() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(8);
    for (int k : kMother)
        drv::tick(ex, chk(k, 1));
    drv::tick(ex, chk(9, 2));
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QVERIFY(drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(drv::visible(ex, "frameRep"));
    QVERIFY(drv::visible(ex, "lblRep"));
    QCOMPARE(
        drv::text(ex, "lblRep"),
        QStringLiteral(" Les deux cellules-filles possèdent les mêmes chromosomes que la cellule-mère."));
    // The expected cell holds the mother's set.
    for (auto [name, colour] : {std::pair{"Shape25", 0x0000FFu},
                                {"Shape31", 0xC0FFFFu},
                                {"Shape30", 0xFFC0FFu},
                                {"Shape29", 0xFF8080u}}) {
        QVERIFY2(drv::visible(ex, name), name);
        QCOMPARE(drv::fill(ex, name), BgrColor(colour));
    }
    // Nothing of the pupil's answer is changed.
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(drv::visible(ex, chr(k, 1)), kMother.contains(k));
        QCOMPARE(drv::visible(ex, chr(k, 2)), k == 9);
        QVERIFY(!drv::enabled(ex, chk(k, 1)));
        QVERIFY(!drv::enabled(ex, chk(k, 2)));
    }
    QCOMPARE(run.record().Resultat[8], 0);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(7)"));
}

void TestExercice8::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(8);
    for (int k : kMother)
        drv::tick(ex, chk(k, 2));
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    ExerciseScreen& again = run.open(8);
    for (int k = 1; k <= 10; ++k)
        for (int j = 1; j <= 2; ++j) {
            QCOMPARE(drv::get<CheckBox>(again, chk(k, j))->Value(), 0);
            QVERIFY(!drv::visible(again, chr(k, j)));
        }
    QVERIFY(!drv::visible(again, "frameRep"));
}

QTEST_MAIN(TestExercice8)
#include "test_exercice8.moc"
