// A whole run, from the splash screen through every exercise to the summary, writes nothing in the pupil's
// home: no cache, no settings, no state. Its own process, so that the home it looks at is the only one the
// run ever knew.
#include "tests/driver.h"

#include <QApplication>
#include <QDirIterator>
#include <QTemporaryDir>

using namespace forms;

namespace {

QTemporaryDir* g_home = nullptr;

// Every file and folder below the root, with what each file holds.
QMap<QString, QByteArray> tree(const QString& root) {
    QMap<QString, QByteArray> found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QByteArray what = "folder";
        if (!it.fileInfo().isDir()) {
            QFile f(path);
            what = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("unreadable");
        }
        found.insert(QDir(root).relativeFilePath(path), what);
    }
    return found;
}

} // namespace

class TestNothingWritten : public QObject {
    Q_OBJECT
  private slots:
    void wholeRunLeavesTheHomeAsItWas();
};

void TestNothingWritten::wholeRunLeavesTheHomeAsItWas() {
    const QMap<QString, QByteArray> before = tree(g_home->path());
    QVERIFY(!before.isEmpty());
    {
        drv::Run run;
        run.app().start();
        QTRY_VERIFY(!run.app().preparing()); // every screen readied, as a pupil's run has them
        drv::click(run.nav().presentation, "Image1");
        drv::alt(run.nav().info1, 'L');
        drv::type(run.nav().id, "txtNom", "Leroy");
        drv::click(run.nav().id, "Command1");
        for (int n = 1; n <= 20; ++n) {
            ExerciseScreen& ex = run.open(n);
            QVERIFY(ex.enterRightAnswers());
            drv::click(ex, "imgValidation");
            drv::click(ex, "imgContinuer");
            drv::settle();
        }
        drv::click(run.nav().accueil, "cmdQuitter");
        QCOMPARE(drv::text(run.nav().bilan, "lblNote"), QStringLiteral("20/20"));
        drv::click(run.nav().bilan, "cmdQuitter");
        QVERIFY(run.ended());
    }
    QCoreApplication::processEvents();
    QCOMPARE(tree(g_home->path()), before);
}

int main(int argc, char** argv) {
    // A home of the tests' own, with what a pupil's home already holds, before anything can look at it.
    QTemporaryDir home;
    if (!home.isValid()) return 1;
    g_home = &home;
    const QDir h(home.path());
    for (const char* folder : {".cache", ".config", ".local/share", ".local/state"})
        h.mkpath(folder);
    QFile kept(h.filePath(".config/cours.txt"));
    if (!kept.open(QIODevice::WriteOnly) || kept.write("génétique\n") < 0) return 1;
    kept.close();
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(h.filePath(".cache")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(h.filePath(".config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(h.filePath(".local/share")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(h.filePath(".local/state")));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestNothingWritten test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_nothing_written.moc"
