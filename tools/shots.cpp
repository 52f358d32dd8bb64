// Renders every screen to PNG at scale 1, as a 1024 x 768 display shows it:
//   morvelle3-shots OUTDIR
// Exercise screens are rendered in their design state, after a right answer (where the screen has one),
// after a wrong answer (the screen's typical one, or blank) and with the correction shown.
#include "app/wiring.h"
#include "framework/controls.h"
#include "framework/dragdrop.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
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

// The drop target a pupil would most likely aim at from a source: the nearest control that takes drops
// and really is the one under its own centre, apart from the source. None on a screen without drops.
QWidget* nearestDropTarget(QWidget* window, const QWidget* source) {
    const QPoint from = source->mapTo(window, source->rect().center());
    QWidget* best = nullptr;
    int bestDistance = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        forms::Control* c = forms::controlOf(w);
        if (!c || c->widget() != w || !c->onDragDrop || w == source || !w->isVisible() || !w->isEnabled())
            continue;
        const QPoint centre = w->mapTo(window, w->rect().center());
        if (forms::controlAt(window, centre) != c) continue;
        const int d = (centre - from).manhattanLength();
        if (!best || d < bestDistance) best = w, bestDistance = d;
    }
    return best;
}

// A screen with pictures to drag: the first one, pressed at its centre and carried over the nearest drop
// target, so that the icon or the outline under the pointer stands clearly away from its source.
void snapDrag(forms::Form& f, const QString& name) {
    QWidget* window = f.window();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        auto* p = dynamic_cast<forms::Picture*>(w);
        if (!p || !p->dragAutomatic() || !p->isVisible()) continue;
        forms::DragController& drag = forms::DragController::instance();
        drag.start(p, p->DragIcon(), p->mapToGlobal(p->rect().center()));
        const QWidget* target = nearestDropTarget(window, p);
        // Aimed a little off the target's centre, as a hand aims: an outline the size of the target
        // would otherwise hide in its border. The pointer stays on the target, so a release would drop.
        const QPoint to = target ? target->mapToGlobal(target->rect().center() +
                                                       QPoint(target->width() / 4, target->height() / 4))
                                 : p->mapToGlobal(p->rect().center() + QPoint(90, -120));
        // The drag follows plain mouse moves, as it does under the pupil's hand.
        QMouseEvent move(QEvent::MouseMove, window->mapFromGlobal(to), to, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(window, &move);
        snap(f, name);
        drag.cancel();
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
