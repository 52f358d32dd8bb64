// Exercise 16: karyotypes A (an ovule's) and B (a spermatozoon's), three editable lists under each.
#include "framework/pictures.h"
#include "tests/list_answers.h"

using namespace forms;

namespace {

const QString kEither = QStringLiteral("caryotype de spermatozoïde ou d'ovule");
const QString kSperm = QStringLiteral("caryotype de spermatozoïde");
const QString kOvule = QStringLiteral("caryotype d'ovule");
const QString k23 = QStringLiteral("23 chromosomes");
const QString kMale = QStringLiteral("déterminera le sexe masculin");
const QString kFemale = QStringLiteral("déterminera le sexe féminin");
const QString kNone = QStringLiteral("ne déterminera pas le sexe");
const QStringList kRight = {kEither, k23, kNone, kSperm, k23, kMale};

constexpr BgrColor kRed = 0x1010D6;
constexpr BgrColor kPureRed = 0x0000FF;

QStringList items(const Form& ex, int n) {
    return drv::items(ex, QStringLiteral("Combo%1").arg(n));
}

} // namespace

class TestExercice16 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void answers_data();
    void answers();
    void reopenedAfterAbandon();
};

void TestExercice16::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(16);
    drv::checkNamesUnique(ex);
    QCOMPARE(drv::text(ex, "lblInfo"),
             QStringLiteral("Réponds aux questions posées puis clique sur Validation"));
    QStringList numbers;
    for (int n = 1; n <= 46; ++n)
        numbers << QStringLiteral("%1 chromosomes").arg(n);
    const QStringList expected[3] = {{kEither, kSperm, kOvule}, numbers, {kMale, kFemale, kNone}};
    for (int n = 1; n <= 6; ++n) {
        auto* cb = drv::get<ComboBox>(ex, QStringLiteral("Combo%1").arg(n));
        QVERIFY(cb->isEditable());
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(items(ex, n), expected[(n - 1) % 3]);
    }
    QVERIFY(!drv::visible(ex, "Frame2"));
    for (const char* name : {"Image2", "Image3"})
        QCOMPARE(pictureSize(drv::get<Picture>(ex, name)->Source()), QSize(262, 279));
    // Tab goes down A's lists, then B's.
    QCOMPARE(drv::focused(ex), drv::control(ex, "Combo1")->widget());
    for (int n = 2; n <= 6; ++n) {
        drv::key(ex, Qt::Key_Tab);
        QCOMPARE(drv::focused(ex), drv::control(ex, QStringLiteral("Combo%1").arg(n))->widget());
    }
}

void TestExercice16::answers_data() {
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QList<int>>("redAnswers"); // the answer labels the correction turns pure red

    QTest::newRow("all picked right") << kRight << true << QList<int>{};
    QStringList typed;
    for (const QString& a : kRight)
        typed << "=" + a;
    QTest::newRow("all typed right") << typed << true << QList<int>{};
    QTest::newRow("A an ovule's only") << drv::changed(kRight, {{1, kOvule}}) << false << QList<int>{1};
    QTest::newRow("A and B swapped") << drv::changed(kRight, {{1, kSperm}, {4, kEither}}) << false << QList<int>{1, 4};
    QTest::newRow("22 chromosomes for A") << drv::changed(kRight, {{2, "22 chromosomes"}}) << false << QList<int>{2};
    QTest::newRow("46 chromosomes for B") << drv::changed(kRight, {{5, "46 chromosomes"}}) << false << QList<int>{5};
    QTest::newRow("23 Chromosomes typed") << drv::changed(kRight, {{5, "=23 Chromosomes"}}) << false << QList<int>{5};
    QTest::newRow("23 typed without the word") << drv::changed(kRight, {{2, "=23"}}) << false << QList<int>{2};
    QTest::newRow("the sexes swapped") << drv::changed(kRight, {{3, kMale}, {6, kNone}}) << false << QList<int>{3, 6};
    QTest::newRow("B makes a girl") << drv::changed(kRight, {{6, kFemale}}) << false << QList<int>{6};
    QTest::newRow("the label's wording typed")
        << drv::changed(kRight, {{3, "=ne détermine pas le sexe"}}) << false << QList<int>{3};
    QTest::newRow("one list blank") << drv::changed(kRight, {{4, ""}}) << false << QList<int>{4};
    QTest::newRow("all blank") << QStringList(6, QString()) << false << QList<int>{1, 2, 3, 4, 5, 6};
}

void TestExercice16::answers() {
    QFETCH(QStringList, given);
    QFETCH(bool, right);
    QFETCH(QList<int>, redAnswers);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(16);
    drv::answerLists(ex, given, QStringLiteral("Combo"));
    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
    for (int n = 1; n <= 6; ++n)
        QVERIFY(!drv::enabled(ex, QStringLiteral("Combo%1").arg(n)));
    QVERIFY(!drv::visible(ex, "Frame2"));
    if (right) return;

    drv::click(ex, "imgCorrection");
    QVERIFY(drv::visible(ex, "Frame2"));
    QVERIFY(drv::visible(ex, "imgfaux")); // the cross stays
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    for (int n = 1; n <= 6; ++n) {
        const QString label = QStringLiteral("lblRep%1").arg(n);
        QVERIFY(drv::visible(ex, label));
        QCOMPARE(drv::foreColor(ex, label), redAnswers.contains(n) ? kPureRed : kRed);
    }
    // The pupil's answers stay as given, out of reach, and the failure stands.
    for (int n = 1; n <= 6; ++n) {
        const QString list = QStringLiteral("Combo%1").arg(n);
        QCOMPARE(drv::text(ex, list), given[n - 1].startsWith('=') ? given[n - 1].mid(1) : given[n - 1]);
        QVERIFY(!drv::enabled(ex, list));
    }
    QCOMPARE(run.record().Resultat[16], 0);
}

void TestExercice16::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(16);
    drv::pick(ex, "Combo2", k23);
    drv::type(ex, "Combo4", QStringLiteral("caryo"));
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    ExerciseScreen& again = run.open(16);
    for (int n = 1; n <= 6; ++n) {
        QCOMPARE(drv::text(again, QStringLiteral("Combo%1").arg(n)), QString());
        QCOMPARE(items(again, n).size(), n % 3 == 2 ? 46 : 3);
    }
}

QTEST_MAIN(TestExercice16)
#include "test_exercice16.moc"
