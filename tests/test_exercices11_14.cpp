// Exercises 11 to 14: the four families, their answer keys, what Correction shows and where the trees stand.
#include "tests/driver.h"

#include "framework/units.h"

#include <QMap>

using namespace forms;

namespace {

const QStringList kPersons = {"P", "M", "G", "F1", "F2"};

QString allele1(const QString& person) {
    return person == "F2" ? "CbF2Al1" : "cb" + person + "Al1";
}
QString allele2(const QString& person) {
    return "cb" + person + "Al2";
}

// One right answer per family, list by list, as a teacher would write it down.
const QMap<int, QStringList> kRight = {
    {11,
     {"cbPAl1=O", "cbPAl2=O", "cbMAl1=O", "cbMAl2=O", "cbGgroupe=O", "cbGAl1=O", "cbGAl2=O", "cbF1groupe=O",
      "cbF1Al1=O", "cbF1Al2=O", "cbF2groupe=O", "CbF2Al1=O", "cbF2Al2=O"}},
    {12,
     {"cbPAl1=A", "cbPAl2=O", "cbMAl1=B", "cbMAl2=O", "cbGAl1=O", "cbGAl2=O", "cbF1Al1=A", "cbF1Al2=O",
      "cbF2groupe=?", "CbF2Al1=?", "cbF2Al2=?"}},
    {13,
     {"cbPAl1=A", "cbPAl2=O", "cbMAl1=A", "cbMAl2=B", "cbGAl1=A", "cbGAl2=?", "cbF1Al1=B", "cbF1Al2=O",
      "CbF2Al1=A", "cbF2Al2=B"}},
    {14,
     {"cbPAl1=A", "cbPAl2=B", "cbMAl1=O", "cbMAl2=O", "cbGAl1=A", "cbGAl2=O", "cbF1Al1=B", "cbF1Al2=O",
      "cbF2groupe=?", "CbF2Al1=O", "cbF2Al2=?"}},
};

// The right answer of exercise n with some lists chosen otherwise ("list=" leaves a list unchosen).
QStringList rightWith(int n, const QStringList& changes) {
    QMap<QString, QString> picks;
    for (const QStringList& l : {kRight[n], changes}) {
        for (const QString& p : l) {
            const int eq = p.indexOf('=');
            picks[p.left(eq)] = p.mid(eq + 1);
        }
    }
    QStringList out;
    for (auto it = picks.cbegin(); it != picks.cend(); ++it)
        out << it.key() + "=" + it.value();
    return out;
}

void pickAll(const ExerciseScreen& ex, const QStringList& answers) {
    for (const QString& a : answers) {
        const int eq = a.indexOf('=');
        if (eq + 1 < a.size()) drv::pick(ex, a.left(eq), a.mid(eq + 1));
    }
}

QList<ComboBox*> lists(const ExerciseScreen& ex) {
    return ex.window()->findChildren<ComboBox*>();
}

} // namespace

class TestExercices11To14 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void verdicts_data();
    void verdicts();
    void givenAndAskedGroups_data();
    void givenAndAskedGroups();
    void correction_data();
    void correction();
    void correctionTreeIsARightAnswer_data();
    void correctionTreeIsARightAnswer();
    void treesStandInTheWindow_data();
    void treesStandInTheWindow();
    void abandonGivesTheExerciseBack_data();
    void abandonGivesTheExerciseBack();
};

