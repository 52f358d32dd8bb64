// Exercise 1: the family portraits and the three lists of the text.
#include "tests/driver.h"

#include "framework/pictures.h"

using namespace forms;

namespace {

const QString kEarsFather = QStringLiteral("des oreilles de son père");
const QString kEarsMother = QStringLiteral("des oreilles de sa mère");
const QString kNoseFather = QStringLiteral("du nez de son père");
const QString kNoseMother = QStringLiteral("du nez de sa mère");
const QString kIndividual = QStringLiteral("caractères individuels");
const QString kHereditary = QStringLiteral("caractères héréditaires");
const QString kAnswer = QStringLiteral(
    "Le fils a hérité des oreilles de son père et du nez de sa mère. Ce sont des caractères héréditaires, "
    "transmis de génération en génération.");

// "=text" is typed key by key into the list's field; "text" is picked from the list; "" leaves it blank.
void answer(const Form& ex, const QString& list, const QString& how) {
    if (how.startsWith(QLatin1Char('=')))
        drv::type(ex, list, how.mid(1));
    else if (!how.isEmpty())
        drv::pick(ex, list, how);
}

} // namespace

class TestExercice1 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void answers_data();
    void answers();
    void correctionShowsTheWholeAnswer();
    void reopenedAfterAbandon();
};

void TestExercice1::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(1);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    const QStringList items[3] = {
        {kEarsFather, kEarsMother}, {kNoseFather, kNoseMother}, {kIndividual, kHereditary}};
    for (int i = 0; i < 3; ++i) {
        auto* cb = drv::get<ComboBox>(ex, QStringLiteral("cb%1").arg(i + 1));
        QVERIFY(cb && cb->isEditable());
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(cb->ListIndex(), -1);
        QCOMPARE(drv::items(ex, cb->objectName()), items[i]);
    }
    QVERIFY(!drv::visible(ex, "lblRep"));
    QVERIFY(!drv::visible(ex, "cadreRep"));
    QCOMPARE(drv::text(ex, "Label1"), QStringLiteral("Portraits de famille"));
    QCOMPARE(drv::text(ex, "Label4"), QStringLiteral("Dans cette famille, le fils a hérité  :"));
    QCOMPARE(drv::text(ex, "Label5"), QStringLiteral("C'est ce que l'on appelle des :"));
    QCOMPARE(drv::foreColor(ex, "lblQuestion"), BgrColor(0x254189));
    QCOMPARE(drv::foreColor(ex, "lblRep"), BgrColor(0x1010D6));
    QCOMPARE(ex.window()->palette().color(QPalette::Window), toQColor(0xFDFFFF));
    // The three portraits, each at its own source size and stretched to its place.
    const struct {
        const char* name;
        const char* file;
        QSize size;
        QRect at;
    } portraits[] = {{"Image8", "pere", {237, 270}, {3600, 2160, 2745, 3045}},
                     {"Image9", "mere", {199, 231}, {7320, 2160, 2745, 3045}},
                     {"imgPhoto3", "fils", {212, 191}, {5520, 6120, 2505, 2685}}};
    for (const auto& p : portraits) {
        auto* pic = drv::get<Picture>(ex, p.name);
        QVERIFY(pic);
        QCOMPARE(pic->Source(), QStringLiteral(":/assets/ex01/%1.svg").arg(p.file));
        QCOMPARE(pictureSize(pic->Source()), p.size);
        QCOMPARE(QRect(pic->Left(), pic->Top(), pic->Width(), pic->Height()), p.at);
    }
    // Focus starts in the first list and Tab goes through the three in order.
    QCOMPARE(drv::focused(ex), drv::control(ex, "cb1")->widget());
    drv::key(ex, Qt::Key_Tab);
    QCOMPARE(drv::focused(ex), drv::control(ex, "cb2")->widget());
    drv::key(ex, Qt::Key_Tab);
    QCOMPARE(drv::focused(ex), drv::control(ex, "cb3")->widget());
}

