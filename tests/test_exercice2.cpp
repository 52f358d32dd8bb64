// Exercise 2: the nuclear-transfer diagram labelled with eight pick-only lists.
#include "tests/driver.h"

#include "framework/pictures.h"

using namespace forms;

namespace {

const char* const kLists[8] = {"cb1", "cb2", "cb3", "cb4", "cb5", "cb6", "cb8", "cb9"};
const char* const kReps[8] = {"lblRep1", "lblRep2", "lblRep3", "lblRep4",
                              "lblRep5", "lblRep6", "lblRep8", "lblRep9"};
const QStringList kExpected = {QStringLiteral("lapine donneuse d'ovule"),
                               QStringLiteral("lapine donneuse de cellule pancréatique"),
                               QStringLiteral("lapine receveuse de cellule-oeuf"),
                               QStringLiteral("ovule"),
                               QStringLiteral("cellule pancréatique"),
                               QStringLiteral("ovule énucléé"),
                               QStringLiteral("'cellule-oeuf' reconstituée"),
                               QStringLiteral("clone de la lapine B")};

// The expected choices with some lists changed ("" leaves a list without a choice).
QStringList expectedBut(std::initializer_list<std::pair<int, const char*>> changes) {
    QStringList a = kExpected;
    for (auto [i, text] : changes)
        a[i] = QString::fromUtf8(text);
    return a;
}

void answer(const ExerciseScreen& ex, const QStringList& choices) {
    for (int i = 0; i < 8; ++i)
        if (!choices[i].isEmpty()) drv::pick(ex, kLists[i], choices[i]);
}

} // namespace

class TestExercice2 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void answers_data();
    void answers();
    void correctionShowsEveryLabel();
};

void TestExercice2::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(2);
    drv::checkNamesUnique(ex);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    QCOMPARE(drv::control(ex, "imgAbandon")->Left(), 14520);
    QVERIFY(!drv::control(ex, "cb7"));
    const QStringList does = {
        QStringLiteral("lapine donneuse d'ovule"), QStringLiteral("lapine donneuse de cellule pancréatique"),
        QStringLiteral("lapine donneuse de cellule-oeuf"), QStringLiteral("lapine receveuse d'ovule")};
    const QStringList cells = {QStringLiteral("cellule pancréatique"), QStringLiteral("ovule"),
                               QStringLiteral("cellule-oeuf")};
    // Only the doe that carries the egg is offered "receveuse de cellule-oeuf"; the other two "porteuse".
    const QStringList offered[8] = {
        does + QStringList{QStringLiteral("lapine porteuse")},
        does + QStringList{QStringLiteral("lapine porteuse")},
        does + QStringList{QStringLiteral("lapine receveuse de cellule-oeuf")},
        cells,
        cells,
        {QStringLiteral("cellule pancréatique énucléée"), QStringLiteral("ovule énucléé"),
         QStringLiteral("cellule-oeuf énucléée")},
        {QStringLiteral("ovule reconstitué"), QStringLiteral("cellule pancréatique reconstituée"),
         QStringLiteral("'cellule-oeuf' reconstituée")},
        {QStringLiteral("clone de la lapine A"), QStringLiteral("clone de la lapine B"),
         QStringLiteral("clone de la lapine C")}};
    for (int i = 0; i < 8; ++i) {
        auto* cb = drv::get<ComboBox>(ex, kLists[i]);
        QVERIFY(cb);
        QVERIFY2(!cb->isEditable(), kLists[i]); // the pupil picks, never types
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(drv::items(ex, kLists[i]), offered[i]);
        QCOMPARE(cb->QWidget::font().bold(), i == 7);
        QVERIFY(!drv::visible(ex, kReps[i]));
        QCOMPARE(drv::foreColor(ex, kReps[i]), BgrColor(0x0000FF));
    }
    QCOMPARE(drv::text(ex, "Label4"), QStringLiteral("Lapine noire fécondée par un mâle noire"));
    QCOMPARE(
        drv::text(ex, "Label15"),
        QStringLiteral(
            "La lapine noire met bas à 3 lapereaux : un gris parmi deux noirs.  Le lapereau gris est :"));
    // Every picture stands where the diagram needs it, at its source size or stretched to its box.
    const struct {
        const char* name;
        QSize source;
        QRect at;
    } pictures[] = {
        {"Image1", {220, 202}, {3360, 2160, 2220, 2055}},  {"Image3", {220, 202}, {11640, 2160, 2220, 2055}},
        {"Image4", {220, 202}, {8160, 8760, 2220, 2055}},  {"Image6", {110, 101}, {10920, 8880, 1290, 1035}},
        {"Image5", {110, 101}, {11040, 9840, 1290, 1035}}, {"Image7", {110, 101}, {12480, 9480, 1290, 1035}},
        {"Image8", {50, 50}, {5760, 4440, 750, 750}},      {"Image9", {18, 17}, {4200, 4800, 270, 255}},
        {"Image19", {46, 12}, {4560, 4800, 1170, 180}},    {"Image13", {50, 50}, {7200, 5760, 750, 750}},
        {"Image11", {69, 27}, {10680, 4800, 1035, 405}},   {"Image20", {41, 41}, {10320, 5280, 615, 615}},
        {"Image12", {18, 17}, {9960, 6000, 270, 255}},     {"Image10", {41, 41}, {9240, 6360, 615, 615}},
        {"Image14", {50, 50}, {8640, 6960, 750, 750}},     {"Image26", {74, 35}, {9360, 7080, 1110, 525}},
        {"Image15", {53, 56}, {5040, 3720, 795, 840}},     {"Image16", {53, 56}, {11400, 3960, 795, 840}},
        {"Image18", {53, 56}, {6480, 5040, 795, 840}},     {"Image22", {53, 56}, {7800, 6360, 795, 840}},
        {"Image17", {26, 69}, {8880, 7800, 390, 1035}},    {"Image24", {70, 26}, {9960, 9840, 1410, 420}},
    };
    for (const auto& p : pictures) {
        auto* pic = drv::get<Picture>(ex, p.name);
        QVERIFY(pic);
        QCOMPARE(pictureSize(pic->Source()), p.source);
        QCOMPARE(QRect(pic->Left(), pic->Top(), pic->Width(), pic->Height()), p.at);
    }
}