void TestExercices11To14::verdicts_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("right");
    QTest::newRow("11 right") << 11 << kRight[11] << true;
    QTest::newRow("11 ? as a child's group") << 11 << rightWith(11, {"cbF1groupe=?"}) << false;
    QTest::newRow("11 ? as a parent's allele") << 11 << rightWith(11, {"cbMAl2=?"}) << false;
    QTest::newRow("11 AB as the son's group") << 11 << rightWith(11, {"cbGgroupe=AB"}) << false;
    QTest::newRow("11 second daughter's allele 1 unchosen") << 11 << rightWith(11, {"CbF2Al1="}) << false;
    QTest::newRow("11 a group list unchosen") << 11 << rightWith(11, {"cbGgroupe="}) << false;
    QTest::newRow("11 all blank") << 11 << QStringList() << false;

    QTest::newRow("12 right") << 12 << kRight[12] << true;
    QTest::newRow("12 father O then A") << 12 << rightWith(12, {"cbPAl1=O", "cbPAl2=A"}) << true;
    QTest::newRow("12 every pair the other way round")
        << 12 << rightWith(12, {"cbPAl1=O", "cbPAl2=A", "cbMAl1=O", "cbMAl2=B", "cbF1Al1=O", "cbF1Al2=A"})
        << true;
    QTest::newRow("12 father A and A") << 12 << rightWith(12, {"cbPAl2=A"}) << false;
    QTest::newRow("12 second daughter AB") << 12 << rightWith(12, {"cbF2groupe=AB"}) << false;
    QTest::newRow("12 second daughter's allele 1 A") << 12 << rightWith(12, {"CbF2Al1=A"}) << false;
    QTest::newRow("12 second daughter's allele 2 O") << 12 << rightWith(12, {"cbF2Al2=O"}) << false;
    QTest::newRow("12 second daughter's group unchosen") << 12 << rightWith(12, {"cbF2groupe="}) << false;
    QTest::newRow("12 son's allele 2 unchosen") << 12 << rightWith(12, {"cbGAl2="}) << false;

    QTest::newRow("13 right") << 13 << kRight[13] << true;
    QTest::newRow("13 son ? then A") << 13 << rightWith(13, {"cbGAl1=?", "cbGAl2=A"}) << true;
    QTest::newRow("13 mother B then A, daughter O then B")
        << 13 << rightWith(13, {"cbMAl1=B", "cbMAl2=A", "cbF1Al1=O", "cbF1Al2=B"}) << true;
    QTest::newRow("13 son A and O") << 13 << rightWith(13, {"cbGAl2=O"}) << false;
    QTest::newRow("13 son A and A") << 13 << rightWith(13, {"cbGAl2=A"}) << false;
    QTest::newRow("13 son ? and ?") << 13 << rightWith(13, {"cbGAl1=?"}) << false;
    QTest::newRow("13 father ? for O") << 13 << rightWith(13, {"cbPAl2=?"}) << false;
    QTest::newRow("13 mother's allele 1 unchosen") << 13 << rightWith(13, {"cbMAl1="}) << false;
    QTest::newRow("13 all blank") << 13 << QStringList() << false;

    QTest::newRow("14 right") << 14 << kRight[14] << true;
    QTest::newRow("14 second daughter ? then O") << 14 << rightWith(14, {"CbF2Al1=?", "cbF2Al2=O"}) << true;
    QTest::newRow("14 father B then A") << 14 << rightWith(14, {"cbPAl1=B", "cbPAl2=A"}) << true;
    QTest::newRow("14 second daughter O and A") << 14 << rightWith(14, {"cbF2Al2=A"}) << false;
    QTest::newRow("14 second daughter's group A") << 14 << rightWith(14, {"cbF2groupe=A"}) << false;
    QTest::newRow("14 second daughter's group O") << 14 << rightWith(14, {"cbF2groupe=O"}) << false;
    QTest::newRow("14 mother's upper list ?") << 14 << rightWith(14, {"cbMAl2=?"}) << false;
    QTest::newRow("14 daughter's allele 1 unchosen") << 14 << rightWith(14, {"cbF1Al1="}) << false;

    // A person's two alleles may be given in either order: every right answer with one person's pair turned
    // round is right too.
    for (int n = 11; n <= 14; ++n) {
        const QStringList right = rightWith(n, {});
        for (const QString& p : kPersons) {
            auto chosen = [&](const QString& list) {
                for (const QString& a : right)
                    if (a.startsWith(list + "=")) return a.mid(list.size() + 1);
                return QString();
            };
            const QString a1 = chosen(allele1(p)), a2 = chosen(allele2(p));
            if (a1 == a2) continue;
            QTest::addRow("%d %s's alleles the other way round", n, qPrintable(p))
                << n << rightWith(n, {allele1(p) + "=" + a2, allele2(p) + "=" + a1}) << true;
        }
    }
}

void TestExercices11To14::verdicts() {
    QFETCH(int, n);
    QFETCH(QStringList, answers);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    pickAll(ex, answers);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
    // Every list keeps the pupil's choice and can no longer be changed.
    for (const ComboBox* cb : lists(ex))
        QVERIFY2(!cb->isEnabled(), qPrintable(cb->objectName()));
    for (const QString& a : answers) {
        const int eq = a.indexOf('=');
        QCOMPARE(drv::text(ex, a.left(eq)), a.mid(eq + 1));
    }
}

void TestExercices11To14::givenAndAskedGroups_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("groups"); // a letter: the given group; "list": a list asks for it
    QTest::addColumn<QString>("motherUpper");
    QTest::newRow("11") << 11 << QStringList{"O", "O", "list", "list", "list"} << "cbMAl1";
    QTest::newRow("12") << 12 << QStringList{"A", "B", "O", "A", "list"} << "cbMAl1";
    QTest::newRow("13") << 13 << QStringList{"A", "AB", "A", "B", "AB"} << "cbMAl1";
    QTest::newRow("14") << 14 << QStringList{"AB", "O", "A", "B", "list"} << "cbMAl2";
}

