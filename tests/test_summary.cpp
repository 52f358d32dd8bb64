// The results summary, its printing, the end of the run, and one whole run from the splash to the summary.
#include "tests/driver.h"

#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>

using namespace forms;

namespace {

void openSummary(drv::Run& run, const QList<int>& succeeded, const QString& prenom = "Marie",
                 const QString& classe = "B") {
    run.toHome("Dupont", prenom, classe);
    for (int n : succeeded) run.record().Resultat[n] = 1;
    drv::click(run.nav().accueil, "cmdQuitter");
}

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray pdf = f.readAll();
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") + pdf.count("/Type /Page/") +
               pdf.count("/Type /Page>"));
}

// Answers the message box the summary opens, with the button whose text is given.
void answerMessageBox(const QString& button, QString* seenText) {
    QTimer::singleShot(0, [button, seenText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (seenText) *seenText = box->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == button) b->click();
    });
}

bool whiteAt(const QImage& img, const QRect& r) {
    for (int y = r.top(); y <= r.bottom(); y += 3)
        for (int x = r.left(); x <= r.right(); x += 3)
            if (img.pixelColor(x, y) != Qt::white) return false;
    return true;
}

} // namespace

class TestSummary : public QObject {
    Q_OBJECT
private slots:
    void scores_data();
    void scores();
    void identity_data();
    void identity();
    void layoutAndFocus();
    void printingHidesTheButtonsOnThePage();
    void noPrinterOffersPdf_data();
    void noPrinterOffersPdf();
    void quitting_data();
    void quitting();
    void wholeRun();
};

void TestSummary::scores_data() {
    QTest::addColumn<QList<int>>("succeeded");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("note");
    QTest::newRow("nothing done") << QList<int>{} << "0 %" << "0/20";
    QTest::newRow("10 and 20") << QList<int>{10, 20} << "10 %" << "2/20";
    QList<int> all;
    for (int n = 1; n <= 20; ++n) all << n;
    QTest::newRow("all twenty") << all << "100 %" << "20/20";
    QTest::newRow("all but 3") << QList<int>(all.begin(), all.end()).mid(0, 2) + all.mid(3) << "95 %" << "19/20";
}

void TestSummary::scores() {
    QFETCH(QList<int>, succeeded);
    QFETCH(QString, score);
    QFETCH(QString, note);
    static const QStringList advice = {"Hérédité et caractères d'un individu",
                                       "La localisation du programme génétique dans la cellule",
                                       "La localisation du programme génétique dans la cellule",
                                       "Les chromosomes humains",
                                       "Les caryotypes humains",
                                       "Les anomalies chromosomiques",
                                       "Le programme génétique et les divisions cellulaires",
                                       "La division cellulaire et la transmission des chromosomes",
                                       "Les étapes de la division cellulaire",
                                       "Les gènes et leurs allèles",
                                       "La transmission des allèles",
                                       "La transmission des allèles",
                                       "La transmission des allèles",
                                       "La transmission des allèles",
                                       "Les chromosomes : supports de gènes",
                                       "Les cellules sexuelles et leurs caryotypes",
                                       "La fécondation et le déterminisme du sexe",
                                       "La répartition des allèles dans les cellules sexuelles",
                                       "La transmission des allèles",
                                       "La transmission des allèles"};
    drv::Run run;
    openSummary(run, succeeded);
    Form& s = run.nav().bilan;
    QCOMPARE(drv::text(s, "lblScore"), score);
    QCOMPARE(drv::text(s, "lblNote"), note);
    for (int k = 1; k <= 20; ++k) {
        const QString row = QStringLiteral("lbl%1").arg(k), band = QStringLiteral("lblConseils%1").arg(k);
        if (succeeded.contains(k)) {
            QCOMPARE(drv::text(s, row), QStringLiteral("Réussite"));
            QCOMPARE(drv::text(s, band), QString());
        } else {
            QCOMPARE(drv::text(s, row), QStringLiteral("Echec"));
            QCOMPARE(drv::foreColor(s, row), BgrColor(0x0000FF));
            QCOMPARE(drv::text(s, band), advice[k - 1]);
        }
    }
}

