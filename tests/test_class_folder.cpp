// The class folder: what a pupil's run leaves there for the teacher, and the class sheet made from it.
#include "navigation/class_sheet.h"
#include "tests/driver.h"
#include "tests/pdf_page.h"

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace forms;

namespace {

const QDateTime kWhen(QDate(2026, 12, 11), QTime(14, 35, 12));

// The files a folder holds, hidden ones (a temporary file left behind) included.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A CSV file as a spreadsheet's own reader takes it apart (Python's csv module, ';' between fields).
QList<QStringList> readCsv(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import csv, json, sys\n"
                            "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline=''), "
                            "delimiter=';'))\n"
                            "print(json.dumps(rows))"),
             path});
    QList<QStringList> rows;
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        qWarning("python3 could not read %s: %s", qPrintable(path), p.readAllStandardError().constData());
        return rows;
    }
    for (const QJsonValue& row : QJsonDocument::fromJson(p.readAllStandardOutput()).array())
        rows << row.toVariant().toStringList();
    return rows;
}

// Walks to the home screen with a folder configured (or not) and the clock stopped at kWhen.
void toHome(drv::Run& run, const QString& nom = "Dupont", const QString& prenom = "Marie",
            const QString& classe = "B") {
    run.nav().bilan.now = [] { return kWhen; };
    run.toHome(nom, prenom, classe);
}

// Exercise 3 right, exercise 5 wrong, the rest never done.
void validateSome(drv::Run& run) {
    run.nav().accueil.exerciseValidated(3, true);
    run.nav().accueil.exerciseValidated(5, false);
}

QStringList expectedOutcomes(const QList<int>& right, const QList<int>& wrong) {
    QStringList o;
    for (int k = 1; k <= 20; ++k)
        o << (right.contains(k) ? "réussi" : wrong.contains(k) ? "échoué" : "non fait");
    return o;
}

// The message the summary gives when the folder could not take the run, if it gave one.
QMessageBox* folderMessage(const Form& summary) {
    drv::settle();
    return summary.window() ? summary.window()->findChild<QMessageBox*>("msgDossier") : nullptr;
}

// Lets this process write no more than so many bytes to a file, as a nearly full disk would.
struct FileSizeLimit {
    explicit FileSizeLimit(long bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        if (!bytes) return;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved{};
};

// Without the right to write over permissions, which a test run as root has and a pupil's account has
// not: a read-only folder is read-only for the test too.
struct AsPupil {
    explicit AsPupil(bool on) : on(on) {
        if (!on || syscall(SYS_capget, &header, caps) != 0) return;
        __user_cap_data_struct less[2] = {caps[0], caps[1]};
        less[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &header, less);
    }
    ~AsPupil() {
        if (on) syscall(SYS_capset, &header, caps);
    }
    bool on;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[2]{};
};

forms::Page smallPage() {
    forms::Page page;
    page.size = QSize(200, 100);
    QPainter p(&page.picture);
    p.drawRect(10, 10, 180, 80);
    p.drawText(20, 50, QStringLiteral("Bilan"));
    return page;
}

QString binary() {
    return QStringLiteral(MORVELLE3_BINARY);
}

} // namespace

class TestClassFolder : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        drv::setClassFolder(QString());
        drv::setClassFolder(QString(), true);
    }
    void whichFolder_data();
    void whichFolder();
    void runLeavesPageAndResults();
    void noFolderWritesNothing();
    void sameNameSameMinuteKeepsBoth();
    void failureIsSaidAndLeavesNothing_data();
    void failureIsSaidAndLeavesNothing();
    void formulasStayText_data();
    void formulasStayText();
    void runCutShort_data();
    void runCutShort();
    void logoutCalledOffKeepsOnePair();
    void classSheet();
    void classSheetWithoutFolder();
};