void TestExercices11To14::givenAndAskedGroups() {
    QFETCH(int, n);
    QFETCH(QStringList, groups);
    QFETCH(QString, motherUpper);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    QCOMPARE(drv::text(ex, "lblInfo"),
             n >= 13 ? QString(drv::kInstruction).chopped(1) : drv::kInstruction);
    int asked = 0;
    for (int i = 0; i < kPersons.size(); ++i) {
        const QString& p = kPersons[i];
        auto* groupList = dynamic_cast<ComboBox*>(drv::control(ex, "cb" + p + "groupe"));
        auto* given = drv::control(ex, "lblGroupe" + p);
        if (groups[i] == "list") {
            ++asked;
            QVERIFY2(groupList && !given, qPrintable(p));
            QCOMPARE(drv::items(ex, groupList->objectName()), (QStringList{"A", "B", "AB", "O", "?"}));
        } else {
            QVERIFY2(!groupList && given, qPrintable(p));
            QCOMPARE(drv::text(ex, "lblGroupe" + p), groups[i]);
            QVERIFY(drv::visible(ex, "lblGroupe" + p));
        }
        for (const QString& name : {allele1(p), allele2(p)}) {
            auto* cb = drv::get<ComboBox>(ex, name);
            QVERIFY2(cb, qPrintable(name));
            QCOMPARE(drv::items(ex, name), (QStringList{"A", "B", "O", "?"}));
        }
    }
    const QList<ComboBox*> all = lists(ex);
    QCOMPARE(all.size(), 10 + asked);
    for (const ComboBox* cb : all) {
        // Pick-only, enabled, nothing chosen.
        QVERIFY2(!cb->isEditable() && cb->isEnabled(), qPrintable(cb->objectName()));
        QCOMPARE(cb->Text(), QString());
    }
    const QString motherLower = motherUpper == "cbMAl1" ? "cbMAl2" : "cbMAl1";
    QCOMPARE(drv::control(ex, motherUpper)->Top(), 360);
    QCOMPARE(drv::control(ex, motherLower)->Top(), 1080);
}

void TestExercices11To14::correction_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("outlined");
    QTest::addColumn<bool>("crossStays");
    QTest::newRow("11") << 11 << true << false;
    QTest::newRow("12") << 12 << true << false;
    QTest::newRow("13") << 13 << false << true;
    QTest::newRow("14") << 14 << false << true;
}

void TestExercices11To14::correction() {
    QFETCH(int, n);
    QFETCH(bool, outlined);
    QFETCH(bool, crossStays);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    QVERIFY(drv::visible(ex, "Frame1"));
    const QStringList pupil = rightWith(n, {"cbPAl1=?"});
    pickAll(ex, pupil);
    drv::click(ex, "imgValidation");
    QCOMPARE(run.record().Resultat[n], 0);
    QCOMPARE(drv::control(ex, "cadreRep") != nullptr, outlined);
    // Nothing of the correction shows before it is asked for.
    for (const char* name : {"Frame2", "lblRep", "cadreRep"})
        QVERIFY2(!drv::visible(ex, name), name);

    drv::click(ex, "imgCorrection");
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    QCOMPARE(drv::visible(ex, "imgfaux"), crossStays);
    QVERIFY(drv::visible(ex, "Frame2"));
    QVERIFY(drv::visible(ex, "lblRep"));
    QVERIFY(!drv::text(ex, "lblRep").isEmpty());
    QCOMPARE(drv::visible(ex, "cadreRep"), outlined);
    // The pupil's tree stays above, unmarked and locked; the outcome stays a failure.
    QVERIFY(drv::visible(ex, "Frame1"));
    for (const QString& a : pupil) {
        const int eq = a.indexOf('=');
        QCOMPARE(drv::text(ex, a.left(eq)), a.mid(eq + 1));
        QVERIFY(!drv::enabled(ex, a.left(eq)));
    }
    QCOMPARE(run.record().Resultat[n], 0);
    QVERIFY(drv::visible(run.nav().accueil, QStringLiteral("imgFeurouge(%1)").arg(n - 1)));
    QVERIFY(!drv::visible(run.nav().accueil, QStringLiteral("imgFeuvert(%1)").arg(n - 1)));
}

