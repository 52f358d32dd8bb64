// The results summary: the pupil, the score, one row per exercise and the notions to revise.
#include "navigation/class_folder.h"
#include "navigation/exercise_list.h"
#include "navigation/navigation.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBoundaryFinder>
#include <QTimer>

using namespace forms;

namespace {
// Row headings keep the names they were given when rows 11 to 17 were added in reverse.
const int kHeadingNames[21] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 18, 17, 16, 15, 14, 13, 12, 19, 20, 21};

// Most disks take 255 bytes in a name: the stem keeps well within that, cut between whole characters
// (an emoji or a letter with its accent is never split).
const int kMaxStemBytes = 200;
} // namespace

QString safeFileName(QString name, const QString& suffix) {
    for (QChar& c : name)
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    name = name.simplified();
    if (name.toUtf8().size() > kMaxStemBytes) {
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, name);
        qsizetype cut = 0;
        for (qsizetype b = graphemes.toNextBoundary(); b > 0; b = graphemes.toNextBoundary()) {
            if (name.left(b).toUtf8().size() > kMaxStemBytes) break;
            cut = b;
        }
        name = name.left(cut).trimmed();
    }
    return name + suffix;
}

WindowDesign frmBilan::design() const {
    return {QStringLiteral("Morvelle3 - Bilan"), WindowStyle::Sizable, 12870, 10725, 0xFFFFFF};
}

void frmBilan::build() {
    const FontDef name{"Arial", 14.25, Weight::Bold}, score{"Arial", 14.25}, note{"Arial", 12};
    auto header = [this](const char* id, const FontDef& f, int left, int top) {
        return make<Label>(id)->font(f)->autoSize()->at(left, top, 0, 0);
    };
    lblNom = header("lblNom", name, 360, 0)->opaque(0xFFFFFF);
    lblPrenom = header("lblPrenom", name, 360, 240)->opaque(0xFFFFFF);
    lblClasse = header("lblClasse", name, 1680, 0)->opaque(0xFFFFFF)->setCaption(QStringLiteral("3ème "));
    lblScoreCaption = header("lblScoreCaption", score, 3240, 0)->setCaption("score :");
    lblScore = header("lblScore", score, 4200, 0)->setCaption("0 %");
    Label22 = header("Label22", note, 5640, 0)->setCaption("Note :");
    lblNote = header("lblNote", note, 6360, 0)->color(0x1010D6)->setCaption("0/20");
    Label11 = make<Label>("Label11")
                  ->font({"MS Sans Serif", 12, Weight::Bold})
                  ->color(0x800000)
                  ->opaque(0xFFFFFF)
                  ->align(Align::Centre)
                  ->setCaption(QStringLiteral("Notions à revoir"))
                  ->at(5880, 360, 1905, 300);

    for (int k = 1; k <= 20; ++k) {
        const int top = 840 + 480 * (k - 1);
        rowHeading[k] = make<Label>(QStringLiteral("Label%1").arg(kHeadingNames[k]))
                            ->font({"Arial", 12, Weight::Bold})
                            ->opaque(0xFFFFFF)
                            ->autoSize()
                            ->setCaption(QStringLiteral("Exercice %1 :").arg(k))
                            ->at(120, top, 0, 0);
        lbl[k] = make<Label>(QStringLiteral("lbl%1").arg(k))
                     ->font({"Arial", 12})
                     ->opaque(0xFFFFFF)
                     ->autoSize()
                     ->setCaption(QStringLiteral("Réussite"))
                     ->at(1680, top, 0, 0);
        lblConseils[k] = make<Label>(QStringLiteral("lblConseils%1").arg(k))
                             ->font({"MS Sans Serif", 13.5})
                             ->opaque(0xE0E0E0)
                             ->at(3120, 720 + 480 * (k - 1), 8535, 495);
    }
    // The grid lies over the bands, so every row stays ruled.
    for (int k = 0; k <= 20; ++k)
        grid[k] = make<Line>(QStringLiteral("LigneH%1").arg(k))
                      ->pen(0x000000, k == 0 || k == 20 ? 3 : 1)
                      ->from(120, 720 + 480 * k, 11640, 720 + 480 * k);
    grid[21] = make<Line>("LigneV1")->from(120, 720, 120, 10320);
    grid[22] = make<Line>("LigneV2")->from(11640, 720, 11640, 10320);

    cmdPrint = make<CommandButton>("cmdPrint")
                   ->picture(":/assets/common/printer.svg", 24)
                   ->face(0xE7E9EF)
                   ->tip("Imprimer")
                   ->click([this] { cmdPrint_Click(); })
                   ->at(11760, 9240, 975, 495);
    cmdPrint->setAccessibleName(QStringLiteral("Imprimer"));
    cmdQuitter = make<CommandButton>("cmdQuitter")
                     ->setCaption("&Quitter")
                     ->font({"MS Sans Serif", 8.25, Weight::Bold})
                     ->face(0xEEE9E8)
                     ->tip("Pour quitter l'application")
                     ->click([this] { cmdQuitter_Click(); })
                     ->at(11760, 9840, 975, 495);
    tabOrder({cmdQuitter, cmdPrint});
}

