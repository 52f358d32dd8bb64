// Exercise 10: a red blood cell stepped through with a small button and a blood group named in a list, for
// each of four individuals.
#include "tests/driver.h"

#include "framework/pictures.h"

using namespace forms;

namespace {

const QString kPrompt = QStringLiteral("Groupe sanguin");
const QStringList kGroups = {QStringLiteral("groupe sanguin A"), QStringLiteral("groupe sanguin B"),
                             QStringLiteral("groupe sanguin AB"), QStringLiteral("groupe sanguin O")};
// Individuals 1 .. 4 (index 0 .. 3): the cell picture and the group each must be given.
const int kRightCells[4] = {1, 3, 2, 4};
const QStringList kRightGroups = {kGroups[0], kGroups[1], kGroups[2], kGroups[3]};

QString column(const char* prefix, int k) {
    return QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(k);
}

// The cell picture column K shows, 0 for none; -1 if more than one shows.
int shownCell(const Form& ex, int k) {
    int shown = 0;
    for (int p = 1; p <= 4; ++p) {
        if (!drv::visible(ex, QStringLiteral("img%1Ind%2").arg(p).arg(k))) continue;
        if (shown) return -1;
        shown = p;
    }
    return shown;
}

void clickButton(const Form& ex, int k, int times) {
    for (int i = 0; i < times; ++i)
        drv::click(ex, column("cmd", k));
}

// "=text" replaces the list's field by typing; "text" picks the item; "" leaves the list at its prompt.
void answer(const Form& ex, int k, const QString& how) {
    if (how.startsWith(QLatin1Char('='))) {
        auto* cb = drv::get<ComboBox>(ex, column("cb", k));
        QVERIFY(cb);
        cb->lineEdit()->setFocus();
        QTest::keyClick(cb->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        drv::type(ex, column("cb", k), how.mid(1));
    } else if (!how.isEmpty()) {
        drv::pick(ex, column("cb", k), how);
    }
}

void answerAll(const Form& ex, const QList<int>& clicks, const QStringList& lists) {
    for (int k = 1; k <= 4; ++k) {
        clickButton(ex, k, clicks[k - 1]);
        answer(ex, k, lists[k - 1]);
    }
}

} // namespace

class TestExercice10 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void stepping_data();
    void stepping();
    void verdict_data();
    void verdict();
    void nothingChangesAfterValidation();
    void correctionShowsTheExpectedCells();
    void reopenedScreenStartsWithEmptyCells();
};

