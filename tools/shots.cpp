// Renders every screen to PNG at scale 1, as a 1024 x 768 display shows it:
//   morvelle3-shots OUTDIR
// Exercise screens are rendered in their design state, after a right answer (where the screen has one),
// after a wrong answer (the screen's typical one, or blank) and with the correction shown.
#include "app/wiring.h"
#include "framework/dragdrop.h"

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

// A screen with pictures to drag: the first one, caught on its way with its icon under the pointer.
void snapDrag(forms::Form& f, const QString& name) {
    for (QWidget* w : f.window()->findChildren<QWidget*>()) {
        auto* p = dynamic_cast<forms::Picture*>(w);
        if (!p || !p->dragAutomatic() || !p->isVisible()) continue;
        forms::DragController::instance().start(p, p->mapToGlobal(p->rect().center() + QPoint(90, -120)));
        snap(f, name);
        forms::DragController::instance().cancel();
        return;
    }
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
        snapDrag(ex, base + "_1b_glisser");
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
    // The home screen after a failure on exercise 3, a success on exercise 5 and exercise 7 given back.
    // Shown again at once, before the run could see no screen left and end.
    nav.accueil.Unload();
    nav.accueil.Show();
    nav.accueil.chkExo[3]->setValue(1);
    nav.accueil.exerciseValidated(3, false);
    nav.accueil.chkExo[5]->setValue(1);
    nav.accueil.exerciseValidated(5, true);
    nav.accueil.chkExo[7]->setValue(1);
    nav.accueil.exerciseAbandoned(7);
    for (int n : {3, 5, 7}) app.exercise(n).Unload();
    settle();
    snap(nav.accueil, "frmAccueil_feux");

    nav.accueil.cmdQuitter_Click();
    settle();
    snap(nav.bilan, "frmBilan");
    // The summary in its telling states.
    struct SummaryState {
        const char* name;
        QList<int> succeeded;
        const char* prenom;
        const char* classe;
    };
    QList<int> all;
    for (int n = 1; n <= 20; ++n) all << n;
    const SummaryState states[] = {{"frmBilan_rien", {}, "Marie", "B"},
                                   {"frmBilan_tout", all, "Marie", "B"},
                                   {"frmBilan_10_20", {10, 20}, "Marie", "B"},
                                   {"frmBilan_sans_prenom_ni_classe", {3}, "", ""}};
    for (const SummaryState& st : states) {
        for (int n = 1; n <= 20; ++n) nav.record.Resultat[n] = st.succeeded.contains(n) ? 1 : 0;
        nav.record.Prenom = QString::fromUtf8(st.prenom);
        nav.record.Classe = QString::fromUtf8(st.classe);
        nav.bilan.Unload();
        nav.bilan.Show();
        snap(nav.bilan, st.name);
    }
    QTextStream(stdout) << "screens written to " << g_out << "\n";
    return 0;
}
