// Exercise 15: an allele named for each chromosome 9, each pick painting its band.
#include "tests/driver.h"

using namespace forms;

namespace {

const QString kNoStop = QStringLiteral("Réponds aux questions posées puis clique sur Validation");

// "=text" is typed key by key over what the list's field shows; "text" is picked; "" leaves the list alone.
void answer(const Form& ex, const QString& list, const QString& how) {
    if (how.startsWith(QLatin1Char('='))) {
        drv::type(ex, list, QString()); // into the field, then everything in it selected
        drv::key(ex, Qt::Key_A, Qt::ControlModifier);
        drv::type(ex, list, how.mid(1));
    } else if (!how.isEmpty()) {
        drv::pick(ex, list, how);
    }
}

// The bands shown on chromosome K, as the letters of their alleles ("" for none).
QString bandsShown(const Form& ex, int k) {
    QString shown;
    for (const char* allele : {"A", "B", "O"})
        if (drv::visible(ex, QStringLiteral("Shape%1%2").arg(allele).arg(k))) shown += allele;
    return shown;
}

} // namespace

class TestExercice15 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void picksPaintBands_data();
    void picksPaintBands();
    void answers_data();
    void answers();
    void correctionShowsItsOwnDrawing();
    void reopenedAfterAbandon();
};

void TestExercice15::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(15);
    QCOMPARE(drv::text(ex, "lblInfo"), kNoStop);
    QCOMPARE(drv::fill(ex, "Shape10"), BgrColor(0xE7E9EF)); // the information box under its own name
    QCOMPARE(drv::text(ex, "lblQuestion"),
             QStringLiteral("Voici les deux chromosomes n° 9 d'une personne de groupe sanguin [AB]. Retrouve "
                            "les allèles portés par chaque chromosome."));
    for (int k = 1; k <= 2; ++k) {
        auto* cb = drv::get<ComboBox>(ex, QStringLiteral("Combo%1").arg(k));
        QVERIFY(cb && cb->isEditable());
        QCOMPARE(cb->Text(), QStringLiteral("allèle %1").arg(k));
        QCOMPARE(drv::items(ex, cb->objectName()), QStringList({"A", "B", "O"}));
        QCOMPARE(bandsShown(ex, k), QString());
    }
    // Each allele's colour, the same on both chromosomes.
    const struct {
        const char* allele;
        BgrColor colour;
    } colours[] = {{"A", 0xFFFFC0}, {"B", 0xFFC0FF}, {"O", 0x8080FF}};
    for (const auto& c : colours)
        for (int k = 1; k <= 2; ++k)
            QCOMPARE(drv::fill(ex, QStringLiteral("Shape%1%2").arg(c.allele).arg(k)), c.colour);
    for (const char* hidden : {"frameRep", "lblRep", "cadreRep"})
        QVERIFY2(!drv::visible(ex, hidden), hidden);
    QCOMPARE(drv::focused(ex), drv::control(ex, "Combo1")->widget());
    drv::key(ex, Qt::Key_Tab);
    QCOMPARE(drv::focused(ex), drv::control(ex, "Combo2")->widget());
}

void TestExercice15::picksPaintBands_data() {
    QTest::addColumn<QStringList>("steps"); // "1:how" or "2:how" for Combo1 or Combo2, as answer() reads how
    QTest::addColumn<QString>("bands1");
    QTest::addColumn<QString>("bands2");
    QTest::newRow("O on chromosome 2") << QStringList{"2:O"} << ""
                                       << "O";
    QTest::newRow("O then A on chromosome 2") << QStringList{"2:O", "2:A"} << ""
                                              << "A";
    QTest::newRow("each its own") << QStringList{"1:B", "2:A"} << "B"
                                  << "A";
    QTest::newRow("typing paints nothing") << QStringList{"1:=A", "2:=O"} << ""
                                           << "";
    QTest::newRow("typing over a pick keeps its band") << QStringList{"1:A", "1:=B"} << "A"
                                                       << "";
}