void TestClassFolder::whichFolder_data() {
    QTest::addColumn<QString>("user");   // null: no user file
    QTest::addColumn<QString>("system"); // null: no system file
    QTest::addColumn<QString>("folder");
    QTest::newRow("nothing set") << QString() << QString() << "";
    QTest::newRow("the school's setting") << QString() << "/srv/classes/3B"
                                          << "/srv/classes/3B";
    QTest::newRow("the user's alone") << "/home/prof/3B" << QString() << "/home/prof/3B";
    QTest::newRow("the user's wins") << "/home/prof/3C"
                                     << "/srv/classes/3B"
                                     << "/home/prof/3C";
    QTest::newRow("the user's empty one wins too") << ""
                                                   << "/srv/classes/3B"
                                                   << "";
    QTest::newRow("a comma in the name") << "/srv/3B,3C" << QString() << "/srv/3B,3C";
    QTest::newRow("a comma, quoted") << "\"/srv/3B, 3C\"" << QString() << "/srv/3B, 3C";
    QTest::newRow("from the home folder") << "~/Classe 3B" << QString() << QDir::homePath() + "/Classe 3B";
}

void TestClassFolder::whichFolder() {
    QFETCH(QString, user);
    QFETCH(QString, system);
    QFETCH(QString, folder);
    drv::setClassFolder(user);
    drv::setClassFolder(system, true);
    QCOMPARE(configuredClassFolder(), folder);
}

void TestClassFolder::runLeavesPageAndResults() {
    QTemporaryDir folder;
    drv::setClassFolder(folder.path());
    drv::Run run;
    toHome(run);
    validateSome(run);
    drv::click(run.nav().accueil, "cmdQuitter");
    const frmBilan& s = run.nav().bilan;
    QVERIFY(!folderMessage(s));
    const QString stem = QStringLiteral("3ème B Dupont Marie 2026-12-11 14h35");
    QCOMPARE(filesIn(folder.path()), QStringList({stem + ".csv", stem + ".pdf"}));

    const QList<QStringList> rows = readCsv(folder.filePath(stem + ".csv"));
    QCOMPARE(rows.size(), 2);
    QStringList heading{"Date", "Classe", "Nom", "Prénom"};
    for (int k = 1; k <= 20; ++k)
        heading << QStringLiteral("Exercice %1").arg(k);
    QCOMPARE(rows[0], heading << "Score (%)"
                              << "Note (/20)");
    QCOMPARE(rows[1], QStringList({"11/12/2026 14:35", "3ème B", "Dupont", "Marie"})
                          << expectedOutcomes({3}, {5}) << "5"
                          << "1");
    // The page is the summary as it stands, as printing it gives.
    pdf::checkSummaryPage(folder.filePath(stem + ".pdf"), s);
    // Quitting leaves it at that.
    drv::click(s, "cmdQuitter");
    QVERIFY(run.ended());
    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    QCOMPARE(filesIn(folder.path()).size(), 2);
}

void TestClassFolder::noFolderWritesNothing() {
    QTemporaryDir home;
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const QString settings = QFileInfo(drv::settingsFile()).path();
    {
        drv::Run run;
        toHome(run);
        validateSome(run);
        drv::click(run.nav().accueil, "cmdQuitter");
        QVERIFY(!folderMessage(run.nav().bilan));
        drv::click(run.nav().bilan, "cmdQuitter");
        QMetaObject::invokeMethod(qApp, "aboutToQuit");
    }
    qputenv("HOME", savedHome);
    // No page and no results anywhere the program might have put them, and no setting made up.
    for (const QString& where : {home.path(), QDir::currentPath()}) {
        QDirIterator it(where, {"*.pdf", "*.csv"}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString f = it.next();
            QVERIFY2(QFileInfo(f).lastModified() < QDateTime::currentDateTime().addSecs(-60), qPrintable(f));
        }
    }
    QCOMPARE(filesIn(settings), QStringList());
}

void TestClassFolder::sameNameSameMinuteKeepsBoth() {
    QTemporaryDir folder;
    drv::setClassFolder(folder.path());
    for (bool second : {false, true}) {
        drv::Run run;
        toHome(run);
        if (second) run.nav().accueil.exerciseValidated(7, true);
        drv::click(run.nav().accueil, "cmdQuitter");
    }
    const QString stem = QStringLiteral("3ème B Dupont Marie 2026-12-11 14h35");
    QCOMPARE(filesIn(folder.path()),
             QStringList({stem + " (2).csv", stem + " (2).pdf", stem + ".csv", stem + ".pdf"}));
    QCOMPARE(readCsv(folder.filePath(stem + ".csv")).value(1).value(10), QStringLiteral("non fait"));
    QCOMPARE(readCsv(folder.filePath(stem + " (2).csv")).value(1).value(10), QStringLiteral("réussi"));
}

