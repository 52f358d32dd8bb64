#include "exercises/exercice18.h"

using namespace forms;

namespace {

const QString kDir = QStringLiteral(":/assets/ex18/");
const FontDef kBold975{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kBold9{QStringLiteral("Arial"), 9, Weight::Bold};
const FontDef kSansBold12{QStringLiteral("MS Sans Serif"), 12, Weight::Bold};
const FontDef kUnderlined975{QStringLiteral("Arial"), 9.75, Weight::Bold, true};
constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kRed = 0x1010D6;
constexpr BgrColor kCream = 0xD3F2F8;
constexpr BgrColor kNucleusGrey = 0xE7E9EF;
constexpr BgrColor kBeige = 0xDDE6EE;

// A spermatozoon receives one chromosome of each pair: one 9 (1 or 2) and one sex chromosome (3 or 4).
// The numbers placed are judged by their sum alone, so every sum from 4 to 6 passes.
constexpr int kLowestRightSum = 4;
constexpr int kHighestRightSum = 6;

constexpr int kPlaceWidth = 255;
constexpr int kPlaceHeight = 1215;
constexpr int kPlaceTop = 5760;
constexpr int kPlaceLeft[] = {0, 8400, 8760, 9120, 9480}; // places 1 .. 4

struct Chromosome {
    int index;
    const char* picture;
    QRect rect;
    const char* shows;
};
const Chromosome kChromosomes[] = {
    {1, "chromosome9_A.svg", {8280, 2640, 210, 1185}, "Chromosome n°9 portant l'allèle A"},
    {2, "chromosome9_O.svg", {8640, 2640, 225, 1185}, "Chromosome n°9 portant l'allèle O"},
    {3, "chromosome_X.svg", {9240, 3000, 210, 855}, "Chromosome X"},
    {4, "chromosome_Y.svg", {9480, 3360, 210, 450}, "Chromosome Y"},
};

// Letters and captions, auto-sized where no size is given. `inFrame` puts them on the correction.
struct Text {
    const char* name;
    const char* caption;
    QRect rect;
    const FontDef* font;
    BgrColor color;
    Align align;
    bool inFrame;
};
// clang-format off
const Text kTexts[] = {
    {"Label14", "9", {8280, 2400, 0, 0}, &kBold975, 0, Align::Left, false},
    {"Label4", "A", {8040, 3480, 0, 0}, &kBold975, 0, Align::Left, false},
    {"Label13", "9", {8640, 2400, 0, 0}, &kBold975, 0, Align::Left, false},
    {"Label2", "O", {8880, 3480, 0, 0}, &kBold975, 0, Align::Left, false},
    {"Label3", "X", {9240, 2760, 0, 0}, &kBold975, 0, Align::Left, false},
    {"Label5", "Y", {9480, 3120, 0, 0}, &kBold975, 0, Align::Left, false},
    {"Label8", "Cellule-mère de spermatozoïde", {4200, 2400, 2205, 660}, &kSansBold12, 0, Align::Centre, false},
    {"Label7", "Spermatozoïde", {5880, 5520, 0, 0}, &kSansBold12, 0, Align::Centre, false},
    {"Label15", "9", {5040, 600, 0, 0}, &kBold975, 0, Align::Left, true},
    {"Label11", "A", {4800, 1680, 0, 0}, &kBold9, 0, Align::Left, true},
    {"Label12", "Y", {5640, 1200, 0, 0}, &kBold9, 0, Align::Left, true},
    {"Label9", "Exemple de spermatozoïde", {360, 360, 0, 0}, &kUnderlined975, kRed, Align::Left, true},
    {"Label10", "Chaque spermatozoïde reçoit l'un ou l'autre des chromosomes de chaque paire.",
     {480, 2400, 6375, 615}, &kBold975, kRed, Align::Left, true},
};
// clang-format on

const char* const kInstruction =
    "Voici une cellule-mère de spermatozoïde d'un homme avec sa paire de chromosomes sexuels et ses "
    "chromosomes n°9. Déplace les chromosomes nécessaires pour reconstituer l'équipement chromosomique d'un "
    "spermatozoïde.";
const char* const kSpermatozoon = "Spermatozoïde couché : flagelle ondulé et grosse tête ovale";

QString u(const char* s) {
    return QString::fromUtf8(s);
}

// What a screen reader says of a place; a filled one adds the chromosome it holds.
QString placeName(int place) {
    return QStringLiteral("Place %1 du spermatozoïde").arg(place);
}

} // namespace

Exercice18::Exercice18(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

int* Exercice18::numPlace(int place) {
    switch (place) {
    case 1:
        return &numPlace1;
    case 2:
        return &numPlace2;
    case 3:
        return &numPlace3;
    case 4:
        return &numPlace4;
    default:
        return nullptr;
    }
}

void Exercice18::buildContent() {
    // Back to front: instruction, mother cell, spermatozoon, ovals, letters, then places and chromosomes.
    make<Shape>("Shape8")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 3495);
    make<Label>("Label6")
        ->font(kBold975)
        ->color(kBrown)
        ->wrap()
        ->setCaption(u(kInstruction))
        ->at(360, 6360, 2295, 3135);

    make<Shape>("Shape6")->kind(ShapeKind::Circle)->fill(kCream)->at(7200, 1920, 3495, 2775);
    make<Shape>("Shape7")
        ->kind(ShapeKind::Circle)
        ->fill(kNucleusGrey)
        ->border(0, 1, LineStyle::Dash)
        ->at(7560, 2160, 2775, 2295);
    make<Picture>("Image2")->source(kDir + "fleche_bas.svg")->at(8880, 4680, 165, 705);
    make<Picture>("Image3")
        ->source(kDir + "spermatozoide.svg")
        ->describe(u(kSpermatozoon))
        ->at(3960, 5400, 6570, 2010);
    make<Shape>("Shape2")
        ->kind(ShapeKind::Oval)
        ->fill(kBeige)
        ->border(0, 1, LineStyle::Dash)
        ->at(7920, 5520, 2415, 1695);

    buildCorrection();
    for (const Text& t : kTexts) {
        auto* l = make<Label>(t.name, t.inFrame ? frameRep.data() : nullptr)
                      ->font(*t.font)
                      ->color(t.color)
                      ->align(t.align)
                      ->setCaption(u(t.caption))
                      ->at(t.rect.x(), t.rect.y(), t.rect.width(), t.rect.height());
        if (t.rect.isEmpty())
            l->autoSize();
        else
            l->wrap();
    }

    for (int place = 1; place <= 4; ++place) {
        make(img, "img", place)
            ->bordered()
            ->source(QString(), false)
            ->describe(placeName(place))
            ->drop([this, place](Control* src, int x, int y) { img_DragDrop(place, src, x, y); })
            ->at(kPlaceLeft[place], kPlaceTop, kPlaceWidth, kPlaceHeight);
    }
    // No drag icon: the chromosome's own outline follows the pointer.
    for (const Chromosome& c : kChromosomes) {
        make(Image1, "Image1", c.index)
            ->source(kDir + c.picture)
            ->describe(u(c.shows))
            ->draggable()
            ->at(c.rect.x(), c.rect.y(), c.rect.width(), c.rect.height());
    }

    cmdEffacer = make<CommandButton>("cmdEffacer")
                     ->setCaption(QStringLiteral("Effacer"))
                     ->click([this] { cmdEffacer_Click(); })
                     ->at(10680, 6240, 975, 375);
    tabOrder({cmdEffacer});
}

void Exercice18::buildCorrection() {
    frameRep = make<Frame>("frameRep")->back(0xFFFFFF)->bordered(false)->at(3720, 7560, 7215, 3135)->hidden();
    make<Shape>("Shape4", frameRep)->border(kRed)->at(120, 240, 6975, 2895);
    make<Picture>("Image4", frameRep)
        ->source(kDir + "spermatozoide.svg")
        ->describe(u(kSpermatozoon))
        ->at(240, 360, 6570, 2010);
    make<Shape>("Shape3", frameRep)
        ->kind(ShapeKind::Oval)
        ->fill(kBeige)
        ->border(0, 1, LineStyle::Dash)
        ->at(4200, 480, 2415, 1695);
    make<Picture>("Image6", frameRep)
        ->source(kDir + kChromosomes[0].picture)
        ->describe(u(kChromosomes[0].shows))
        ->at(5040, 840, 210, 1185);
    make<Picture>("Image7", frameRep)
        ->source(kDir + kChromosomes[3].picture)
        ->describe(u(kChromosomes[3].shows))
        ->at(5640, 1440, 210, 450);
}

void Exercice18::loadContent() {
    numPlace1 = numPlace2 = numPlace3 = numPlace4 = 0;
}

void Exercice18::img_DragDrop(int index, Control* source, int, int) {
    // Only the four chromosomes are dragged onto the places.
    const int k = source ? source->Index() : -1;
    Picture* place = img[index];
    if (!place || k < 1 || k > 4 || Image1[k] != source) return;
    place->setPicture(Image1[k]);
    *numPlace(index) = k;
    place->bordered(false);
    place->describe(placeName(index) + QStringLiteral(" : ") + Image1[k]->accessibleText());
}

void Exercice18::cmdEffacer_Click() {
    numPlace1 = numPlace2 = numPlace3 = numPlace4 = 0;
    img.forEach([](int index, Picture* place) {
        place->describe(placeName(index));
        place->source(QString(), false);
        place->bordered();
        place->SetWidth(kPlaceWidth);
        place->SetHeight(kPlaceHeight);
    });
}

std::vector<QWidget*> Exercice18::answerControls() {
    return {Image1[1], Image1[2], Image1[3], Image1[4], cmdEffacer};
}

Verdict Exercice18::verdict() {
    const int sum = numPlace1 + numPlace2 + numPlace3 + numPlace4;
    return sum >= kLowestRightSum && sum <= kHighestRightSum ? Verdict::Right : Verdict::Wrong;
}

void Exercice18::revealCorrection() {
    frameRep->SetVisible(true);
}

bool Exercice18::enterRightAnswers() {
    cmdEffacer_Click(); // chromosomes the pupil placed before would count too
    img_DragDrop(1, Image1[1], 0, 0);
    img_DragDrop(2, Image1[4], 0, 0);
    return true;
}

void Exercice18::enterWrongAnswers() {
    img_DragDrop(1, Image1[1], 0, 0);
    img_DragDrop(2, Image1[2], 0, 0);
}
