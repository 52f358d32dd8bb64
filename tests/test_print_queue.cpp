// The summary's print button on a real print queue: one page, sent without a dialog, showing the whole
// window. It needs a queue that writes its pages as PDF files: .ci/run sets one up as the default printer and
// names the folder its files land in with MORVELLE_PRINT_DIR. Without that, there is nothing to print on.
#include "tests/driver.h"
#include "tests/pdf_page.h"

#include <QDialog>
#include <QPrinterInfo>
#include <QTemporaryDir>

using namespace forms;

namespace {
bool savePdfFile(const Page& page, const QString& path) {
    return savePdf(page, path);
}
} // namespace

class TestPrintQueue : public QObject {
    Q_OBJECT
  private slots:
    void printButtonOnTheDefaultPrinter();
};

void TestPrintQueue::printButtonOnTheDefaultPrinter() {
    const QString out = qEnvironmentVariable("MORVELLE_PRINT_DIR");
    if (out.isEmpty()) QSKIP("no print queue set up for this test (.ci/run sets one up)");
    QVERIFY2(!QPrinterInfo::defaultPrinter().isNull(), "the queue is not the default printer");
    const QStringList before = QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files);

    drv::Run run;
    run.toHome(QStringLiteral("Martin"), QStringLiteral("Léa"), QStringLiteral("A"));
    for (int n : {1, 7, 20})
        run.record().Resultat[n] = 1;
    drv::click(run.nav().accueil, "cmdQuitter");
    frmBilan& s = run.nav().bilan;
    // Any dialog at all would mean the page did not go straight to the printer.
    QStringList dialogs;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, [&dialogs] {
        if (QWidget* d = QApplication::activeModalWidget()) {
            dialogs << d->objectName();
            d->close();
        }
    });
    watcher.start(20);
    drv::click(s, "cmdPrint");
    QVERIFY2(dialogs.isEmpty(), qPrintable(dialogs.join(", ")));
    QVERIFY(drv::visible(s, "cmdPrint") && drv::visible(s, "cmdQuitter"));

    // The queue writes its file a little later; it is done once its size stops changing.
    QString printed;
    qint64 lastSize = -1;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QStringList now = QDir(out).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            for (const QString& f : now)
                if (!before.contains(f)) {
                    printed = QDir(out).filePath(f);
                    const qint64 size = QFileInfo(printed).size();
                    const bool steady = size > 0 && size == lastSize;
                    lastSize = size;
                    return steady;
                }
            return false;
        }(),
        90000);
    // A queue that passes the page through PostScript keeps its look but may lose its text: then the page is
    // compared, as a picture, with the PDF the program makes of the same window.
    const auto words = pdf::words(printed).words;
    if (std::any_of(words.begin(), words.end(),
                    [](const pdf::Word& w) { return w.text == QLatin1String("Martin"); })) {
        pdf::checkSummaryPage(printed, s);
    } else {
        QTemporaryDir dir;
        const QString reference = dir.filePath(QStringLiteral("reference.pdf"));
        s.printer = [&reference](const Page& page) { return savePdfFile(page, reference); };
        drv::click(s, "cmdPrint");
        pdf::checkSamePicture(printed, reference);
    }
}

QTEST_MAIN(TestPrintQueue)
#include "test_print_queue.moc"