void TestClassFolder::failureIsSaidAndLeavesNothing_data() {
    QTest::addColumn<QString>("where"); // inside the temporary folder
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<long>("sizeLimit"); // bytes a process may write to a file; 0: no limit
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder missing") << "parti" << false << 0L << "ce dossier n'existe pas";
    QTest::newRow("a file, not a folder") << "fichier" << false << 0L << "ce dossier n'existe pas";
    QTest::newRow("read-only folder")
        << "classe" << true << 0L << "tu n'as pas le droit d'écrire à cet endroit";
    QTest::newRow("disk full before the page is written")
        << "classe" << false << 4096L << "le fichier dépasse la taille permise sur ce disque";
}

void TestClassFolder::failureIsSaidAndLeavesNothing() {
    QFETCH(QString, where);
    QFETCH(bool, readOnly);
    QFETCH(long, sizeLimit);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("classe");
    QVERIFY(QFile(dir.filePath("fichier")).open(QIODevice::WriteOnly));
    const QString folder = dir.filePath(where);
    if (readOnly) chmod(QFile::encodeName(folder).constData(), 0555);
    drv::setClassFolder(folder);
    drv::Run run;
    toHome(run);
    {
        AsPupil pupil(readOnly);
        FileSizeLimit limit(sizeLimit);
        drv::click(run.nav().accueil, "cmdQuitter");
    }
    frmBilan& s = run.nav().bilan;
    QMessageBox* box = folderMessage(s);
    QVERIFY(box && box->isVisible());
    QVERIFY2(box->text().contains(QStringLiteral("Raison : ") + reason + "."), qPrintable(box->text()));
    QVERIFY(box->text().contains(QDir::toNativeSeparators(folder)));
    if (QFileInfo(folder).isDir()) QCOMPARE(filesIn(folder), QStringList());
    // The summary goes on as before: it prints, and saves the PDF by hand.
    QVERIFY(s.loaded() && !run.ended());
    const QString saved = dir.filePath("bilan.pdf");
    s.printer = [](const Page&) { return false; };
    s.choosePdfFile = [&](QWidget*, const QString&) { return saved; };
    box->close();
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            for (QAbstractButton* b : m->buttons())
                if (b->text() == "Enregistrer en PDF") b->click();
    });
    answer.start(10);
    drv::click(s, "cmdPrint");
    pdf::checkSummaryPage(saved, s);
    if (readOnly) chmod(QFile::encodeName(folder).constData(), 0755);
}

void TestClassFolder::formulasStayText_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("asWritten"); // what a spreadsheet reads in the field
    QTest::newRow("a sum") << "=1+1"
                           << "'=1+1";
    QTest::newRow("plus") << "+33 6"
                          << "'+33 6";
    QTest::newRow("minus") << "-Marie"
                           << "'-Marie";
    QTest::newRow("at") << "@SOMME(A1)"
                        << "'@SOMME(A1)";
    QTest::newRow("a quote first") << "'Dupont"
                                   << "''Dupont";
    QTest::newRow("separator and quotes") << "Du;pont \"le\""
                                          << "Du;pont \"le\"";
    QTest::newRow("a plain name") << "Dupont"
                                  << "Dupont";
}

void TestClassFolder::formulasStayText() {
    QFETCH(QString, nom);
    QFETCH(QString, asWritten);
    QTemporaryDir folder;
    drv::setClassFolder(folder.path());
    drv::Run run;
    toHome(run, nom);
    drv::click(run.nav().accueil, "cmdQuitter");
    const QStringList csv = QDir(folder.path()).entryList({"*.csv"});
    QCOMPARE(csv.size(), 1);
    const QStringList row = readCsv(folder.filePath(csv[0])).value(1);
    QCOMPARE(row.size(), 26);
    QCOMPARE(row[2], asWritten);
    // Read back by the class sheet as it was typed.
    const ClassSheet sheet = readClassFolder(folder.path());
    QCOMPARE(sheet.pupils.size(), 1);
    QCOMPARE(sheet.pupils[0].nom, nom);
}