void TestSummary::identity_data() {
    QTest::addColumn<QString>("prenom");
    QTest::addColumn<QString>("classe");
    QTest::addColumn<QString>("shown");
    QTest::newRow("class B") << "Marie" << "B" << "3ème B";
    QTest::newRow("empty first name and class") << "" << "" << "3ème ";
}

void TestSummary::identity() {
    QFETCH(QString, prenom);
    QFETCH(QString, classe);
    QFETCH(QString, shown);
    drv::Run run;
    openSummary(run, {}, prenom, classe);
    Form& s = run.nav().bilan;
    QCOMPARE(drv::text(s, "lblNom"), QStringLiteral("Dupont"));
    QCOMPARE(drv::text(s, "lblPrenom"), prenom);
    QCOMPARE(drv::text(s, "lblClasse"), shown);
}

void TestSummary::layoutAndFocus() {
    drv::Run run;
    openSummary(run, {});
    Form& s = run.nav().bilan;
    QCOMPARE(s.window()->windowTitle(), QStringLiteral("Morvelle3 - Bilan"));
    QCOMPARE(s.canvas()->size(), QSize(858, 715));
    // Row headings, in the order the rows were named.
    QCOMPARE(drv::text(s, "Label18"), QStringLiteral("Exercice 11 :"));
    QCOMPARE(drv::text(s, "Label12"), QStringLiteral("Exercice 17 :"));
    QCOMPARE(drv::text(s, "Label21"), QStringLiteral("Exercice 20 :"));
    QCOMPARE(drv::get<Line>(s, "LigneH0")->BorderWidth(), 3);
    QCOMPARE(drv::get<Line>(s, "LigneH1")->BorderWidth(), 1);
    QCOMPARE(drv::get<Line>(s, "LigneH20")->BorderWidth(), 3);
    QCOMPARE(drv::control(s, "cmdPrint")->widget()->toolTip(), QStringLiteral("Imprimer"));
    QCOMPARE(drv::control(s, "cmdQuitter")->widget()->toolTip(), QStringLiteral("Pour quitter l'application"));
    QCOMPARE(drv::focused(s)->objectName(), QStringLiteral("cmdQuitter"));
    drv::key(s, Qt::Key_Tab);
    QCOMPARE(drv::focused(s)->objectName(), QStringLiteral("cmdPrint"));
}

void TestSummary::printingHidesTheButtonsOnThePage() {
    drv::Run run;
    openSummary(run, {3});
    frmBilan& s = run.nav().bilan;
    QTemporaryDir dir;
    const QString pdf = dir.filePath("bilan.pdf");
    Page printed;
    s.printer = [&](const Page& page) {
        printed = page;
        return savePdf(page, pdf);
    };
    drv::click(s, "cmdPrint");
    QCOMPARE(pdfPages(pdf), 1);
    QVERIFY(drv::visible(s, "cmdPrint") && drv::visible(s, "cmdQuitter"));
    // The page shows the window as displayed, without the two buttons.
    QCOMPARE(printed.size, s.canvas()->size());
    QImage img(printed.size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.drawPicture(0, 0, printed.picture);
    p.end();
    QVERIFY(whiteAt(img, drv::control(s, "cmdPrint")->widget()->geometry()));
    QVERIFY(whiteAt(img, drv::control(s, "cmdQuitter")->widget()->geometry()));
    QVERIFY(!whiteAt(img, drv::control(s, "lbl3")->widget()->geometry()));
}

void TestSummary::noPrinterOffersPdf_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save as PDF") << "Enregistrer en PDF" << true;
    QTest::newRow("cancel") << "Annuler" << false;
}