void TestExercice10::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(10);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    QCOMPARE(drv::text(ex, "lblQuestion"),
             QStringLiteral(
                 "Le tableau ci-dessous indique les combinaisons d'allèles du gène 'groupe sanguin' que "
                 "possèdent quatre individus. Détermine, pour chacun de ces individus  les globules "
                 "rouges qu'il possède ainsi que son groupe sanguin."));
    QCOMPARE(
        drv::text(ex, "Label3"),
        QStringLiteral("La synthèse de ces deux molécules est sous la dépendance du gène 'groupe sanguin' "
                       "situé sur la paire de chromosomes n°9. "));
    QCOMPARE(drv::text(ex, "lblGroupe"), kPrompt);

    // The alleles shown for each individual, on his two chromosomes 9.
    const char* alleles[4][2] = {{"A", "O"}, {"B", "B"}, {"A", "B"}, {"O", "O"}};
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(drv::text(ex, column("lblIndividu", k)), QStringLiteral("Individu %1").arg(k));
        for (int side = 0; side < 2; ++side) {
            auto* chromosome = drv::get<Picture>(ex, column("imgChromosome", 2 * k - 1 + side));
            QVERIFY(chromosome);
            QCOMPARE(
                chromosome->Source(),
                QStringLiteral(":/assets/ex10/chromosome_%1.svg").arg(QLatin1String(alleles[k - 1][side])));
        }
        QCOMPARE(shownCell(ex, k), 0);
        auto* cb = drv::get<ComboBox>(ex, column("cb", k));
        QVERIFY(cb && cb->isEditable());
        QCOMPARE(cb->Text(), kPrompt);
        QCOMPARE(cb->ListIndex(), -1);
        QCOMPARE(drv::items(ex, column("cb", k)), kGroups);
        auto* cmd = drv::get<CommandButton>(ex, column("cmd", k));
        QVERIFY(cmd);
        QCOMPARE(cmd->toolTip(), QStringLiteral("Clique ici"));
        QCOMPARE(cmd->palette().color(QPalette::Button), toQColor(0xADBDC6));
        QVERIFY(!drv::visible(ex, column("lblRep", k)));
    }
    // Every drawing at its source size, shown at that size in its place.
    const struct {
        const char* picture;
        QSize size;
    } sizes[] = {{"img1Ind1", {114, 99}},       {"img2Ind3", {114, 99}},       {"img3Ind2", {114, 99}},
                 {"img4Ind4", {114, 99}},       {"imgChromosome1", {61, 172}}, {"imgChromosome4", {61, 172}},
                 {"imgChromosome2", {61, 172}}, {"Image1", {98, 83}}};
    for (const auto& s : sizes) {
        auto* pic = drv::get<Picture>(ex, s.picture);
        QVERIFY(pic);
        QCOMPARE(pictureSize(pic->Source()), s.size);
        QCOMPARE(QSize(pic->Width(), pic->Height()) / 15, s.size);
    }
    // Tab goes through each individual's button and list in turn.
    QCOMPARE(drv::focused(ex), drv::control(ex, "cmd1")->widget());
    const char* order[] = {"cb1", "cmd2", "cb2", "cmd3"};
    for (const char* next : order) {
        drv::key(ex, Qt::Key_Tab);
        QCOMPARE(drv::focused(ex), drv::control(ex, next)->widget());
    }
}

void TestExercice10::stepping_data() {
    QTest::addColumn<QList<int>>("clicks"); // on cmd1 .. cmd4
    QTest::addColumn<QList<int>>("shown");  // the cell each column then shows
    QTest::newRow("no click") << QList<int>{0, 0, 0, 0} << QList<int>{0, 0, 0, 0};
    QTest::newRow("one to four clicks") << QList<int>{1, 2, 3, 4} << QList<int>{1, 2, 3, 4};
    QTest::newRow("five clicks come back to 1") << QList<int>{5, 0, 0, 0} << QList<int>{1, 0, 0, 0};
    QTest::newRow("nine clicks too") << QList<int>{9, 6, 0, 0} << QList<int>{1, 2, 0, 0};
    QTest::newRow("a column's clicks leave the others") << QList<int>{0, 0, 3, 0} << QList<int>{0, 0, 3, 0};
}

void TestExercice10::stepping() {
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, shown);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(10);
    for (int k = 1; k <= 4; ++k)
        clickButton(ex, k, clicks[k - 1]);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(shownCell(ex, k), shown[k - 1]);
}

void TestExercice10::verdict_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("lists");
    QTest::addColumn<bool>("right");
    const QList<int> rightClicks{1, 3, 2, 4};
    QTest::newRow("right cells and groups") << rightClicks << kRightGroups << true;
    QTest::newRow("cells reached the long way round") << QList<int>{9, 7, 6, 8} << kRightGroups << true;
    QTest::newRow("groups typed like the items")
        << rightClicks
        << QStringList{"=groupe sanguin A", "=groupe sanguin B", "=groupe sanguin AB", "=groupe sanguin O"}
        << true;
    QTest::newRow("nothing done") << QList<int>{0, 0, 0, 0} << QStringList{"", "", "", ""} << false;
    QTest::newRow("right cells, lists left at their prompt")
        << rightClicks << QStringList{"", "", "", ""} << false;
    QTest::newRow("right groups, one column never clicked")
        << QList<int>{1, 3, 2, 0} << kRightGroups << false;
    QTest::newRow("AB taken for A") << QList<int>{1, 3, 1, 4}
                                    << QStringList{kGroups[0], kGroups[1], kGroups[0], kGroups[3]} << false;
    QTest::newRow("one cell wrong") << QList<int>{1, 2, 2, 4} << kRightGroups << false;
    QTest::newRow("one group wrong") << rightClicks
                                     << QStringList{kGroups[0], kGroups[1], kGroups[2], kGroups[2]} << false;
    QTest::newRow("capital G typed") << rightClicks
                                     << QStringList{"=Groupe sanguin A", kGroups[1], kGroups[2], kGroups[3]}
                                     << false;
    QTest::newRow("trailing blank typed")
        << rightClicks << QStringList{kGroups[0], kGroups[1], "=groupe sanguin AB ", kGroups[3]} << false;
    QTest::newRow("only the letter typed")
        << rightClicks << QStringList{kGroups[0], "=B", kGroups[2], kGroups[3]} << false;
}

