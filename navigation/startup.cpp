// The splash screen, the notice on screen resolution and the identification screen.
#include "navigation/navigation.h"

#include "framework/pictures.h"

using namespace forms;

namespace {
const BgrColor kGrey = 0xE7E9EF;
const BgrColor kNavy = 0x800000;
const QString kNotice = QStringLiteral("Ce logiciel est optimisé pour un affichage en 1024 x 768. En "
                                       "dessous, l'affichage ne sera pas complet et "
                                       "gênera la lecture des exercices.");
const QString kSplashPicture = QStringLiteral(":/assets/common/splash_chromosome.svg");
const QRect kSplashPictureAt(0, 960, 7485, 6375);
} // namespace

// ---------------------------------------------------------------- frmPresentation

void frmPresentation::drawAhead() {
    forms::drawAhead(kSplashPicture, kSplashPictureAt);
}

WindowDesign frmPresentation::design() const {
    return {QStringLiteral("Morvix3"), WindowStyle::Sizable, 7215, 6735, 0x000000};
}

void frmPresentation::build() {
    // The picture is larger than the window: its right and bottom edges are cut off.
    Image1 = make<Picture>("Image1")
                 ->source(kSplashPicture)
                 ->describe("Un chromosome bleu-violet en forme de X, sur fond noir")
                 ->click([this] { Image1_Click(); })
                 ->at(kSplashPictureAt.x(), kSplashPictureAt.y(), kSplashPictureAt.width(), kSplashPictureAt.height());
    Label3 = make<Label>("Label3")
                 ->font({"Arial", 48, Weight::Bold})
                 ->color(0xFFC0C0)
                 ->align(Align::Centre)
                 ->setCaption("Morvelle 3")
                 ->at(1080, 240, 4905, 1125)
                 ->autoSize();
    lblSuite = make<Label>("lblSuite")
                   ->font({"MS Sans Serif", 9.75})
                   ->color(0xFF8080)
                   ->opaque(0x000000)
                   ->setCaption("Clique sur l'image pour continuer")
                   ->hidden() // first, so that it is measured when it shows, not while the program starts
                   ->at(2880, 1320, 3015, 255);
    Label2 = make<Label>("Label2")
                 ->color(0xC0FFFF)
                 ->opaque(0x000000)
                 ->align(Align::Centre)
                 ->setCaption(QStringLiteral("© 2003"))
                 ->at(120, 6360, 825, 195)
                 ->autoSize();
    Timer1 = makeTimer()->every(1500, [this] { Timer1_Timer(); });
    Timer1->start();
}

void frmPresentation::Timer1_Timer() {
    if (lblSuite) lblSuite->SetVisible(true);
}

void frmPresentation::Image1_Click() {
    Unload();
    nav_.info1.Show();
}

// ---------------------------------------------------------------- frmInfo1

WindowDesign frmInfo1::design() const {
    return {QStringLiteral("Informations"), WindowStyle::Sizable, 4725, 3195, kGrey};
}

void frmInfo1::build() {
    lbl1 = make<Label>("lbl1")
               ->font({"MS Sans Serif", 13.5, Weight::Bold})
               ->color(kNavy)
               ->wrap()
               ->setCaption(kNotice)
               ->at(240, 240, 4215, 1935);
    Label1 = make<Label>("Label1")
                 ->font({"Arial", 8.25, Weight::Bold})
                 ->wrap()
                 ->setCaption("Clique sur J'ai lu ou appuie sur Alt + L pour continuer")
                 ->at(480, 2520, 2655, 495);
    cmdOK = make<CommandButton>("cmdOK")
                ->setCaption("J'ai &lu")
                ->font({"Arial", 9.75, Weight::Bold})
                ->face(kGrey)
                ->click([this] { cmdOK_Click(); })
                ->at(3600, 2640, 975, 375);
    tabOrder({cmdOK});
}

void frmInfo1::Form_Load() { lbl1->setCaption(kNotice); }

void frmInfo1::cmdOK_Click() {
    Unload();
    nav_.id.Show();
}

// ---------------------------------------------------------------- frmId

WindowDesign frmId::design() const {
    return {QStringLiteral("Génétique 3ème"), WindowStyle::FixedDialog, 3630, 3390, kGrey};
}

void frmId::build() {
    const FontDef field{"Arial", 11.25, Weight::Bold};
    const FontDef typed{"Courier New", 11.25};
    Label1 = make<Label>("Label1")
                 ->font({"MS Sans Serif", 18, Weight::Bold})
                 ->color(kNavy)
                 ->align(Align::Centre)
                 ->setCaption("BIENVENUE !")
                 ->at(480, 0, 2445, 435)
                 ->autoSize();
    Label2 = make<Label>("Label2")
                 ->font({"MS Sans Serif", 9.75})
                 ->color(kNavy)
                 ->wrap()
                 ->setCaption("Identifie-toi puis clique sur Suite ou appuie sur Alt-S")
                 ->at(120, 480, 3135, 495);
    Shape2 = make<Shape>("Shape2")->border(0xFFFFFF)->at(120, 1080, 3375, 1575);
    Label3 = make<Label>("Label3")->font(field)->color(kNavy)->setCaption("Nom :")->at(240, 1200, 600, 270);
    Label4 = make<Label>("Label4")->font(field)->color(kNavy)->setCaption(QStringLiteral("Prénom :"))->at(240, 1680, 945, 270);
    Label5 = make<Label>("Label5")->font(field)->color(kNavy)->setCaption("Classe : 3")->at(240, 2160, 1020, 270);
    lblInfo = make<Label>("lblInfo")
                  ->font({"MS Sans Serif", 9.75, Weight::Bold})
                  ->color(0x0000FF)
                  ->align(Align::Centre)
                  ->setCaption("Tu dois t'identifier avant de continuer ! ")
                  ->at(120, 2760, 2595, 600)
                  ->hidden();
    // A name is one line, as a keyboard types it: a paste cannot bring line breaks, escapes or text
    // turned around into the record, the summary or the name of its file.
    txtNom = make<TextBox>("txtNom")->font(typed)->plainLine()->at(1320, 1200, 1815, 375);
    txtPrenom = make<TextBox>("txtPrenom")->font(typed)->plainLine()->at(1320, 1680, 1815, 375);
    txtClasse = make<TextBox>("txtClasse")->font(typed)->plainLine()->at(1320, 2160, 375, 375);
    Command1 = make<CommandButton>("Command1")
                   ->setCaption("&Suite")
                   ->font({"MS Sans Serif", 8.25, Weight::Bold})
                   ->face(kGrey)
                   ->click([this] { Command1_Click(); })
                   ->at(2880, 2880, 615, 375);
    tabOrder({txtNom, txtPrenom, txtClasse, Command1});
}

void frmId::Command1_Click() {
    if (txtNom->Text().isEmpty()) {
        lblInfo->SetVisible(true);
        txtNom->setFocus();
        return;
    }
    nav_.record.Nom = txtNom->Text();
    nav_.record.Prenom = txtPrenom->Text();
    nav_.record.Classe = txtClasse->Text();
    Unload();
    nav_.accueil.Show();
}
