// Exercise 3: four words typed beside the micrograph and the drawing, compared exactly.
#include "tests/driver.h"

#include "framework/pictures.h"

using namespace forms;

namespace {
const QStringList kWords = {QStringLiteral("noyau"), QStringLiteral("chromosome"),
                            QStringLiteral("cytoplasme"), QStringLiteral("membrane")};
} // namespace

class TestExercice3 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void answers_data();
    void answers();
    void reopenedAfterAbandon();
};

void TestExercice3::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(3);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    for (int k = 1; k <= 4; ++k) {
        const QString box = QStringLiteral("Text%1").arg(k), rep = QStringLiteral("lblRep%1").arg(k);
        QVERIFY(drv::enabled(ex, box));
        QCOMPARE(drv::text(ex, box), QString());
        QVERIFY(!drv::visible(ex, rep));
        QCOMPARE(drv::text(ex, rep), kWords[k - 1]);
        QCOMPARE(drv::foreColor(ex, rep), BgrColor(0x0000FF));
    }
    QCOMPARE(drv::text(ex, "lblQuestion"),
             QStringLiteral("Complète les légendes en utilisant les termes suivants :   - noyau,"));
    QCOMPARE(drv::text(ex, "Label4"),
             QStringLiteral("- cytoplasme,              - chromosome,           - membrane"));
    QCOMPARE(drv::text(ex, "Label2"), QStringLiteral("Veille à ne pas faire de faute d'orthographe."));
    QCOMPARE(drv::text(ex, "Label3"),
             QStringLiteral("Cellule de racine d'ail, observée au microscope optique (x520)"));
    // Both pictures at their own size, 245 x 191 pixels, where the pointer rows meet them.
    for (const char* name : {"Image1", "Image3"}) {
        auto* pic = drv::get<Picture>(ex, name);
        QVERIFY(pic);
        QCOMPARE(pictureSize(pic->Source()), QSize(245, 191));
        QCOMPARE(QSize(pic->Width(), pic->Height()), QSize(3675, 2865));
    }
    // The pointer rows: from the photograph to the box, and from the box to the drawing, in dark red.
    for (const char* name : {"Line1", "Line2", "Line3", "Line4", "Line5", "Line6", "Line7", "Line8"}) {
        auto* l = drv::get<Line>(ex, name);
        QVERIFY2(l, name);
        QCOMPARE(l->BorderColor(), BgrColor(0x0000C0));
        QCOMPARE(l->BorderWidth(), 3);
    }
    QCOMPARE(drv::get<Line>(ex, "Line5")->X1(), 6720);
    QCOMPARE(drv::get<Line>(ex, "Line6")->X2(), 12600);
    // Focus starts in the first box and Tab follows the rows.
    QCOMPARE(drv::focused(ex), drv::control(ex, "Text1")->widget());
    for (int k = 2; k <= 4; ++k) {
        drv::key(ex, Qt::Key_Tab);
        QCOMPARE(drv::focused(ex), drv::control(ex, QStringLiteral("Text%1").arg(k))->widget());
    }
}

void TestExercice3::answers_data() {
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("corrected"); // the rows whose right word Correction shows
    QTest::newRow("the four words") << kWords << true << "";
    QTest::newRow("capital N") << QStringList{"Noyau", "chromosome", "cytoplasme", "membrane"} << false
                               << "1";
    QTest::newRow("plural") << QStringList{"noyau", "chromosomes", "cytoplasme", "membrane"} << false << "2";
    QTest::newRow("cytoplasm and membrane swapped")
        << QStringList{"noyau", "chromosome", "membrane", "cytoplasme"} << false << "34";
    QTest::newRow("trailing blank") << QStringList{"noyau", "chromosome", "cytoplasme", "membrane "} << false
                                    << "4";
    QTest::newRow("leading blank") << QStringList{" noyau", "chromosome", "cytoplasme", "membrane"} << false
                                   << "1";
    QTest::newRow("misspelt") << QStringList{"noyau", "chromosome", "cytoplasm", "membranne"} << false
                              << "34";
    QTest::newRow("accent added") << QStringList{"noyau", "chromosome", "cytoplasme", "membrané"} << false
                                  << "4";
    QTest::newRow("all in capitals") << QStringList{"NOYAU", "CHROMOSOME", "CYTOPLASME", "MEMBRANE"} << false
                                     << "1234";
    QTest::newRow("one box blank") << QStringList{"noyau", "", "cytoplasme", "membrane"} << false << "2";
    QTest::newRow("all blank") << QStringList{"", "", "", ""} << false << "1234";
    QTest::newRow("words one row down")
        << QStringList{"membrane", "noyau", "chromosome", "cytoplasme"} << false << "1234";
}

void TestExercice3::answers() {
    QFETCH(QStringList, typed);
    QFETCH(bool, right);
    QFETCH(QString, corrected);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(3);
    for (int k = 1; k <= 4; ++k)
        drv::type(ex, QStringLiteral("Text%1").arg(k), typed[k - 1]);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(!drv::enabled(ex, QStringLiteral("Text%1").arg(k)));
        QVERIFY(!drv::visible(ex, QStringLiteral("lblRep%1").arg(k)));
    }
    if (right) return;

    drv::click(ex, "imgCorrection");
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    for (int k = 1; k <= 4; ++k) {
        const QString box = QStringLiteral("Text%1").arg(k);
        // The right word beside each wrong box only; every box keeps what the pupil typed.
        QCOMPARE(drv::visible(ex, QStringLiteral("lblRep%1").arg(k)), corrected.contains(QString::number(k)));
        QCOMPARE(drv::text(ex, box), typed[k - 1]);
        QVERIFY(!drv::enabled(ex, box));
    }
    QCOMPARE(run.record().Resultat[3], 0);
}

void TestExercice3::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(3);
    drv::type(ex, "Text1", QStringLiteral("noyau"));
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    ExerciseScreen& again = run.open(3);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(drv::text(again, QStringLiteral("Text%1").arg(k)), QString());
    QCOMPARE(drv::focused(again), drv::control(again, "Text1")->widget());
}

QTEST_MAIN(TestExercice3)
#include "test_exercice3.moc"
