// Exercise 9: the graph of the chromosomal material, the four cells and the eleven editable lists.
#include "tests/driver.h"

using namespace forms;

namespace {

const QString kSingleThreads = QStringLiteral("cellule à 4 chromosomes sous l'aspect de filaments simples");
const QString kDoubleThreads = QStringLiteral("cellule à 4 chromosomes sous l'aspect de filaments doubles");
const QString kSingleRods = QStringLiteral("cellule à 4 chromosomes sous l'aspect de bâtonnets simples");
const QString kDoubleRods = QStringLiteral("cellule à 4 chromosomes sous l'aspect de bâtonnets doubles");
const QString kInterphase = QStringLiteral("interphase"), kDivision = QStringLiteral("division cellulaire");

// cb1 .. cb11.
const QStringList kExpected = {QStringLiteral("A"),
                               QStringLiteral("D"),
                               QStringLiteral("B"),
                               QStringLiteral("C"),
                               kSingleThreads,
                               kDoubleRods,
                               kSingleRods,
                               kDoubleThreads,
                               kInterphase,
                               kDivision,
                               QStringLiteral("duplication")};

// "=text" is typed key by key into the list's field; "text" is picked from the list; "" leaves it blank.
QStringList expectedBut(std::initializer_list<std::pair<int, QString>> changes) {
    QStringList a = kExpected;
    for (const auto& [n, how] : changes)
        a[n - 1] = how;
    return a;
}

void answer(const Form& ex, const QStringList& answers) {
    for (int n = 1; n <= 11; ++n) {
        const QString list = QStringLiteral("cb%1").arg(n), how = answers[n - 1];
        if (how.startsWith(QLatin1Char('=')))
            drv::type(ex, list, how.mid(1));
        else if (!how.isEmpty())
            drv::pick(ex, list, how);
    }
}

bool isGreen(QRgb c) {
    return c == qRgb(0x42, 0x82, 0x57) || c == qRgb(0xA4, 0xCE, 0xA5);
}

} // namespace

class TestExercice9 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void arrowsPointAtTheirPartOfTheGraph();
    void answers_data();
    void answers();
    void correctionShowsEveryLabel();
};

void TestExercice9::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(9);
    drv::checkNamesUnique(ex);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    const QStringList letters = {"A", "B", "C", "D"};
    const QStringList cells = {kSingleThreads, kDoubleThreads, kSingleRods, kDoubleRods};
    const QStringList phases = {kDivision, kInterphase};
    const QStringList offered[11] = {letters,
                                     letters,
                                     letters,
                                     letters,
                                     cells,
                                     cells,
                                     cells,
                                     cells,
                                     phases,
                                     phases,
                                     {QStringLiteral("réduction"), QStringLiteral("duplication"),
                                      QStringLiteral("multiplication"), QStringLiteral("diminution")}};
    for (int n = 1; n <= 11; ++n) {
        const QString name = QStringLiteral("cb%1").arg(n);
        auto* cb = drv::get<ComboBox>(ex, name);
        QVERIFY(cb && cb->isEditable());
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(drv::items(ex, name), offered[n - 1]);
        QVERIFY(!drv::visible(ex, QStringLiteral("lblRep%1").arg(n)));
    }
    QCOMPARE(drv::text(ex, "lblQuestion"),
             QStringLiteral(
                 "Le graphique représente la quantité de matériel chromosomique (en unités arbitraires) "
                 "d'une cellule au cours du temps. Complète sa légende ."));
    // The sentence reads on from Label7 to Label9: Label7 keeps to its one-line box and shows only the start
    // of its caption, while the other one-line captions show whole.
    QCOMPARE(drv::text(ex, "Label7"), QStringLiteral("préalable des chromosomes permettant ainsi la "));
    QCOMPARE(drv::control(ex, "Label7")->widget()->geometry(),
             QRect(11760 / 15, 2520 / 15, 2775 / 15, 255 / 15));
    for (const char* name : {"Label6", "Label9", "Label8", "Label10"}) {
        auto* l = drv::get<Label>(ex, name);
        QVERIFY2(QFontMetrics(l->QWidget::font()).horizontalAdvance(l->Caption()) <= l->geometry().width(),
                 name);
    }
    QCOMPARE(drv::fill(ex, "Shape3"), BgrColor(0x578242));
    QCOMPARE(drv::fill(ex, "Shape4"), BgrColor(0xA5CEA4));
}