void TestClassFolder::runCutShort_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("the program told to quit at the home screen") << 0;
    QTest::newRow("the home screen's window destroyed") << 1;
    QTest::newRow("quitting with an exercise open") << 2;
    QTest::newRow("SIGTERM at the home screen") << 3;
}

void TestClassFolder::runCutShort() {
    QFETCH(int, how);
    QTemporaryDir folder;
    drv::setClassFolder(folder.path());
    drv::Run run;
    toHome(run);
    ExerciseScreen& three = run.open(3);
    QVERIFY(three.enterRightAnswers());
    drv::click(three, "imgValidation");
    drv::click(three, "imgContinuer");
    switch (how) {
    case 0:
        QMetaObject::invokeMethod(qApp, "aboutToQuit");
        break;
    case 1:
        delete run.nav().accueil.window();
        break;
    case 2:
        run.open(7);
        QMetaObject::invokeMethod(qApp, "aboutToQuit");
        break;
    default:
        forms::endOnSignals();
        ::kill(::getpid(), SIGTERM);
        QTRY_VERIFY(run.ended());
        break;
    }
    drv::settle();
    const QStringList csv = QDir(folder.path()).entryList({"*.csv"});
    QCOMPARE(csv.size(), 1);
    QCOMPARE(QDir(folder.path()).entryList({"*.pdf"}).size(), 1);
    QCOMPARE(readCsv(folder.filePath(csv[0])).value(1).mid(4, 20), expectedOutcomes({3}, {}));
    // The summary that opens afterwards (the home screen gone) leaves no second pair.
    if (run.nav().bilan.loaded()) drv::click(run.nav().bilan, "cmdQuitter");
    QMetaObject::invokeMethod(qApp, "aboutToQuit");
    QCOMPARE(filesIn(folder.path()).size(), 2);
}

void TestClassFolder::logoutCalledOffKeepsOnePair() {
    // The session asks the program to save (the pupil's files are left), then the logout is called off
    // and the pupil goes on: the summary brings the same two files up to date.
    QTemporaryDir folder;
    drv::setClassFolder(folder.path());
    drv::Run run;
    toHome(run);
    run.nav().accueil.exerciseValidated(3, true);
    QVERIFY(run.nav().bilan.deposit().isEmpty());
    const QStringList first = filesIn(folder.path());
    QCOMPARE(first.size(), 2);
    run.nav().bilan.now = [] { return kWhen.addSecs(600); };
    run.nav().accueil.exerciseValidated(5, false);
    drv::click(run.nav().accueil, "cmdQuitter");
    QCOMPARE(filesIn(folder.path()), first);
    QCOMPARE(readCsv(folder.filePath(first[0])).value(1).mid(4, 20), expectedOutcomes({3}, {5}));
    pdf::checkSummaryPage(folder.filePath(first[1]), run.nav().bilan);
}

