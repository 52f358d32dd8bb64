#include "exercises/exercice15.h"

using namespace forms;

namespace {

// The alleles in the order a list's text is matched, each with the colour of its band.
struct Allele {
    QString name;
    BgrColor colour;
};
const Allele kAlleles[3] = {
    {QStringLiteral("O"), 0x8080FF}, // salmon
    {QStringLiteral("A"), 0xFFFFC0}, // light cyan
    {QStringLiteral("B"), 0xFFC0FF}, // light pink
};
// The order the lists offer them in.
const QString kItems[3] = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("O")};
// A person of group [AB] carries A on one chromosome 9 and B on the other, whichever way round.
const QString kRightPairs[2][2] = {{QStringLiteral("A"), QStringLiteral("B")},
                                   {QStringLiteral("B"), QStringLiteral("A")}};

const QString kQuestion = QStringLiteral(
    "Voici les deux chromosomes n° 9 d'une personne de groupe sanguin [AB]. Retrouve les allèles portés par "
    "chaque chromosome.");
const QString kAnswer = QStringLiteral(
    " Cette personne étant de groupe sanguin [AB], un de ses chromosomes n°9 porte l'allèle A et l'autre "
    "chromosome porte l'allèle B.");

// Every arm is as wide as a band: a short upper arm above a long lower one.
const int kArmWidth = 855, kUpperHeight = 1215, kLowerHeight = 3375, kBandHeight = 495;

const BgrColor kBrown = 0x254189, kGrey = 0xE0E0E0, kRed = 0x0000FF;
const FontDef kBold{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kListFont{QStringLiteral("Arial"), 14.25, Weight::Bold};
const FontDef kLetterFont{QStringLiteral("Arial"), 18, Weight::Bold};

} // namespace

Exercice15::Exercice15(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice15::buildContent() {
    Shape11 =
        make<Shape>("Shape11")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6120, 2415, 1935);
    lblQuestion = make<Label>("lblQuestion")
                      ->font(kBold)
                      ->color(kBrown)
                      ->wrap()
                      ->setCaption(kQuestion)
                      ->at(480, 6240, 2235, 1755);

    auto arm = [this](const char* name, int left, int top, int height, QWidget* parent = nullptr) {
        return make<Shape>(name, parent)
            ->kind(ShapeKind::RoundedRectangle)
            ->fill(kGrey)
            ->at(left, top, kArmWidth, height);
    };
    auto bandShape = [this](const QString& name, BgrColor colour, int left, int top,
                            QWidget* parent = nullptr) {
        return make<Shape>(name, parent)->fill(colour)->at(left, top, kArmWidth, kBandHeight);
    };

    // The pupil's chromosomes: arms behind, the bands in front of the lower arm, all hidden.
    Shape1Exo5 = arm("Shape1Exo5", 4920, 2280, kUpperHeight);
    Shape3Exo5 = arm("Shape3Exo5", 4920, 3480, kLowerHeight);
    Shape5Exo5 = arm("Shape5Exo5", 6360, 2280, kUpperHeight);
    Shape4Exo5 = arm("Shape4Exo5", 6360, 3480, kLowerHeight);
    for (int k = 1; k <= 2; ++k)
        for (int a = 0; a < 3; ++a)
            band[k][a] = bandShape(QStringLiteral("Shape%1%2").arg(kAlleles[a].name).arg(k),
                                   kAlleles[a].colour, k == 1 ? 4920 : 6360, 4920)
                             ->hidden();

    Combo1 = make<ComboBox>("Combo1");
    Combo2 = make<ComboBox>("Combo2");
    for (int k = 1; k <= 2; ++k) {
        list(k)
            ->font(kListFont)
            ->colors(kRed, kGrey)
            ->click([this, k] { Combo_Click(k); })
            ->at(k == 1 ? 4080 : 7440, 4920, 615, 450)
            ->setTextValue(QStringLiteral("allèle %1").arg(k));
    }

    // The correction: the same two chromosomes, with A on the first and B on the second.
    frameRep = make<Frame>("frameRep")->back(0xFFFFFF)->at(9360, 2040, 4335, 4935)->hidden();
    Shape2Exo5 = arm("Shape2Exo5", 960, 240, kUpperHeight, frameRep);
    Shape7Exo5 = arm("Shape7Exo5", 960, 1440, kLowerHeight, frameRep);
    Shape10Exo5 = bandShape("Shape10Exo5", kAlleles[1].colour, 960, 3120, frameRep);
    Shape6Exo5 = arm("Shape6Exo5", 2400, 240, kUpperHeight, frameRep);
    Shape8Exo5 = arm("Shape8Exo5", 2400, 1440, kLowerHeight, frameRep);
    Shape9Exo5 = bandShape("Shape9Exo5", kAlleles[2].colour, 2400, 3120, frameRep);
    auto letter = [this](const char* name, const QString& allele, int left) {
        return make<Label>(name, frameRep)
            ->font(kLetterFont)
            ->color(kRed)
            ->setCaption(allele)
            ->at(left, 3120, 375, 375);
    };
    lblRepExo5Al1 = letter("lblRepExo5Al1", kAlleles[1].name, 600);
    lblRepExo5Al2 = letter("lblRepExo5Al2", kAlleles[2].name, 3360);

    cadreRep = make<Shape>("cadreRep")->border(0x0000C0)->at(9960, 7200, 3015, 1455)->hidden();
    lblRep = make<Label>("lblRep")
                 ->font(kBold)
                 ->color(0x1010D6)
                 ->wrap()
                 ->setCaption(kAnswer)
                 ->at(10080, 7320, 2805, 1305)
                 ->hidden();
    tabOrder({Combo1, Combo2});
}

void Exercice15::loadContent() {
    for (int k = 1; k <= 2; ++k)
        for (const QString& item : kItems)
            list(k)->AddItem(item);
}

void Exercice15::Combo_Click(int k) {
    if (!loaded()) return;
    for (Shape* s : band[k])
        s->SetVisible(false);
    const QString text = list(k)->Text();
    for (int a = 0; a < 3; ++a) {
        if (text == kAlleles[a].name) {
            band[k][a]->SetVisible(true);
            break;
        }
    }
}

std::vector<QWidget*> Exercice15::answerControls() {
    return {Combo1, Combo2};
}

Verdict Exercice15::verdict() {
    for (const auto& pair : kRightPairs)
        if (Combo1->Text() == pair[0] && Combo2->Text() == pair[1]) return Verdict::Right;
    return Verdict::Wrong;
}

void Exercice15::revealCorrection() {
    // A drawing of its own: the pupil's lists and bands stay as they were.
    frameRep->SetVisible(true);
    lblRep->SetVisible(true);
    cadreRep->SetVisible(true);
}

void Exercice15::choose(int k, const QString& allele) {
    // As the pupil's pick: the item becomes current, then the list reports it.
    list(k)->setCurrentIndex(list(k)->findText(allele));
    Combo_Click(k);
}

bool Exercice15::enterRightAnswers() {
    choose(1, kRightPairs[0][0]);
    choose(2, kRightPairs[0][1]);
    return true;
}

void Exercice15::enterWrongAnswers() {
    // Group [AB] read as A on one chromosome and O on the other.
    choose(1, kAlleles[1].name);
    choose(2, kAlleles[0].name);
}
