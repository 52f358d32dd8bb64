// Renders every screen to PNG at scale 1, as a 1024 x 768 display shows it:
//   morvelle3-shots OUTDIR
// Exercise screens are rendered in their design state, after a right answer (where the screen has one),
// after a wrong answer (the screen's typical one, or blank) and with the correction shown.
#include "app/wiring.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

QString g_out;

void snap(forms::Form& f, const QString& name) {
    QApplication::processEvents();
    if (!f.window()) return;
    const QString path = QDir(g_out).filePath(name + QStringLiteral(".png"));
    if (!f.window()->grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: morvelle3-shots OUTDIR\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    initialiseProgram();
    forms::setDisplay(QRect(0, 0, 1024, 768));
    forms::setEndHandler([] {});
    g_out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_out);

    App app;
    Navigation& nav = app.nav;

    nav.presentation.Show();
    snap(nav.presentation, "frmPresentation");
    nav.presentation.Timer1_Timer();
    snap(nav.presentation, "frmPresentation_suite");
    nav.presentation.Unload();

    nav.info1.Show();
    snap(nav.info1, "frmInfo1");
    nav.info1.Unload();

    nav.id.Show();
    snap(nav.id, "frmId");
    nav.id.Command1_Click();
    snap(nav.id, "frmId_nom_vide");
    nav.id.txtNom->setText("Dupont");
    nav.id.txtPrenom->setText("Marie");
    nav.id.txtClasse->setText("B");
    nav.id.Command1_Click();
    settle();

    snap(nav.accueil, "frmAccueil");
    nav.auteur.Show();
    snap(nav.auteur, "frmAuteur");
    nav.auteur.Unload();

    for (int n = 1; n <= 20; ++n) {
        const QString base = QStringLiteral("Exercice%1").arg(n, 2, 10, QLatin1Char('0'));
        forms::ExerciseScreen& ex = app.exercise(n);
        ex.Show();
        snap(ex, base + "_1_design");
        if (ex.enterRightAnswers()) {
            snap(ex, base + "_2_reponse_juste");
            ex.imgValidation_Click();
            snap(ex, base + "_3_reussi");
            ex.Unload();
            settle();
            ex.Show();
        }
        ex.enterWrongAnswers();
        ex.imgValidation_Click();
        snap(ex, base + "_4_echec");
        ex.imgCorrection_Click();
        snap(ex, base + "_5_correction");
        ex.Unload();
        settle();
    }
    // The home screen with its lights, after one success and one failure.
    nav.accueil.chkExo[3]->setValue(1);
    nav.accueil.exerciseValidated(3, false);
    nav.accueil.exerciseValidated(5, true);
    nav.accueil.chkExo[5]->setValue(1);
    settle();
    app.exercise(5).Unload();
    app.exercise(3).Unload();
    settle();
    snap(nav.accueil, "frmAccueil_feux");

    nav.accueil.cmdQuitter_Click();
    settle();
    snap(nav.bilan, "frmBilan");
    QTextStream(stdout) << "screens written to " << g_out << "\n";
    return 0;
}
