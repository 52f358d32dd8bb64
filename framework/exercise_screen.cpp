#include "framework/exercise_screen.h"

#include "framework/dragdrop.h"

#include <QFontMetrics>

namespace forms {

namespace messages {
const QString instruction = QStringLiteral("Réponds aux questions posées puis clique sur Validation.");
const QString success = QStringLiteral("Tu as réussi cet exercice, clique sur Continuer pour passer à la suite.");
const QString failure = QStringLiteral(
    "Tu as commis des erreurs. Si tu désires voir la correction de cet exercice, clique sur Correction. "
    "Sinon clique sur Continuer pour passer à la suite.");
const QString failureTypo = QStringLiteral(
    "Tu as commis des erreurs. Si tu désires voir la corrcetion de cet exercice, clique sur Correction. "
    "Sinon clique sur Continuer pour passer à la suite.");
const QString correction = QStringLiteral("Regarde la correction puis clique sur Continuer pour passer à la suite.");
} // namespace messages

namespace {
const FontDef kNumberFont{QStringLiteral("Arial"), 12, Weight::Bold};
const FontDef kTitleFont{QStringLiteral("Arial"), 21.75, Weight::Bold};
const FontDef kInfoFont{QStringLiteral("Arial"), 9.75, Weight::Bold};
const QString kPictures = QStringLiteral(":/assets/common/");
} // namespace

// Function keys: no access key uses them, typing never produces them, lists and text boxes leave them alone.
const QKeySequence kValidationKey(Qt::Key_F5);
const QKeySequence kCorrectionKey(Qt::Key_F6);
const QKeySequence kContinuerKey(Qt::Key_F7);
const QKeySequence kAbandonKey(Qt::Key_F8);

ExerciseScreen::ExerciseScreen(const ExerciseInfo& info, ExerciseHost* host)
    : Form(QStringLiteral("Exercice%1").arg(info.number)), info_(info), host_(host) {}

WindowDesign ExerciseScreen::design() const {
    WindowDesign d;
    d.caption = info_.emptyCaption ? QString() : QStringLiteral("Génétique 3ème");
    d.style = WindowStyle::BorderlessMaximised;
    d.clientWidth = info_.clientWidth;
    d.clientHeight = info_.clientHeight;
    d.back = info_.back;
    return d;
}

void ExerciseScreen::build() {
    const ExerciseInfo& i = info_;
    // Back to front: the panels, then the band and its title, then the buttons and marks.
    if (i.hasPanel) {
        auto* panel = make<Shape>(i.panel)->border(0x1010D6, 2);
        panel->at(i.panelRect.x(), i.panelRect.y(), i.panelRect.width(), i.panelRect.height());
        if (i.panelOpaque) panel->fill(0xFFFFFF);
    }
    make<Shape>(i.infoBox)->kind(ShapeKind::RoundedRectangle)->fill(0xE7E9EF)->at(240, 3720, 2415, 2175);
    make<Label>(i.numberLabel)
        ->font(kNumberFont)
        ->setCaption(QStringLiteral("Exercice %1").arg(i.number))
        ->at(240, 240, i.number < 10 ? 1185 : 1320, 285)
        ->autoSize();
    make<Shape>(i.band)
        ->kind(ShapeKind::RoundedRectangle)
        ->fill(i.bandColor)
        ->at(i.bandRect.x(), i.bandRect.y(), i.bandRect.width(), i.bandRect.height());
    auto* title = make<Label>(i.titleLabel)->font(kTitleFont)->color(i.titleColor)->align(Align::Centre);
    title->setCaption(i.title);
    int width = i.titleWidth;
    if (width < 0) {
        // As wide as the title in the design font, centred on the band.
        const int textPx = QFontMetrics(title->QWidget::font()).horizontalAdvance(i.title);
        width = int(textPx * twipsPerPixel() / scale()) + 120;
    }
    const int left = i.titleLeft >= 0 ? i.titleLeft : i.bandRect.x() + (i.bandRect.width() - width) / 2;
    title->at(left, 600, width, 510);
    make<Line>(i.rule)->pen(0x000000, 5)->from(240, 1320, 15000, 1320);

    lblInfo = make<Label>(QStringLiteral("lblInfo"))->font(kInfoFont)->wrap()->setCaption(i.infoCaption)->at(360, 3840, 2175, 1935);
    imgValidation = make<Picture>(QStringLiteral("imgValidation"))
                        ->source(kPictures + "btn_validation.svg")
                        ->button(QStringLiteral("Validation"))
                        ->shortcut(kValidationKey)
                        ->click([this] { imgValidation_Click(); })
                        ->at(240, 1680, 1710, 495);
    imgCorrection = make<Picture>(QStringLiteral("imgCorrection"))
                        ->source(kPictures + "btn_correction.svg")
                        ->button(QStringLiteral("Correction"))
                        ->shortcut(kCorrectionKey)
                        ->click([this] { imgCorrection_Click(); })
                        ->at(240, 2280, 1710, 495)
                        ->hidden();
    imgContinuer = make<Picture>(QStringLiteral("imgContinuer"))
                       ->source(kPictures + "btn_continuer.svg")
                       ->button(QStringLiteral("Continuer"))
                        ->shortcut(kContinuerKey)
                       ->click([this] { imgContinuer_Click(); })
                       ->at(240, 2880, 1710, 495)
                       ->hidden();
    imgAbandon = make<Picture>(QStringLiteral("imgAbandon"))
                     ->source(kPictures + "abandon_q.svg")
                     ->button(QStringLiteral("Abandon"))
                        ->shortcut(kAbandonKey)
                     ->click([this] { imgAbandon_Click(); })
                     ->at(i.abandonLeft, 120, 390, 405);
    imgBon = make<Picture>(QStringLiteral("imgBon"))
                 ->source(kPictures + "tick.svg")
                 ->describe(QStringLiteral("Coche verte : exercice réussi"))
                 ->at(i.bonAt.x(), i.bonAt.y(), 450, 405)
                 ->hidden();
    imgfaux = make<Picture>(QStringLiteral("imgfaux"))
                  ->source(kPictures + "cross.svg")
                  ->describe(QStringLiteral("Croix rouge : exercice échoué"))
                  ->at(i.fauxRect.x(), i.fauxRect.y(), i.fauxRect.width(), i.fauxRect.height())
                  ->hidden();
    buildContent();
}

void ExerciseScreen::Form_Load() {
    QString instruction = messages::instruction;
    if (info_.instructionWithoutStop) instruction.chop(1);
    lblInfo->setCaption(instruction);
    loadContent();
}

void ExerciseScreen::imgValidation_Click() {
    if (!loaded() || !imgValidation->Visible()) return;
    // Nothing is carried past Validation: the answers are read as they lie.
    DragController::instance().cancel();
    imgValidation->SetVisible(false);
    imgAbandon->SetVisible(false);
    for (QWidget* w : answerControls())
        if (w) w->setEnabled(false);
    if (info_.continuerBeforeComparing) imgContinuer->SetVisible(true);
    const Verdict v = verdict();
    if (v == Verdict::Right) {
        lblInfo->setCaption(messages::success);
        imgBon->SetVisible(true);
        if (host_) host_->exerciseValidated(info_.number, true);
        imgContinuer->SetVisible(true);
    } else {
        lblInfo->setCaption(v == Verdict::WrongWithTypo ? messages::failureTypo : messages::failure);
        imgfaux->SetVisible(true);
        imgCorrection->SetVisible(true);
        imgContinuer->SetVisible(true);
        if (host_) host_->exerciseValidated(info_.number, false);
    }
}

void ExerciseScreen::imgCorrection_Click() {
    if (!loaded() || !imgCorrection->Visible()) return;
    if (!info_.keepsCrossOnCorrection) imgfaux->SetVisible(false);
    if (!info_.keepsInfoOnCorrection)
        lblInfo->setCaption(info_.correctionMessage.isEmpty() ? messages::correction : info_.correctionMessage);
    imgCorrection->SetVisible(false);
    revealCorrection();
}

void ExerciseScreen::closedByUser() {
    if (imgAbandon && imgAbandon->Visible()) imgAbandon_Click();
    else imgContinuer_Click();
}

void ExerciseScreen::imgContinuer_Click() {
    if (!loaded()) return;
    Unload();
}

void ExerciseScreen::imgAbandon_Click() {
    if (!loaded() || !imgAbandon->Visible()) return;
    if (host_) host_->exerciseAbandoned(info_.number);
    Unload();
}

} // namespace forms
