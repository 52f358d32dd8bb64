// The results summary: the pupil, the score, one row per exercise and the notions to revise.
#include "navigation/class_folder.h"
#include "navigation/exercise_list.h"
#include "navigation/navigation.h"

#include "framework/plain_text.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
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

QString safeFileName(const QString& wanted, const QString& suffix) {
    QString name = readableName(wanted);
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
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
    // Under the surname and overlapping it: its background would hide the surname's descenders.
    lblPrenom = header("lblPrenom", name, 360, 240);
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
    lblNom->setCaption(readableName(r.Nom));
    lblPrenom->setCaption(readableName(r.Prenom));
    lblClasse->setCaption(QStringLiteral("3ème ") + readableName(r.Classe));
    int t = 0;
    for (int k = 1; k <= 20; ++k) t += r.Resultat[k];
    lblScore->setCaption(QStringLiteral("%1 %").arg(5 * t));
    lblNote->setCaption(QStringLiteral("%1/20").arg(t));
    layOutIdentity();
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

void frmBilan::layOutIdentity() {
    // Names that fit the places they were given stay there. A longer one pushes the rest of the first row
    // to the right, as far as the table's right edge allows; past that it is drawn smaller, and what the
    // smallest size cannot hold ends in an ellipsis. The first name ends before the advice heading.
    const int gap = 120, edge = 11640, left = lblNom->Left();
    const int classLeft = lblClasse->Left(), scoreLeft = lblScoreCaption->Left();
    const int row = lblNote->Left() + lblNote->Width() - scoreLeft; // "score :" to the mark
    const int classRoom = std::min(lblClasse->Width(), scoreLeft - gap - classLeft);
    const int namesRoom = edge - row - gap - classRoom - gap - left;
    const int heading = std::min(Label11->Left(), int(Label11->x() * twipsPerPixel() / scale()));
    lblNom->fitWidth(namesRoom);
    lblPrenom->fitWidth(std::min(namesRoom, heading - gap - left));
    // The first name reaches up into the first row: nothing of that row may stand above it either.
    lblClasse->SetLeft(std::max(classLeft, left + std::max(lblNom->Width(), lblPrenom->Width()) + gap));
    lblClasse->fitWidth(edge - row - gap - lblClasse->Left());
    const int shift = std::max(0, lblClasse->Left() + lblClasse->Width() + gap - scoreLeft);
    for (Label* l : {lblScoreCaption.data(), lblScore.data(), Label22.data(), lblNote.data()})
        l->SetLeft(l->Left() + shift);
}

void frmBilan::cmdPrint_Click() {
    const Page shown = page();
    if (!printer || !printer(shown)) offerPdf(shown);
}

void frmBilan::offerPdf(const Page& page) {
    // Each dialog may go with its window, or be destroyed by another program: it is held in a QPointer,
    // and a dialog gone without an answer is a Cancel (see runModal).
    QPointer<QMessageBox> box = new QMessageBox(
        QMessageBox::Warning, QStringLiteral("Impression"),
        QStringLiteral("Le bilan n'a pas pu être imprimé : aucune imprimante n'est disponible ou "
                       "l'impression a échoué.\n\nVeux-tu enregistrer le bilan dans un fichier PDF ?"),
        QMessageBox::NoButton, window());
    QPushButton* save = box->addButton(QStringLiteral("Enregistrer en PDF"), QMessageBox::AcceptRole);
    box->addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box->setObjectName(QStringLiteral("msgImpression"));
    runModal(box);
    const bool wanted = box && box->clickedButton() == save;
    delete box;
    if (!wanted || !loaded() || endRequested()) return;

    const QString proposed =
        safeFileName(QStringLiteral("Bilan %1 %2").arg(nav_.record.Nom, nav_.record.Prenom));
    QString path;
    if (choosePdfFile) {
        path = choosePdfFile(window(), QDir::home().filePath(proposed));
    } else {
        // Qt's own dialog, in French, on every desktop: a desktop's own one is a window the program does
        // not own, whose destruction from outside it would never hear of.
        QPointer<QFileDialog> dialog =
            new QFileDialog(window(), QStringLiteral("Enregistrer le bilan"), QDir::homePath(),
                            QStringLiteral("Fichier PDF (*.pdf)"));
        dialog->setObjectName(QStringLiteral("dlgEnregistrer"));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->selectFile(proposed);
        if (runModal(dialog) == QDialog::Accepted && dialog) path = dialog->selectedFiles().value(0);
        delete dialog;
    }
    if (path.isEmpty() || !loaded() || endRequested()) return;
    QString reason;
    if (savePdf(page, path, &reason) || !loaded() || endRequested()) return;
    QPointer<QMessageBox> failed =
        new QMessageBox(QMessageBox::Warning, QStringLiteral("Impression"),
                        QStringLiteral("Le fichier n'a pas pu être enregistré :\n%1\n\nRaison : %2.")
                            .arg(QDir::toNativeSeparators(path), reason),
                        QMessageBox::Ok, window());
    failed->setObjectName(QStringLiteral("msgEnregistrement"));
    runModal(failed);
    delete failed;
}

void frmBilan::cmdQuitter_Click() { End(); }