void TestExercice9::arrowsPointAtTheirPartOfTheGraph() {
    // Just past each arrow's tip lies the green it names; beside it, the curve stands at the level it names.
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(9);
    const QImage screen = ex.canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const struct {
        const char* arrow;
        bool up;
        QRgb green;
        int level;
    } arrows[] = {{"Image7", true, qRgb(0x42, 0x82, 0x57), 1},
                  {"Image9", false, qRgb(0x42, 0x82, 0x57), 2},
                  {"Image10", false, qRgb(0xA4, 0xCE, 0xA5), 2},
                  {"Image8", true, qRgb(0xA4, 0xCE, 0xA5), 1}};
    int top[3] = {0, 0, 0}; // the curve's height at level 1 and 2, as the arrows find it
    for (const auto& a : arrows) {
        const QRect r = drv::control(ex, a.arrow)->widget()->geometry();
        QCOMPARE(r.size(), QSize(11, 47));
        const QPoint beyond =
            a.up ? QPoint(r.center().x(), r.top() - 4) : QPoint(r.center().x(), r.bottom() + 4);
        QVERIFY2(screen.pixel(beyond) == a.green, a.arrow);
        // Up a column beside the arrow to where the green area ends: the curve.
        int y = beyond.y();
        while (y > 0 && isGreen(screen.pixel(r.left() - 4, y)))
            --y;
        if (top[a.level]) QVERIFY2(std::abs(top[a.level] - y) <= 2, a.arrow);
        top[a.level] = y;
    }
    QVERIFY(top[2] < top[1] - 30);
}

void TestExercice9::answers_data() {
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("right");
    QTest::newRow("all empty") << QStringList(11, QString()) << false;
    QTest::newRow("the expected set") << kExpected << true;
    QTest::newRow("the key lists swapped") << expectedBut({{9, kDivision}, {10, kInterphase}}) << false;
    QTest::newRow("ten right, the sentence empty") << expectedBut({{11, ""}}) << false;
    QTest::newRow("ten right, a cell empty") << expectedBut({{6, ""}}) << false;
    QTest::newRow("A typed in lower case") << expectedBut({{1, "=a"}}) << false;
    QTest::newRow("letters typed like the items") << expectedBut({{1, "=A"}, {4, "=C"}}) << true;
    QTest::newRow("the sentence typed like its item") << expectedBut({{11, "=duplication"}}) << true;
    QTest::newRow("typed with a trailing blank") << expectedBut({{11, "=duplication "}}) << false;
    QTest::newRow("the doubled cells swapped") << expectedBut({{2, "B"}, {3, "D"}}) << false;
    QTest::newRow("threads and rods confused")
        << expectedBut({{5, kSingleRods}, {7, kSingleThreads}}) << false;
}

void TestExercice9::answers() {
    QFETCH(QStringList, answers);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(9);
    answer(ex, answers);
    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
    for (int n = 1; n <= 11; ++n) {
        QVERIFY(!drv::enabled(ex, QStringLiteral("cb%1").arg(n)));
        QVERIFY(!drv::visible(ex, QStringLiteral("lblRep%1").arg(n)));
    }
}

void TestExercice9::correctionShowsEveryLabel() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(9);
    const QStringList answers = expectedBut({{9, kDivision}, {10, kInterphase}, {1, "=a"}});
    answer(ex, answers);
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    // lblRepN's caption, N from 1 to 11.
    const QStringList captions = {
        kInterphase, kDivision, kSingleThreads, kDoubleRods, kSingleRods, kDoubleThreads, "D", "B",
        "A",         "C",       "duplication"};
    for (int n = 1; n <= 11; ++n) {
        const QString rep = QStringLiteral("lblRep%1").arg(n);
        QVERIFY2(drv::visible(ex, rep), qPrintable(rep));
        QCOMPARE(drv::text(ex, rep), captions[n - 1]);
        QCOMPARE(drv::foreColor(ex, rep), BgrColor(0x1010D6));
        const QString list = QStringLiteral("cb%1").arg(n);
        QVERIFY(!drv::enabled(ex, list));
    }
    QCOMPARE(drv::text(ex, "cb1"), QStringLiteral("a"));
    QCOMPARE(drv::text(ex, "cb9"), kDivision);
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QCOMPARE(run.record().Resultat[9], 0);
}

QTEST_MAIN(TestExercice9)
#include "test_exercice9.moc"
