// Exercise 5: the man's and the woman's karyotypes and the seven lists of the text.
#include "tests/list_answers.h"

#include "framework/pictures.h"

using namespace forms;

namespace {

const QString kMan = QStringLiteral("d'un homme"), kWoman = QStringLiteral("d'une femme");
const QStringList kRight = {kMan, kWoman, QStringLiteral("46 chromosomes"), "22", "XY", "22", "XX"};

} // namespace

class TestExercice5 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void answers_data();
    void answers();
    void correctionLeavesTheFailureMessage();
    void reopenedAfterAbandon();
};

void TestExercice5::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(5);
    drv::checkNamesUnique(ex);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    const QStringList sexes = {kMan, kWoman}, pairs = {"XX", "XY"};
    const struct {
        const char* list;
        QStringList items;
    } lists[] = {{"cb1", sexes}, {"cb2", sexes}, {"cb5", pairs}, {"cb7", pairs}};
    for (const auto& l : lists)
        QCOMPARE(drv::items(ex, l.list), l.items);
    for (const char* name : {"cb4", "cb6"}) {
        const QStringList items = drv::items(ex, name);
        QCOMPARE(items.size(), 23);
        QCOMPARE(items.first(), QStringLiteral("1"));
        QCOMPARE(items.last(), QStringLiteral("23"));
    }
    const QStringList counts = drv::items(ex, "cb3");
    QCOMPARE(counts.size(), 46);
    QCOMPARE(counts.first(), QStringLiteral("1 chromosomes"));
    QCOMPARE(counts.last(), QStringLiteral("46 chromosomes"));
    for (int k = 1; k <= 7; ++k) {
        auto* cb = drv::get<ComboBox>(ex, QStringLiteral("cb%1").arg(k));
        QVERIFY(cb->isEditable());
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(cb->ListIndex(), -1);
    }
    // Both karyotypes at their own size, side by side.
    for (const char* name : {"Image1", "Image3"})
        QCOMPARE(pictureSize(drv::get<Picture>(ex, name)->Source()), QSize(309, 279));
    QVERIFY(!drv::visible(ex, "lblRep"));
    QVERIFY(!drv::visible(ex, "cadreRep"));
    drv::checkListTabOrder(ex, 7);
}

void TestExercice5::answers_data() {
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<bool>("right");
    QTest::newRow("the right items") << kRight << true;
    QTest::newRow("nothing chosen") << QStringList(7, QString()) << false;
    QTest::newRow("sex chromosomes swapped") << drv::changed(kRight, {{5, "XX"}, {7, "XY"}}) << false;
    QTest::newRow("man and woman swapped") << drv::changed(kRight, {{1, kWoman}, {2, kMan}}) << false;
    QTest::newRow("23 pairs for the woman") << drv::changed(kRight, {{6, "23"}}) << false;
    QTest::newRow("22 typed") << drv::changed(kRight, {{4, "=22"}}) << true;
    QTest::newRow("every answer typed")
        << QStringList{"=" + kMan, "=" + kWoman, "=46 chromosomes", "=22", "=XY", "=22", "=XX"} << true;
    QTest::newRow("46 typed alone") << drv::changed(kRight, {{3, "=46"}}) << false;
    QTest::newRow("typed with a capital C") << drv::changed(kRight, {{3, "=46 Chromosomes"}}) << false;
    QTest::newRow("typed with a trailing blank") << drv::changed(kRight, {{4, "=22 "}}) << false;
    QTest::newRow("last list blank") << drv::changed(kRight, {{7, ""}}) << false;
}

void TestExercice5::answers() {
    QFETCH(QStringList, lists);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    drv::validateLists(run, run.open(5), lists, 7, right);
}

void TestExercice5::correctionLeavesTheFailureMessage() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(5);
    drv::answerLists(ex, drv::changed(kRight, {{5, "XX"}, {7, "XY"}}));
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QCOMPARE(drv::text(ex, "lblInfo"), drv::kFailure);
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QVERIFY(drv::visible(ex, "lblRep"));
    QVERIFY(drv::visible(ex, "cadreRep"));
    QCOMPARE(
        drv::text(ex, "lblRep"),
        QStringLiteral("Le caryotype A est celui d'un homme. Le caryotype B est celui d'une femme. Dans "
                       "l'espèce humaine, il y a 46 chromosomes. La différence entre les deux caryotypes "
                       "porte sur la paire de chromosomes sexuels : L'homme possède 22 paires de "
                       "chromosomes + XY, la femme possède 22 paires de chromosomes + XX."));
    QCOMPARE(drv::foreColor(ex, "lblRep"), BgrColor(0x1010D6));
    QCOMPARE(drv::get<Shape>(ex, "cadreRep")->BorderColor(), BgrColor(0x1010D6));
    // The pupil's answers stay, out of reach; the outcome stays a failure.
    QCOMPARE(drv::text(ex, "cb5"), QStringLiteral("XX"));
    QVERIFY(!drv::enabled(ex, "cb5"));
    QCOMPARE(run.record().Resultat[5], 0);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(4)"));
}

void TestExercice5::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(5);
    drv::answerLists(ex, kRight);
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    QVERIFY(!drv::visible(run.nav().accueil, "imgFeuvert(4)"));
    ExerciseScreen& again = run.open(5);
    auto* cb3 = drv::get<ComboBox>(again, "cb3");
    QCOMPARE(cb3->Text(), QString());
    QCOMPARE(cb3->ListCount(), 46);
    // Nothing carried over: validating straight away fails.
    drv::click(again, "imgValidation");
    drv::checkVerdict(run, again, false);
}

QTEST_MAIN(TestExercice5)
#include "test_exercice5.moc"
