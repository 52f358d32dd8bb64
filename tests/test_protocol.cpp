// The protocol every exercise screen follows, and the departures its table of particulars carries.
#include "tests/driver.h"

#include "exercises/exercise_table.h"

using namespace forms;

namespace {

struct RecordingHost : ExerciseHost {
    QList<QPair<int, bool>> validated;
    QList<int> abandoned;
    void exerciseValidated(int n, bool right) override { validated.append({n, right}); }
    void exerciseAbandoned(int n) override { abandoned.append(n); }
};

// A one-question screen: a pick-only list whose right answer is "oui".
class OneQuestion : public ExerciseScreen {
public:
    OneQuestion(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}
    QPointer<ComboBox> cb1;
    QPointer<Label> lblRep;

protected:
    void buildContent() override {
        cb1 = make<ComboBox>("cb1")->kind(ComboBox::PickOnly)->at(4000, 3000, 2000, 360);
        lblRep = make<Label>("lblRep")->setCaption("oui")->at(6200, 3000, 800, 240)->hidden();
    }
    void loadContent() override {
        cb1->AddItem("oui");
        cb1->AddItem("non");
    }
    std::vector<QWidget*> answerControls() override { return {cb1}; }
    Verdict verdict() override { return cb1->Text() == QStringLiteral("oui") ? Verdict::Right : Verdict::Wrong; }
    void revealCorrection() override { lblRep->SetVisible(true); }
};

// A fresh run with the one-question screen open, reporting to a recording host.
struct OneQuestionRun {
    explicit OneQuestionRun(bool withHome = false) {
        if (withHome) run.toHome(); // the home screen stays loaded underneath, so the run goes on
        ex.Show();
    }
    drv::Run run;
    RecordingHost host;
    OneQuestion ex{exerciseInfo(2), &host};
};

struct State {
    bool validation, abandon, correction, continuer, bon, faux;
};

void expectState(const ExerciseScreen& ex, const State& s) {
    QCOMPARE(drv::visible(ex, "imgValidation"), s.validation);
    QCOMPARE(drv::visible(ex, "imgAbandon"), s.abandon);
    QCOMPARE(drv::visible(ex, "imgCorrection"), s.correction);
    QCOMPARE(drv::visible(ex, "imgContinuer"), s.continuer);
    QCOMPARE(drv::visible(ex, "imgBon"), s.bon);
    QCOMPARE(drv::visible(ex, "imgfaux"), s.faux);
}

const State kAnswering{true, true, false, false, false, false};
const State kSucceeded{false, false, false, true, true, false};
const State kFailed{false, false, true, true, false, true};

} // namespace

class TestProtocol : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { drv::Run warmUp; }
    void answeringState();
    void validation_data();
    void validation();
    void correctionRevealsAndKeepsTheOutcome();
    void buttonsActOnlyWhenShown();
    void abandonRecordsNothing();
    void reopenedScreenStartsFromDesign();
    void chrome_data();
    void chrome();
    void departuresOnCorrection_data();
    void departuresOnCorrection();
    void throughTheHomeScreen();
};

void TestProtocol::answeringState() {
    OneQuestionRun q;
    OneQuestion& ex = q.ex;
    expectState(ex, kAnswering);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    QCOMPARE(ex.window()->windowTitle(), QStringLiteral("Génétique 3ème"));
    QVERIFY(drv::enabled(ex, "cb1"));
}

void TestProtocol::validation_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("right");
    QTest::newRow("right") << "oui" << true;
    QTest::newRow("wrong") << "non" << false;
    QTest::newRow("blank") << "" << false;
}

void TestProtocol::validation() {
    QFETCH(QString, answer);
    QFETCH(bool, right);
    OneQuestionRun q;
    OneQuestion& ex = q.ex;
    RecordingHost& host = q.host;
    if (!answer.isEmpty()) drv::pick(ex, "cb1", answer);
    drv::click(ex, "imgValidation");
    expectState(ex, right ? kSucceeded : kFailed);
    QCOMPARE(drv::text(ex, "lblInfo"), right ? drv::kSuccess : drv::kFailure);
    QVERIFY(!drv::enabled(ex, "cb1"));
    QCOMPARE(host.validated, (QList<QPair<int, bool>>{{2, right}}));
}

void TestProtocol::correctionRevealsAndKeepsTheOutcome() {
    OneQuestionRun q;
    OneQuestion& ex = q.ex;
    RecordingHost& host = q.host;
    drv::pick(ex, "cb1", "non");
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");
    expectState(ex, {false, false, false, true, false, false});
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(drv::visible(ex, "lblRep"));
    QVERIFY(!drv::enabled(ex, "cb1"));
    QCOMPARE(host.validated.size(), 1);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(host.abandoned.isEmpty());
}

void TestProtocol::buttonsActOnlyWhenShown() {
    OneQuestionRun q;
    OneQuestion& ex = q.ex;
    RecordingHost& host = q.host;
    // Hidden buttons take no click, and a second validation never happens.
    ex.imgCorrection_Click();
    expectState(ex, kAnswering);
    drv::click(ex, "imgValidation");
    ex.imgValidation_Click();
    ex.imgAbandon_Click();
    QCOMPARE(host.validated.size(), 1);
    QVERIFY(host.abandoned.isEmpty());
    QVERIFY(ex.loaded());
}