void TestExercice2::answers_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("right");
    QTest::newRow("no choice") << QStringList(8, QString()) << false;
    QTest::newRow("the eight expected choices") << kExpected << true;
    QTest::newRow("the egg cell taken for a fertilised egg") << expectedBut({{3, "cellule-oeuf"}}) << false;
    QTest::newRow("the grey young as the carrier's clone")
        << expectedBut({{7, "clone de la lapine C"}}) << false;
    QTest::newRow("the carrier as receiving an egg cell")
        << expectedBut({{2, "lapine receveuse d'ovule"}}) << false;
    QTest::newRow("the donors swapped")
        << expectedBut({{0, "lapine donneuse de cellule pancréatique"}, {1, "lapine donneuse d'ovule"}})
        << false;
    QTest::newRow("seven right, the last left empty") << expectedBut({{7, ""}}) << false;
}

void TestExercice2::answers() {
    QFETCH(QStringList, choices);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(2);
    answer(ex, choices);
    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
    for (const char* cb : kLists)
        QVERIFY2(!drv::enabled(ex, cb), cb);
    for (const char* rep : kReps)
        QVERIFY2(!drv::visible(ex, rep), rep);
}

void TestExercice2::correctionShowsEveryLabel() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(2);
    const QStringList choices = expectedBut({{3, "cellule-oeuf"}}); // seven right, one wrong
    answer(ex, choices);
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    const QStringList captions = {QStringLiteral("Lapine donneuse d'ovule"),
                                  QStringLiteral("Lapine donneuse de cellule pancréatique"),
                                  QStringLiteral("Lapine receveuse de cellule-oeuf"),
                                  QStringLiteral("Ovule"),
                                  QStringLiteral("cellule pancréatique"),
                                  QStringLiteral("ovule énucléé"),
                                  QStringLiteral("'cellule-oeuf' reconstituée"),
                                  QStringLiteral("clone de la lapine B")};
    for (int i = 0; i < 8; ++i) {
        QVERIFY2(drv::visible(ex, kReps[i]), kReps[i]);
        QCOMPARE(drv::text(ex, kReps[i]), captions[i]);
        QCOMPARE(drv::text(ex, kLists[i]), choices[i]);
        QVERIFY2(!drv::enabled(ex, kLists[i]), kLists[i]);
    }
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QCOMPARE(run.record().Resultat[2], 0);
}

QTEST_MAIN(TestExercice2)
#include "test_exercice2.moc"