void TestExercice10::verdict() {
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, lists);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(10);
    answerAll(ex, clicks, lists);
    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
}

void TestExercice10::nothingChangesAfterValidation() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(10);
    answerAll(ex, {2, 0, 0, 0}, {kGroups[1], "", "", ""});
    drv::click(ex, "imgValidation");
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(!drv::enabled(ex, column("cmd", k)));
        QVERIFY(!drv::enabled(ex, column("cb", k)));
        clickButton(ex, k, 1);
        drv::pick(ex, column("cb", k), kGroups[3]);
    }
    QCOMPARE(shownCell(ex, 1), 2);
    QCOMPARE(shownCell(ex, 2), 0);
    QCOMPARE(drv::text(ex, "cb1"), kGroups[1]);
    QCOMPARE(drv::text(ex, "cb2"), kPrompt);
}

void TestExercice10::correctionShowsTheExpectedCells() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(10);
    // Column 1 right, column 3 wrong, column 4 never clicked.
    answerAll(ex, {1, 3, 1, 0}, {kGroups[0], "=groupe sanguin b", kGroups[0], ""});
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(shownCell(ex, k), kRightCells[k - 1]);
        const QString rep = column("lblRep", k);
        QVERIFY(drv::visible(ex, rep));
        QCOMPARE(drv::text(ex, rep), kRightGroups[k - 1]);
        QCOMPARE(drv::foreColor(ex, rep), BgrColor(0x1010D6));
        QVERIFY(!drv::enabled(ex, column("cb", k)));
        QVERIFY(!drv::enabled(ex, column("cmd", k)));
    }
    // The pupil's texts stay; the cross and the failure message too.
    QCOMPARE(drv::text(ex, "cb2"), QStringLiteral("groupe sanguin b"));
    QCOMPARE(drv::text(ex, "cb4"), kPrompt);
    QVERIFY(drv::visible(ex, "imgfaux"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kFailure);
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QCOMPARE(run.record().Resultat[10], 0);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(9)"));
}

void TestExercice10::reopenedScreenStartsWithEmptyCells() {
    drv::Run run;
    run.toHome();
    ExerciseScreen* ex = &run.open(10);
    // Column 1 stepped to picture 2, then the exercise given back.
    answerAll(*ex, {2, 0, 0, 0}, {kGroups[2], "", "", ""});
    drv::click(*ex, "imgAbandon");
    QVERIFY(!ex->loaded());
    QCOMPARE(run.record().Resultat[10], 0);
    QVERIFY(!drv::visible(run.nav().accueil, "imgFeurouge(9)"));

    ex = &run.open(10);
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(shownCell(*ex, k), 0);
        auto* cb = drv::get<ComboBox>(*ex, column("cb", k));
        QCOMPARE(cb->Text(), kPrompt);
        QCOMPARE(cb->ListCount(), 4);
    }
    // The first click starts again at picture 1, not after the picture shown before.
    clickButton(*ex, 1, 1);
    QCOMPARE(shownCell(*ex, 1), 1);
    // Every cell right this time, and given back again.
    answerAll(*ex, {0, 3, 2, 4}, kRightGroups);
    drv::click(*ex, "imgAbandon");

    // The cells are empty once more, so the right groups alone do not make a right answer.
    ex = &run.open(10);
    answerAll(*ex, {0, 0, 0, 0}, kRightGroups);
    drv::click(*ex, "imgValidation");
    drv::checkVerdict(run, *ex, false);
}

QTEST_MAIN(TestExercice10)
#include "test_exercice10.moc"