void TestProtocol::abandonRecordsNothing() {
    OneQuestionRun q;
    OneQuestion& ex = q.ex;
    RecordingHost& host = q.host;
    drv::pick(ex, "cb1", "oui");
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    QCOMPARE(host.abandoned, QList<int>{2});
    QVERIFY(host.validated.isEmpty());
}

void TestProtocol::reopenedScreenStartsFromDesign() {
    OneQuestionRun q(true);
    OneQuestion& ex = q.ex;
    drv::pick(ex, "cb1", "non");
    drv::click(ex, "imgAbandon");
    drv::settle();
    ex.Show();
    expectState(ex, kAnswering);
    QCOMPARE(ex.cb1->ListCount(), 2); // each item once
    QCOMPARE(ex.cb1->Text(), QString());
    QVERIFY(!drv::visible(ex, "lblRep"));
    // The controls of the first opening are gone with its window.
    QCOMPARE(ex.window()->findChildren<ComboBox*>().size(), 1);
}

void TestProtocol::chrome_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("band");
    QTest::addColumn<uint>("bandColour");
    QTest::addColumn<QString>("title");
    QTest::newRow("1: brick band") << 1 << "Génétique 3ème" << "Shape13" << 0x2143CBu
                                   << "Hérédité et caractères d'un individu";
    QTest::newRow("4: empty caption") << 4 << "" << "Shape13" << 0x1010D6u << "Les chromosomes humains";
    QTest::newRow("17") << 17 << "Génétique 3ème" << "Shape13" << 0x1010D6u << "Fécondation et détermination du sexe";
    QTest::newRow("20") << 20 << "Génétique 3ème" << "Shape80" << 0x1010D6u << "Maladie génétique et hérédité";
}

void TestProtocol::chrome() {
    QFETCH(int, n);
    QFETCH(QString, caption);
    QFETCH(QString, band);
    QFETCH(uint, bandColour);
    QFETCH(QString, title);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    QCOMPARE(ex.window()->windowTitle(), caption);
    QCOMPARE(drv::fill(ex, band), BgrColor(bandColour));
    QCOMPARE(drv::text(ex, ex.info().titleLabel), title);
    QCOMPARE(drv::text(ex, ex.info().numberLabel), QStringLiteral("Exercice %1").arg(n));
    // Every screen has its title band and the seven common controls.
    for (const char* c : {"lblInfo", "imgValidation", "imgCorrection", "imgContinuer", "imgAbandon", "imgBon", "imgfaux"})
        QVERIFY2(drv::control(ex, c), c);
}

void TestProtocol::departuresOnCorrection_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<bool>("crossKept");
    QTest::addColumn<QString>("infoAfterCorrection");
    const QString fail = drv::kFailure, corr = drv::kCorrection;
    const QString noStop = QStringLiteral("Réponds aux questions posées puis clique sur Validation");
    QTest::newRow("3: none") << 3 << drv::kInstruction << false << corr;
    QTest::newRow("5: info unchanged") << 5 << drv::kInstruction << false << fail;
    QTest::newRow("7: its own message")
        << 7 << drv::kInstruction << false
        << QStringLiteral("Regarde la corection puis clique sur Continuer pour passer à la suite.");
    QTest::newRow("8: cross kept") << 8 << drv::kInstruction << true << corr;
    QTest::newRow("10: cross and info kept") << 10 << drv::kInstruction << true << fail;
    QTest::newRow("13: no full stop") << 13 << noStop << true << corr;
    QTest::newRow("16: no full stop") << 16 << noStop << true << corr;
    QTest::newRow("17: cross kept") << 17 << drv::kInstruction << true << corr;
}

void TestProtocol::departuresOnCorrection() {
    QFETCH(int, n);
    QFETCH(QString, instruction);
    QFETCH(bool, crossKept);
    QFETCH(QString, infoAfterCorrection);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    QCOMPARE(drv::text(ex, "lblInfo"), instruction);
    drv::click(ex, "imgValidation"); // nothing answered: a failure
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kFailure);
    drv::click(ex, "imgCorrection");
    QCOMPARE(drv::visible(ex, "imgfaux"), crossKept);
    QCOMPARE(drv::text(ex, "lblInfo"), infoAfterCorrection);
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
}

void TestProtocol::throughTheHomeScreen() {
    // Blank answers on every screen: failure, red light, and Resultat(N) is 0.
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    for (int n = 1; n <= 20; ++n) {
        ExerciseScreen& ex = run.open(n);
        QVERIFY(ex.loaded());
        drv::checkNamesUnique(ex); // the chrome's names and the screen's own never clash
        drv::click(ex, "imgValidation");
        QVERIFY(drv::visible(home, QStringLiteral("imgFeurouge(%1)").arg(n - 1)));
        QVERIFY(!drv::visible(home, QStringLiteral("imgFeuvert(%1)").arg(n - 1)));
        QCOMPARE(run.record().Resultat[n], 0);
        drv::click(ex, "imgContinuer");
        QVERIFY(!ex.loaded());
    }
}

QTEST_MAIN(TestProtocol)
#include "test_protocol.moc"
