#include "exercises/exercice4.h"

using namespace forms;

namespace {

const QString kChromatid = QStringLiteral("chromatide");
// The grave accent is the one slip forgiven: the spelling taught is the first.
const QString kCentromere[2] = {QStringLiteral("centromère"), QStringLiteral("centromere")};

const QString kPhotoCaption = QStringLiteral("Chromosome observé au MEB (x3000)");
const QString kDrawingCaption = QStringLiteral("Schéma");
const QString kQuestion =
    QStringLiteral("Complète la légende. Veille à ne pas faire de fautes d'orthographe.");

const BgrColor kBrown = 0x254189, kPointer = 0x0000C0, kRed = 0x0000FF;
const FontDef kBold{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kBox{QStringLiteral("Arial"), 11.25};
const FontDef kAnswer{QStringLiteral("Times New Roman"), 9.75, Weight::Bold};
const QString kPictures = QStringLiteral(":/assets/ex04/");

} // namespace

Exercice4::Exercice4(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice4::buildContent() {
    Image4 =
        make<Picture>("Image4")
            ->source(kPictures + "chromosome_meb.svg")
            ->describe(QStringLiteral("Photographie au microscope électronique à balayage d'un chromosome : "
                                      "deux bâtonnets clairs côte à côte, serrés l'un contre l'autre en "
                                      "un point un peu au-dessus du milieu"))
            ->at(5520, 2640, 1740, 3210);
    Label4 = make<Label>("Label4")
                 ->font(kBold)
                 ->align(Align::Centre)
                 ->wrap()
                 ->setCaption(kPhotoCaption)
                 ->at(5520, 5880, 1695, 855);
    Image5 =
        make<Picture>("Image5")
            ->source(kPictures + "chromosome_schema.svg")
            ->describe(QStringLiteral("Schéma du même chromosome : deux bâtonnets gris côte à côte, réunis "
                                      "par un petit ovale gris foncé un peu au-dessus du milieu"))
            ->at(11400, 2640, 1740, 3210);
    Label2 = make<Label>("Label2")
                 ->font(kBold)
                 ->align(Align::Centre)
                 ->setCaption(kDrawingCaption)
                 ->at(11850, 5880, 795, 240)
                 ->autoSize();

    // Drawn over the pictures, so that each pointer visibly ends on its part: the upper row on a chromatid,
    // the lower one on the centromere.
    auto pointer = [this](const char* name, int x1, int x2, int y) {
        return make<Line>(name)->pen(kPointer, 3)->from(x1, y, x2, y);
    };
    Line11 = pointer("Line11", 6720, 8400, 3480);
    Line12 = pointer("Line12", 10080, 12120, 3480);
    Line9 = pointer("Line9", 6840, 8400, 3960);
    Line10 = pointer("Line10", 10080, 11880, 3960);

    txt1 = make<TextBox>("txt1")->font(kBox)->align(Align::Centre)->at(8520, 3240, 1455, 375);
    txt2 = make<TextBox>("txt2")->font(kBox)->align(Align::Centre)->at(8520, 3840, 1455, 375);
    lblRep1 = make<Label>("lblRep1")
                  ->font(kAnswer)
                  ->color(kRed)
                  ->setCaption(kChromatid)
                  ->at(10080, 3240, 1335, 255)
                  ->hidden();
    lblRep2 = make<Label>("lblRep2")
                  ->font(kAnswer)
                  ->color(kRed)
                  ->setCaption(kCentromere[0])
                  ->at(10080, 3720, 1335, 255)
                  ->hidden();

    Shape11 =
        make<Shape>("Shape11")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2295, 1215);
    lblQuestion = make<Label>("lblQuestion")
                      ->font(kBold)
                      ->color(kBrown)
                      ->wrap()
                      ->setCaption(kQuestion)
                      ->at(360, 6360, 1995, 1275);
    tabOrder({txt1, txt2});
}

std::vector<QWidget*> Exercice4::answerControls() {
    return {txt1, txt2};
}

Verdict Exercice4::verdict() {
    const QString centromere = txt2->Text();
    const bool right =
        txt1->Text() == kChromatid && (centromere == kCentromere[0] || centromere == kCentromere[1]);
    return right ? Verdict::Right : Verdict::Wrong;
}

void Exercice4::revealCorrection() {
    // Both words, whichever was wrong; the pupil's texts stay in their boxes.
    lblRep1->SetVisible(true);
    lblRep2->SetVisible(true);
}

bool Exercice4::enterRightAnswers() {
    txt1->setText(kChromatid);
    txt2->setText(kCentromere[0]);
    return true;
}

void Exercice4::enterWrongAnswers() {
    // The two words in each other's box.
    txt1->setText(kCentromere[0]);
    txt2->setText(kChromatid);
}