void TestExercices11To14::correctionTreeIsARightAnswer_data() {
    QTest::addColumn<int>("n");
    for (int n = 11; n <= 14; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

// The completed tree must show groups and alleles that the same screen accepts, and the given groups as
// given.
void TestExercices11To14::correctionTreeIsARightAnswer() {
    QFETCH(int, n);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    for (const QString& p : kPersons) {
        const QString group = drv::text(ex, "lblCorrectionGroupe" + p);
        if (drv::control(ex, "lblGroupe" + p))
            QCOMPARE(group, drv::text(ex, "lblGroupe" + p));
        else
            drv::pick(ex, "cb" + p + "groupe", group);
        QCOMPARE(drv::text(ex, "lblCorrectionEgal" + p), QStringLiteral("="));
        drv::pick(ex, allele1(p), drv::text(ex, "lblCorrectionHaut" + p));
        drv::pick(ex, allele2(p), drv::text(ex, "lblCorrectionBas" + p));
    }
    drv::click(ex, "imgValidation");
    QCOMPARE(run.record().Resultat[n], 1);
}

void TestExercices11To14::treesStandInTheWindow_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<QPoint>("designedLefts");
    QTest::newRow("11 stays as designed") << 11 << QRect(0, 0, 1920, 1080) << false << QPoint(3360, 3360);
    QTest::newRow("12 stays as designed") << 12 << QRect(0, 0, 1024, 768) << false << QPoint(3360, 3360);
    QTest::newRow("13 at 1024 x 768") << 13 << QRect(0, 0, 1024, 768) << true << QPoint(3360, 3360);
    QTest::newRow("13 on a wide screen") << 13 << QRect(0, 0, 1920, 1080) << true << QPoint(3360, 3360);
    QTest::newRow("14 at 1024 x 768") << 14 << QRect(0, 0, 1024, 768) << true << QPoint(3240, 3240);
    QTest::newRow("14 at 1280 x 1024") << 14 << QRect(0, 0, 1280, 1024) << true << QPoint(3240, 3240);
    QTest::newRow("14 on a wide screen") << 14 << QRect(0, 0, 1920, 1080) << true << QPoint(3240, 3240);
}

void TestExercices11To14::treesStandInTheWindow() {
    QFETCH(int, n);
    QFETCH(QRect, screen);
    QFETCH(bool, centred);
    QFETCH(QPoint, designedLefts);
    drv::Run run;
    setDisplay(screen);
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    drv::settle();
    QCOMPARE(ex.window()->width(), screen.width());
    const int lefts[2] = {designedLefts.x(), designedLefts.y()};
    const int tops[2] = {1920, n == 11 || n == 13 ? 7080 : 7200};
    const Control* explanation = drv::control(ex, "lblRep");
    int i = 0;
    for (const char* name : {"Frame1", "Frame2"}) {
        const Control* frame = drv::control(ex, name);
        QVERIFY(frame);
        QCOMPARE(frame->Top(), tops[i]);
        if (centred) {
            const QWidget* w = frame->widget();
            const int middle = w->mapTo(ex.window(), QPoint(0, 0)).x() + w->width() / 2;
            QVERIFY2(std::abs(middle - ex.window()->width() / 2) <= 1, qPrintable(QString::number(middle)));
        } else {
            QCOMPARE(frame->Left(), lefts[i]);
        }
        // The trees never slide under the explanation beside them.
        QVERIFY2(frame->Left() + frame->Width() <= explanation->Left(), name);
        ++i;
    }
}

void TestExercices11To14::abandonGivesTheExerciseBack_data() {
    QTest::addColumn<int>("n");
    for (int n = 11; n <= 14; ++n)
        QTest::newRow(qPrintable(QString::number(n))) << n;
}

void TestExercices11To14::abandonGivesTheExerciseBack() {
    QFETCH(int, n);
    drv::Run run;
    run.toHome();
    ExerciseScreen* ex = &run.open(n);
    pickAll(*ex, kRight[n]);
    drv::click(*ex, "imgAbandon");
    QVERIFY(!ex->loaded());
    QCOMPARE(run.record().Resultat[n], 0);
    QVERIFY(!drv::visible(run.nav().accueil, QStringLiteral("imgFeuvert(%1)").arg(n - 1)));
    QVERIFY(!drv::visible(run.nav().accueil, QStringLiteral("imgFeurouge(%1)").arg(n - 1)));
    QVERIFY(drv::enabled(run.nav().accueil, QStringLiteral("chkExo%1").arg(n)));

    ex = &run.open(n);
    QVERIFY(ex->loaded());
    for (const ComboBox* cb : lists(*ex)) {
        QCOMPARE(cb->Text(), QString());
        // Filled afresh, each item once.
        QCOMPARE(cb->ListCount(), cb->objectName().endsWith("groupe") ? 5 : 4);
        QVERIFY(cb->isEnabled());
    }
    QVERIFY(!drv::visible(*ex, "Frame2"));
    QVERIFY(drv::visible(*ex, "imgValidation"));
}

QTEST_MAIN(TestExercices11To14)
#include "test_exercices11_14.moc"