void TestExercice15::picksPaintBands() {
    QFETCH(QStringList, steps);
    QFETCH(QString, bands1);
    QFETCH(QString, bands2);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(15);
    for (const QString& s : steps)
        answer(ex, "Combo" + s.left(1), s.mid(2));
    QCOMPARE(bandsShown(ex, 1), bands1);
    QCOMPARE(bandsShown(ex, 2), bands2);
}

void TestExercice15::answers_data() {
    QTest::addColumn<QString>("combo1");
    QTest::addColumn<QString>("combo2");
    QTest::addColumn<bool>("right");
    QTest::newRow("A and B") << "A"
                             << "B" << true;
    QTest::newRow("B and A") << "B"
                             << "A" << true;
    QTest::newRow("both typed") << "=A"
                                << "=B" << true;
    QTest::newRow("A and A") << "A"
                             << "A" << false;
    QTest::newRow("A and O") << "A"
                             << "O" << false;
    QTest::newRow("first list left at allèle 1") << ""
                                                 << "B" << false;
    QTest::newRow("both left as they came") << ""
                                            << "" << false;
    QTest::newRow("a typed in small letters") << "=a"
                                              << "B" << false;
    QTest::newRow("AB typed") << "A"
                              << "=AB" << false;
}

void TestExercice15::answers() {
    QFETCH(QString, combo1);
    QFETCH(QString, combo2);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(15);
    answer(ex, "Combo1", combo1);
    answer(ex, "Combo2", combo2);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
    QVERIFY(!drv::enabled(ex, "Combo1"));
    QVERIFY(!drv::enabled(ex, "Combo2"));
    QVERIFY(!drv::visible(ex, "frameRep"));
}

void TestExercice15::correctionShowsItsOwnDrawing() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(15);
    drv::pick(ex, "Combo1", "O");
    drv::pick(ex, "Combo2", "A");
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(drv::visible(ex, "imgfaux")); // the cross stays
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    for (const char* shown :
         {"frameRep", "lblRep", "cadreRep", "Shape10Exo5", "Shape9Exo5", "lblRepExo5Al1", "lblRepExo5Al2"})
        QVERIFY2(drv::visible(ex, shown), shown);
    // A on the left chromosome, B on the right, each band in its allele's colour.
    QCOMPARE(drv::text(ex, "lblRepExo5Al1"), QStringLiteral("A"));
    QCOMPARE(drv::text(ex, "lblRepExo5Al2"), QStringLiteral("B"));
    QCOMPARE(drv::fill(ex, "Shape10Exo5"), drv::fill(ex, "ShapeA1"));
    QCOMPARE(drv::fill(ex, "Shape9Exo5"), drv::fill(ex, "ShapeB1"));
    QCOMPARE(drv::text(ex, "lblRep"),
             QStringLiteral(" Cette personne étant de groupe sanguin [AB], un de ses chromosomes n°9 porte "
                            "l'allèle A et l'autre chromosome porte l'allèle B."));
    QCOMPARE(drv::get<Shape>(ex, "cadreRep")->BorderColor(), BgrColor(0x0000C0));
    // The pupil's answer stays as it was.
    QCOMPARE(drv::text(ex, "Combo1"), QStringLiteral("O"));
    QCOMPARE(bandsShown(ex, 1), QStringLiteral("O"));
    QCOMPARE(bandsShown(ex, 2), QStringLiteral("A"));
    QCOMPARE(run.record().Resultat[15], 0);
}

void TestExercice15::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(15);
    drv::pick(ex, "Combo1", "B");
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    ExerciseScreen& again = run.open(15);
    for (int k = 1; k <= 2; ++k) {
        auto* cb = drv::get<ComboBox>(again, QStringLiteral("Combo%1").arg(k));
        QCOMPARE(cb->Text(), QStringLiteral("allèle %1").arg(k));
        QCOMPARE(cb->ListCount(), 3);
        QCOMPARE(bandsShown(again, k), QString());
    }
}

QTEST_MAIN(TestExercice15)
#include "test_exercice15.moc"
