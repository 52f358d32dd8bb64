#include "exercises/exercice7.h"

using namespace forms;

namespace {

// The five karyotypes, numbered as their pictures: each a small picture with a caption under or over it,
// and a large copy in the viewer, named in lblCaryo by the same caption. Proposals are 1 to 3.
struct Karyotype {
    int k;
    const char* file;
    QRect small;
    const char* label;
    QRect labelRect;
    const char* caption;
    QRect large;
    const char* shows; // what a screen reader says of the picture
};
// clang-format off
const Karyotype kKaryotypes[] = {
    {4, "caryotype_oeuf.svg", {3840, 2040, 1215, 1545}, "Label2", {3600, 3600, 1740, 465},
     "Caryotype de cellule-oeuf", {4440, 6000, 3975, 4305},
     "Chromosomes à bandes rangés par paires et numérotés de 1 à 22, puis la paire XY en bas à droite"},
    {5, "caryotype_embryon.svg", {5760, 2040, 1395, 1575}, "Label3", {5520, 3600, 2055, 555},
     "Caryotype de cellule embryonnaire", {4440, 6000, 4035, 4335},
     "Chromosomes à bandes rangés par paires et numérotés de 1 à 22, puis la paire XY en bas à droite"},
    {1, "caryotype1.svg", {9960, 2040, 1275, 1545}, "Label8", {10080, 1800, 1035, 225},
     "Caryotype 1", {4560, 6000, 3915, 4305},
     "Chromosomes rangés par paires et numérotés de 1 à 22, puis un X et un petit Y"},
    {2, "caryotype2.svg", {11640, 2040, 1290, 1545}, "Label11", {11760, 1800, 1035, 225},
     "Caryotype 2", {4440, 6000, 3930, 4305},
     "Chromosomes seuls, un de chaque paire, numérotés de 1 à 22, puis un X"},
    {3, "caryotype3.svg", {13320, 2040, 1290, 1545}, "Label12", {13440, 1800, 1035, 225},
     "Caryotype 3", {4440, 6000, 3930, 4305},
     "Chromosomes rangés par paires et numérotés de 1 à 22, puis une paire XX"},
};
// clang-format on
constexpr int kRightProposal = 1;

const char* const kQuestion =
    "Voici les caryotypes d'une cellule-oeuf, d'une cellule embryonnaire issue de cette cellule-oeuf. "
    "Retrouve le caryotype que doit posséder une cellule épidermique du nouveau-né lui-même issu du "
    "développement de cette cellule-oeuf en cliquant sur l'une des propositions de caryotypes.";
const char* const kExplanation =
    "Toutes les cellules de l'organisme, à l'exception des gamètes, possèdent les mêmes chromosomes que la "
    "cellule-oeuf donc la même programme génétique.";

const QString kDir = QStringLiteral(":/assets/ex07/");
constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kRed = 0x1010D6;
constexpr BgrColor kGrey = 0xE7E9EF;
const FontDef kBold9{QStringLiteral("Arial"), 9, Weight::Bold};
const FontDef kBold975{QStringLiteral("Arial"), 9.75, Weight::Bold};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

const Karyotype& karyotype(int k) {
    for (const Karyotype& c : kKaryotypes)
        if (c.k == k) return c;
    return kKaryotypes[0];
}

} // namespace