void TestExercice1::answers_data() {
    QTest::addColumn<QString>("cb1");
    QTest::addColumn<QString>("cb2");
    QTest::addColumn<QString>("cb3");
    QTest::addColumn<bool>("right");
    QTest::newRow("the right items") << kEarsFather << kNoseMother << kHereditary << true;
    QTest::newRow("the parents swapped") << kEarsMother << kNoseFather << kHereditary << false;
    QTest::newRow("ears right, nose wrong") << kEarsFather << kNoseFather << kHereditary << false;
    QTest::newRow("individual characters") << kEarsFather << kNoseMother << kIndividual << false;
    QTest::newRow("third list blank") << kEarsFather << kNoseMother << "" << false;
    QTest::newRow("all blank") << ""
                               << ""
                               << "" << false;
    QTest::newRow("typed like the item") << kEarsFather << kNoseMother << "=" + kHereditary << true;
    QTest::newRow("all three typed") << "=" + kEarsFather << "=" + kNoseMother << "=" + kHereditary << true;
    QTest::newRow("typed with a capital")
        << kEarsFather << kNoseMother << "=Caractères héréditaires" << false;
    QTest::newRow("typed without accents")
        << kEarsFather << kNoseMother << "=caracteres hereditaires" << false;
    QTest::newRow("typed with a trailing blank")
        << kEarsFather << kNoseMother << "=" + kHereditary + " " << false;
    QTest::newRow("typed with a leading blank") << "= " + kEarsFather << kNoseMother << kHereditary << false;
    QTest::newRow("nose typed without its accent")
        << kEarsFather << "=du nez de sa mere" << kHereditary << false;
}

void TestExercice1::answers() {
    QFETCH(QString, cb1);
    QFETCH(QString, cb2);
    QFETCH(QString, cb3);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(1);
    answer(ex, "cb1", cb1);
    answer(ex, "cb2", cb2);
    answer(ex, "cb3", cb3);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
    for (const char* cb : {"cb1", "cb2", "cb3"})
        QVERIFY2(!drv::enabled(ex, cb), cb);
    // The verdict shows no answer.
    QVERIFY(!drv::visible(ex, "lblRep"));
    QVERIFY(!drv::visible(ex, "cadreRep"));
}

void TestExercice1::correctionShowsTheWholeAnswer() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(1);
    drv::pick(ex, "cb1", kEarsMother); // one gap wrong, two right
    drv::pick(ex, "cb2", kNoseMother);
    drv::pick(ex, "cb3", kHereditary);
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QVERIFY(drv::visible(ex, "lblRep"));
    QVERIFY(drv::visible(ex, "cadreRep"));
    QCOMPARE(drv::text(ex, "lblRep"), kAnswer);
    QCOMPARE(drv::get<Shape>(ex, "cadreRep")->BorderColor(), BgrColor(0x0000C0));
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    // The pupil's choices stay, in lists that stay disabled; the outcome stays a failure.
    QCOMPARE(drv::text(ex, "cb1"), kEarsMother);
    QCOMPARE(drv::text(ex, "cb2"), kNoseMother);
    for (const char* cb : {"cb1", "cb2", "cb3"})
        QVERIFY2(!drv::enabled(ex, cb), cb);
    QCOMPARE(run.record().Resultat[1], 0);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(0)"));
}

void TestExercice1::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(1);
    drv::pick(ex, "cb1", kEarsFather);
    drv::type(ex, "cb3", QStringLiteral("caract"));
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    QCOMPARE(run.record().Resultat[1], 0);
    QVERIFY(!drv::visible(run.nav().accueil, "imgFeurouge(0)"));
    ExerciseScreen& again = run.open(1);
    for (const char* name : {"cb1", "cb2", "cb3"}) {
        auto* cb = drv::get<ComboBox>(again, name);
        QCOMPARE(cb->Text(), QString());
        QCOMPARE(cb->ListCount(), 2);
    }
}

QTEST_MAIN(TestExercice1)
#include "test_exercice1.moc"