void TestClassFolder::classSheet() {
    QTemporaryDir folder;
    // Thirty pupils of two classes, their runs left as the program leaves them; pupil i succeeds the
    // exercises k with k % (i % 5 + 1) == 0 and fails exercise 1 when i is even.
    QList<int> succeeded(21, 0);
    for (int i = 0; i < 30; ++i) {
        PupilResults r;
        r.when = kWhen.addSecs(60 * i);
        r.classe = i % 2 ? "3ème A" : "3ème B";
        r.nom = QStringLiteral("Élève%1").arg(29 - i, 2, 10, QLatin1Char('0'));
        r.prenom = QStringLiteral("Prénom%1").arg(i);
        for (int k = 1; k <= 20; ++k) {
            r.outcome[k] = k % (i % 5 + 1) == 0 ? Outcome::Succeeded : Outcome::NotDone;
            if (k == 1 && i % 2 == 0 && i % 5 != 0) r.outcome[k] = Outcome::Failed;
            succeeded[k] += r.outcome[k] == Outcome::Succeeded;
        }
        QString base;
        QCOMPARE(depositRun(folder.path(), r, smallPage(), &base), QString());
    }
    QFile broken(folder.filePath("3ème B Cassé 2026-12-11 15h00.csv"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("Date;Classe;Nom\n\"pas fini");
    broken.close();

    QProcess p;
    p.start(binary(), {"--bilan-classe", folder.path()});
    QVERIFY(p.waitForFinished(120000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY2(p.readAllStandardOutput().contains("30 élève(s), 1 fichier(s) illisible(s)"), "what it says");

    const QList<QStringList> rows = readCsv(folder.filePath("Bilan de la classe.csv"));
    QCOMPARE(rows.size(), 1 + 30 + 1 + 1);
    QCOMPARE(rows[0].mid(0, 4), QStringList({"Classe", "Nom", "Prénom", "Exercice 1"}));
    // Sorted by class, then surname: 3ème A first, its surnames rising.
    QCOMPARE(rows[1].mid(0, 3), QStringList({"3ème A", "Élève00", "Prénom29"}));
    QCOMPARE(rows[15].mid(0, 2), QStringList({"3ème A", "Élève28"}));
    QCOMPARE(rows[16].mid(0, 2), QStringList({"3ème B", "Élève01"}));
    for (int line = 1; line <= 30; ++line) {
        int t = 0;
        for (int k = 1; k <= 20; ++k)
            t += rows[line][2 + k] == "réussi";
        QCOMPARE(rows[line][23], QString::number(5 * t));
        QCOMPARE(rows[line][24], QString::number(t));
    }
    const QStringList totals = rows[31];
    QCOMPARE(totals[0], QStringLiteral("Réussites"));
    QCOMPARE(totals[1], QStringLiteral("30 élèves"));
    for (int k = 1; k <= 20; ++k)
        QCOMPARE(totals[2 + k],
                 QStringLiteral("%1 (%2 %)").arg(succeeded[k]).arg(qRound(100.0 * succeeded[k] / 30)));
    QCOMPARE(rows[32], QStringList({"1 fichier illisible, non compté"}));

    // Every pupil on the pages, every word inside its page, the heading on each page.
    if (const QByteArray shots = qgetenv("MORVELLE_SHOTS"); !shots.isEmpty())
        QFile::copy(folder.filePath("Bilan de la classe.pdf"),
                    QString::fromLocal8Bit(shots) + "/bilan-classe.pdf");
    const pdf::Text text = pdf::words(folder.filePath("Bilan de la classe.pdf"));
    QVERIFY(text.pages >= 2);
    QVERIFY(text.page.width() > text.page.height());
    QStringList seen;
    int headings = 0;
    for (const pdf::Word& w : text.words) {
        QVERIFY2(QRectF(QPointF(0, 0), text.page).contains(w.box),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                .arg(w.text)
                                .arg(w.box.x())
                                .arg(w.box.y())
                                .arg(w.box.width())
                                .arg(w.box.height())));
        seen << w.text;
        headings += w.text == "Prénom";
    }
    QCOMPARE(headings, text.pages);
    for (int i = 0; i < 30; ++i)
        QVERIFY(seen.contains(QStringLiteral("Élève%1").arg(i, 2, 10, QLatin1Char('0'))));
    QVERIFY(seen.contains("illisible,"));

    // Made again, the sheet replaces itself and does not read its own CSV as a pupil's.
    p.start(binary(), {"--bilan-classe", folder.path()});
    QVERIFY(p.waitForFinished(120000));
    QVERIFY(p.readAllStandardOutput().contains("30 élève(s), 1 fichier(s) illisible(s)"));
}

void TestClassFolder::classSheetWithoutFolder() {
    QTemporaryDir dir;
    drv::setClassFolder(QString());
    QProcess p;
    // None named and none set: it says so and writes nothing.
    p.setWorkingDirectory(dir.path());
    p.start(binary(), {"--bilan-classe"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("aucun dossier de classe"));
    QCOMPARE(filesIn(dir.path()), QStringList());
    // The configured one, when none is named; a folder that is not there is an error.
    drv::setClassFolder(dir.filePath("absent"));
    p.start(binary(), {"--bilan-classe"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(p.readAllStandardError().contains("ce dossier n'existe pas"));
    drv::setClassFolder(dir.path());
    p.start(binary(), {"--bilan-classe"});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(filesIn(dir.path()), QStringList({"Bilan de la classe.csv", "Bilan de la classe.pdf"}));
}

QTEST_MAIN(TestClassFolder)
#include "test_class_folder.moc"
