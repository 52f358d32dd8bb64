// Exercise 6: the karyotype with three chromosomes 21 and the six lists of the text under it.
#include "tests/list_answers.h"

#include "framework/pictures.h"

using namespace forms;

namespace {

const QStringList kRight = {QStringLiteral("caryotype"), QStringLiteral("féminin"), "21", "3", "21", "2"};

} // namespace

class TestExercice6 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void answers_data();
    void answers();
    void correctionShowsTheAnswerText();
};

void TestExercice6::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(6);
    drv::checkNamesUnique(ex);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    QCOMPARE(drv::items(ex, "cb1"),
             QStringList(
                 {QStringLiteral("stéréotype"), QStringLiteral("prototype"), QStringLiteral("caryotype")}));
    QCOMPARE(drv::items(ex, "cb2"),
             QStringList({QStringLiteral("féminin"), QStringLiteral("masculin"), QStringLiteral("inconnu")}));
    for (int k = 3; k <= 6; ++k) {
        const QStringList items = drv::items(ex, QStringLiteral("cb%1").arg(k));
        QCOMPARE(items.size(), 23);
        QCOMPARE(items.first(), QStringLiteral("1"));
        QCOMPARE(items.last(), QStringLiteral("23"));
    }
    for (int k = 1; k <= 6; ++k) {
        auto* cb = drv::get<ComboBox>(ex, QStringLiteral("cb%1").arg(k));
        QVERIFY(cb->isEditable());
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(cb->ListIndex(), -1);
        // The text and its lists lie on the white panel with the picture.
        QCOMPARE(cb->parentWidget(), drv::control(ex, "frame1")->widget());
    }
    auto* picture = drv::get<Picture>(ex, "Image3");
    QCOMPARE(pictureSize(picture->Source()), QSize(309, 279));
    QCOMPARE(picture->parentWidget(), drv::control(ex, "frame1")->widget());
    QVERIFY(!drv::visible(ex, "lblRep"));
    QVERIFY(!drv::visible(ex, "cadreRep"));
    drv::checkListTabOrder(ex, 6);
}

void TestExercice6::answers_data() {
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<bool>("right");
    QTest::newRow("the right items") << kRight << true;
    QTest::newRow("nothing chosen") << QStringList(6, QString()) << false;
    QTest::newRow("masculin") << drv::changed(kRight, {{2, QStringLiteral("masculin")}}) << false;
    QTest::newRow("3 and 2 swapped") << drv::changed(kRight, {{4, "2"}, {6, "3"}}) << false;
    QTest::newRow("21 typed") << drv::changed(kRight, {{3, "=21"}}) << true;
    QTest::newRow("every answer typed")
        << QStringList{"=caryotype", QStringLiteral("=féminin"), "=21", "=3", "=21", "=2"} << true;
    QTest::newRow("typed with a capital C") << drv::changed(kRight, {{1, "=Caryotype"}}) << false;
    QTest::newRow("trisomy 13") << drv::changed(kRight, {{3, "13"}}) << false;
    QTest::newRow("a near word") << drv::changed(kRight, {{1, QStringLiteral("prototype")}}) << false;
}

void TestExercice6::answers() {
    QFETCH(QStringList, lists);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    drv::validateLists(run, run.open(6), lists, 6, right);
}

void TestExercice6::correctionShowsTheAnswerText() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(6);
    drv::answerLists(ex, drv::changed(kRight, {{2, QStringLiteral("masculin")}}));
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QVERIFY(drv::visible(ex, "lblRep"));
    QVERIFY(drv::visible(ex, "cadreRep"));
    // With its leading blank.
    QCOMPARE(drv::text(ex, "lblRep"),
             QStringLiteral(" Ce caryotype est celui d'un individu de sexe féminin. L'anomalie chromosomique "
                            "observable est une trisomie 21, il y a 3 chromosomes 21 au lieu de 2."));
    QCOMPARE(drv::foreColor(ex, "lblRep"), BgrColor(0x1010D6));
    QCOMPARE(drv::get<Shape>(ex, "cadreRep")->BorderColor(), BgrColor(0x1010D6));
    QCOMPARE(drv::text(ex, "cb2"), QStringLiteral("masculin"));
    QVERIFY(!drv::enabled(ex, "cb2"));
    QCOMPARE(run.record().Resultat[6], 0);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(5)"));
}

QTEST_MAIN(TestExercice6)
#include "test_exercice6.moc"