void frmBilan::Form_Load() {
    fill();
    const QString why = deposit();
    if (why.isEmpty()) return;
    // Said once the summary stands on screen; the pupil goes on with it as before.
    QTimer::singleShot(0, window(), [this, why] {
        auto* box = new QMessageBox(
            QMessageBox::Warning, QStringLiteral("Dossier de la classe"),
            QStringLiteral("Le bilan n'a pas pu être déposé dans le dossier de la classe :\n%1"
                           "\n\nRaison : %2.\n\nTu peux toujours imprimer ton bilan.")
                .arg(QDir::toNativeSeparators(configuredClassFolder()), why),
            QMessageBox::Ok, window());
        box->setObjectName(QStringLiteral("msgDossier"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->setModal(false);
        box->show();
    });
}

QString frmBilan::deposit() {
    const Module1& r = nav_.record;
    // Only for a pupil who said who they are, and again only when the results changed since (a logout
    // the desktop called off, and the pupil went on).
    if (r.Nom.isEmpty() || (!depositedAs_.isEmpty() && deposited_ == r)) return QString();
    const QString folder = configuredClassFolder();
    if (folder.isEmpty()) return QString();
    Page shown;
    offstage([this, &shown] {
        if (!loaded()) fill();
        shown = page();
    });
    if (depositedAs_.isEmpty()) depositedAt_ = now();
    const QString why = depositRun(folder, resultsOf(r, depositedAt_), shown, &depositedAs_);
    if (why.isEmpty()) deposited_ = r;
    return why;
}

Page frmBilan::page() {
    cmdQuitter->SetVisible(false);
    cmdPrint->SetVisible(false);
    const Page shown = captureClientArea(*this);
    cmdQuitter->SetVisible(true);
    cmdPrint->SetVisible(true);
    return shown;
}

void frmBilan::fill() {
    const Module1& r = nav_.record;
    lblNom->setCaption(r.Nom);
    lblPrenom->setCaption(r.Prenom);
    lblClasse->setCaption(QStringLiteral("3ème ") + r.Classe);
    int t = 0;
    for (int k = 1; k <= 20; ++k) t += r.Resultat[k];
    lblScore->setCaption(QStringLiteral("%1 %").arg(5 * t));
    lblNote->setCaption(QStringLiteral("%1/20").arg(t));
    for (const ExerciseEntry& e : exerciseList()) {
        const int k = e.number;
        if (r.Resultat[k] == 0) {
            lbl[k]->setCaption("Echec");
            lbl[k]->setForeColor(0x0000FF);
            lblConseils[k]->setCaption(e.advice);
        } else {
            lbl[k]->setCaption(QStringLiteral("Réussite"));
        }
    }
}

void frmBilan::cmdPrint_Click() {
    const Page shown = page();
    if (!printer || !printer(shown)) offerPdf(shown);
}

void frmBilan::offerPdf(const Page& page) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Impression"),
                    QStringLiteral("Le bilan n'a pas pu être imprimé : aucune imprimante n'est disponible ou "
                                   "l'impression a échoué.\n\nVeux-tu enregistrer le bilan dans un fichier PDF ?"),
                    QMessageBox::NoButton, window());
    QPushButton* save = box.addButton(QStringLiteral("Enregistrer en PDF"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setObjectName(QStringLiteral("msgImpression"));
    box.exec();
    if (box.clickedButton() != save || !loaded()) return;

    const QString proposed = QDir::home().filePath(
        safeFileName(QStringLiteral("Bilan %1 %2").arg(nav_.record.Nom, nav_.record.Prenom)));
    const QString path = choosePdfFile ? choosePdfFile(window(), proposed)
                                       : QFileDialog::getSaveFileName(window(), QStringLiteral("Enregistrer le bilan"),
                                                                      proposed, QStringLiteral("Fichier PDF (*.pdf)"));
    if (path.isEmpty() || !loaded()) return;
    QString reason;
    if (!savePdf(page, path, &reason)) {
        QMessageBox failed(QMessageBox::Warning, QStringLiteral("Impression"),
                           QStringLiteral("Le fichier n'a pas pu être enregistré :\n%1\n\nRaison : %2.")
                               .arg(QDir::toNativeSeparators(path), reason),
                           QMessageBox::Ok, window());
        failed.setObjectName(QStringLiteral("msgEnregistrement"));
        failed.exec();
    }
}

void frmBilan::cmdQuitter_Click() { End(); }