void TestSummary::noPrinterOffersPdf() {
    QFETCH(QString, answer);
    QFETCH(bool, saved);
    drv::Run run;
    openSummary(run, {}, "Ma/rie");
    frmBilan& s = run.nav().bilan;
    QTemporaryDir dir;
    QString proposed;
    s.printer = [](const Page&) { return false; };
    s.choosePdfFile = [&](QWidget*, const QString& name) {
        proposed = name;
        return dir.filePath("choisi.pdf");
    };
    QString message;
    answerMessageBox(answer, &message);
    drv::click(s, "cmdPrint");
    QVERIFY(message.contains(QStringLiteral("PDF")));
    QCOMPARE(QFile::exists(dir.filePath("choisi.pdf")), saved);
    if (saved) {
        QCOMPARE(pdfPages(dir.filePath("choisi.pdf")), 1);
        // A name made of the word, the surname and the first name, safe as a file name.
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("Bilan Dupont Ma_rie.pdf"));
    }
    QVERIFY(s.loaded());
    QVERIFY(drv::visible(s, "cmdPrint") && drv::visible(s, "cmdQuitter"));
    QVERIFY(!run.ended());
}

void TestSummary::quitting_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("button") << 0;
    QTest::newRow("Alt+Q") << 1;
    QTest::newRow("space on the focused button") << 2;
    QTest::newRow("close box") << 3;
}

void TestSummary::quitting() {
    QFETCH(int, how);
    drv::Run run;
    run.toHome();
    run.nav().accueil.cmdQuitter_Click();
    drv::settle();
    frmBilan& s = run.nav().bilan;
    run.nav().auteur.Show(); // another window still open closes too
    switch (how) {
    case 0: drv::click(s, "cmdQuitter"); break;
    case 1: drv::alt(s, 'Q'); break;
    case 2: drv::key(s, Qt::Key_Space); break;
    default: s.window()->close(); break;
    }
    drv::settle();
    QVERIFY(run.ended());
    QCOMPARE(forms::loadedCount(), 0);
}

void TestSummary::wholeRun() {
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    drv::alt(run.nav().info1, 'L');
    Form& id = run.nav().id;
    drv::type(id, "txtNom", "Leroy");
    drv::type(id, "txtPrenom", "Hugo");
    drv::type(id, "txtClasse", "C");
    drv::click(id, "Command1");
    Form& home = run.nav().accueil;
    // Succeeds 2 and 9 as far as their screens allow here, fails 3, abandons 5, never opens the rest.
    for (int n : {2, 9}) {
        ExerciseScreen& ex = run.open(n);
        QVERIFY(ex.loaded());
        if (!ex.enterRightAnswers()) run.record().Resultat[n] = 1; // a screen still without content
        else drv::click(ex, "imgValidation");
        if (ex.loaded() && drv::visible(ex, "imgContinuer")) drv::click(ex, "imgContinuer");
        else ex.Unload();
        drv::settle();
    }
    ExerciseScreen& three = run.open(3);
    drv::click(three, "imgValidation");
    drv::click(three, "imgCorrection");
    drv::click(three, "imgContinuer");
    drv::click(run.open(5), "imgAbandon");
    QVERIFY(drv::visible(home, "imgFeurouge(2)"));
    QVERIFY(drv::enabled(home, "chkExo5"));
    drv::click(home, "cmdQuitter");
    Form& s = run.nav().bilan;
    QCOMPARE(drv::text(s, "lblNom"), QStringLiteral("Leroy"));
    QCOMPARE(drv::text(s, "lblPrenom"), QStringLiteral("Hugo"));
    QCOMPARE(drv::text(s, "lblClasse"), QStringLiteral("3ème C"));
    QCOMPARE(drv::text(s, "lblScore"), QStringLiteral("10 %"));
    QCOMPARE(drv::text(s, "lblNote"), QStringLiteral("2/20"));
    for (int k = 1; k <= 20; ++k)
        QCOMPARE(drv::text(s, QStringLiteral("lbl%1").arg(k)),
                 k == 2 || k == 9 ? QStringLiteral("Réussite") : QStringLiteral("Echec"));
    QCOMPARE(drv::text(s, "lblConseils3"), QStringLiteral("La localisation du programme génétique dans la cellule"));
    QCOMPARE(drv::text(s, "lblConseils5"), QStringLiteral("Les caryotypes humains"));
    drv::click(s, "cmdQuitter");
    QVERIFY(run.ended());
}

QTEST_MAIN(TestSummary)
#include "test_summary.moc"