Exercice7::Exercice7(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice7::buildContent() {
    make<Shape>("Shape2")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 3855);
    make<Label>("Label5")
        ->font(kBold975)
        ->color(kBrown)
        ->wrap()
        ->setCaption(u(kQuestion))
        ->at(360, 6360, 2175, 3615);

    for (const Karyotype& c : kKaryotypes) {
        const int k = c.k;
        img[std::size_t(k)] =
            make<Picture>(QStringLiteral("img%1").arg(k))
                ->source(kDir + c.file)
                ->describe(u(c.caption) + QStringLiteral(" : ") + u(c.shows))
                ->mouseDown([this, k](int b, int s, int x, int y) { img_MouseDown(k, b, s, x, y); })
                ->at(c.small.x(), c.small.y(), c.small.width(), c.small.height());
        img[std::size_t(k)]->setAccessibleDescription(
            k <= 3 ? u("Espace pour l'afficher en grand et le choisir.")
                   : u("Espace pour l'afficher en grand."));
        make<Label>(c.label)
            ->font(kBold9)
            ->align(Align::Centre)
            ->setCaption(u(c.caption))
            ->at(c.labelRect.x(), c.labelRect.y(), c.labelRect.width(), c.labelRect.height());
    }
    make<Label>("Label4")
        ->font({QStringLiteral("Arial"), 9, Weight::Bold, true})
        ->align(Align::Centre)
        ->setCaption(QStringLiteral("Propositions de caryotypes"))
        ->at(11280, 3720, 2355, 225);

    // The viewer: one frame for the five large pictures, of which at most one shows, named above it.
    make<Shape>("Shape6")->border(0x000000)->at(4320, 5880, 4335, 4575);
    for (int k = 1; k <= 5; ++k) {
        const Karyotype& c = karyotype(k);
        Image[std::size_t(k)] = make<Picture>(QStringLiteral("Image%1").arg(k))
                                    ->source(kDir + c.file)
                                    ->describe(u(c.shows))
                                    ->at(c.large.x(), c.large.y(), c.large.width(), c.large.height())
                                    ->hidden();
    }
    lblCaryo = make<Label>("lblCaryo")
                   ->font(kBold975)
                   ->opaque(kGrey)
                   ->bordered()
                   ->align(Align::Centre)
                   ->at(4440, 5400, 3975, 375);

    buildCorrection();
}

void Exercice7::buildCorrection() {
    frameRep = make<Frame>("frameRep")->back(0xFFFFFF)->bordered(false)->at(9120, 5160, 5295, 5415)->hidden();
    make<Shape>("Shape4", frameRep)->border(kRed)->at(120, 0, 4815, 5295);
    make<Label>("Label9", frameRep)
        ->font(kBold9)
        ->color(kRed)
        ->wrap()
        ->setCaption(u(kExplanation))
        ->at(240, 240, 4575, 855);
    make<Picture>("Image13", frameRep)
        ->source(kDir + karyotype(kRightProposal).file, false)
        ->describe(u(karyotype(kRightProposal).shows))
        ->at(240, 1080, 4635, 4185);
    make<Label>("Label6", frameRep)
        ->font(kBold975)
        ->color(kRed)
        ->setCaption(QStringLiteral("Caryotype 1"))
        ->at(840, 4560, 0, 0)
        ->autoSize();
    make<Label>("Label7", frameRep)
        ->font(kBold975)
        ->color(kRed)
        ->setCaption(QStringLiteral("44 chromosomes + XY"))
        ->at(360, 4800, 0, 0)
        ->autoSize();
    // The ring over the picture's X and Y, and the stroke that ties the label to it.
    make<Shape>("Shape5", frameRep)->kind(ShapeKind::Circle)->border(kRed, 2)->at(3480, 4200, 1095, 975);
    make<Line>("Line1", frameRep)->pen(kRed, 2)->from(2520, 4920, 3600, 4680);
}

void Exercice7::loadContent() {
    numCaryo = 0;
}

void Exercice7::img_MouseDown(int k, int, int, int, int) {
    if (!loaded() || k < 1 || k > 5) return;
    // Validation disables the small pictures; whatever else calls this must respect that too.
    if (!img[std::size_t(k)] || !img[std::size_t(k)]->isEnabled()) return;
    for (int i = 1; i <= 5; ++i)
        Image[std::size_t(i)]->SetVisible(i == k);
    lblCaryo->setCaption(u(karyotype(k).caption));
    if (k <= 3) numCaryo = std::int16_t(k);
}

std::vector<QWidget*> Exercice7::answerControls() {
    return {img[1], img[2], img[3], img[4], img[5]};
}

Verdict Exercice7::verdict() {
    return numCaryo == kRightProposal ? Verdict::Right : Verdict::Wrong;
}

void Exercice7::revealCorrection() {
    // The viewer keeps the picture last shown.
    frameRep->SetVisible(true);
}

bool Exercice7::enterRightAnswers() {
    img_MouseDown(kRightProposal, 1, 0, 0, 0);
    return true;
}

void Exercice7::enterWrongAnswers() {
    img_MouseDown(3, 1, 0, 0, 0);
}
