#include "exercises/exercice8.h"

#include "exercises/exercise_table.h"

using namespace forms;

namespace {

// The ten candidate chromosomes: colour, where each daughter cell draws it, the name and width of its
// sample in each grid, and whether the answer needs it in both cells.
struct Candidate {
    BgrColor colour;
    QRect inCell[2];
    const char* sample[2];
    int sampleWidth;
    bool expected;
};
const Candidate kCandidates[11] = {
    {},
    {0xE0E0E0, {{9720, 2400, 855, 135}, {9360, 6840, 855, 135}}, {"Shape5", "Shape15"}, 855, false},
    {0xC0FFC0, {{10440, 2640, 135, 615}, {10320, 5640, 135, 615}}, {"Shape6", "Shape16"}, 855, false},
    {0xFFFFC0, {{9720, 3000, 135, 735}, {9840, 5640, 135, 735}}, {"Shape7", "Shape17"}, 855, false},
    {0x808080, {{10560, 3360, 495, 135}, {10560, 6720, 495, 135}}, {"Shape12", "Shape21"}, 495, false},
    {0xC0E0FF, {{9600, 2760, 495, 135}, {10200, 6360, 495, 135}}, {"Shape10", "Shape19"}, 495, false},
    {0x0000FF, {{9360, 2880, 135, 735}, {9480, 6000, 135, 735}}, {"Shape8", "Shape18"}, 855, true},
    {0xC0FFFF, {{10080, 3240, 135, 495}, {10320, 6600, 135, 495}}, {"Shape13", "Shape22"}, 495, true},
    {0xFFC0FF, {{9840, 3840, 855, 135}, {9720, 7200, 855, 135}}, {"Shape4", "Shape9"}, 855, true},
    {0xFF00FF, {{10440, 3600, 495, 135}, {9720, 6600, 495, 135}}, {"Shape11", "Shape20"}, 495, false},
    {0xFF8080, {{10800, 2760, 135, 495}, {10800, 6120, 135, 495}}, {"Shape14", "Shape23"}, 495, true},
};

// Grid j: five rows of two, odd K on the left, even K on the right; grid 2 is grid 1 moved down.
int boxLeft(int k) {
    return k % 2 ? 12000 : 13440;
}
int boxTop(int k, int j) {
    return 2400 + 360 * ((k - 1) / 2) + (j == 2 ? 3360 : 0);
}

// A cell's own set of chromosomes, named by candidate: the mother cell's and the correction's.
struct Placed {
    const char* name;
    int k;
    QRect at;
};
const Placed kMother[4] = {
    {"Chr6CM", 6, {4800, 4320, 135, 975}},
    {"Chr8CM", 8, {4680, 3960, 975, 135}},
    {"Chr10CM", 10, {5400, 4800, 135, 615}},
    {"Chr7CM", 7, {5280, 4440, 615, 135}},
};
const Placed kCorrection[4] = {
    {"Shape25", 6, {1680, 600, 135, 735}},
    {"Shape31", 7, {1320, 1320, 135, 495}},
    {"Shape30", 8, {1800, 1680, 855, 135}},
    {"Shape29", 10, {2280, 840, 135, 495}},
};

// The two division arrows, each a shaft and a two-stroke head, towards daughter cells 1 and 2.
struct Stroke {
    const char* name;
    QLine at;
};
const Stroke kArrows[6] = {
    {"Line1", {6480, 4320, 8880, 3360}}, {"Line3", {8520, 3360, 8880, 3360}},
    {"Line4", {8640, 3600, 8880, 3360}}, {"Line2", {6240, 5520, 8880, 6360}},
    {"Line5", {8640, 6120, 8880, 6360}}, {"Line6", {8520, 6360, 8880, 6360}},
};

const BgrColor kBrown = 0x254189, kRed = 0x1010D6;
const QString kQuestion = QStringLiteral(
    "Sélectionne les chromosomes que possède chaque cellule-fille à l'issue de la division cellulaire.");
const QString kAnswer =
    QStringLiteral(" Les deux cellules-filles possèdent les mêmes chromosomes que la cellule-mère.");
const FontDef kCellCaption{QStringLiteral("Arial"), 8.25, Weight::Bold, true};

Shape* chromosome(Shape* s, int k, const QRect& r) {
    return s->kind(ShapeKind::RoundedRectangle)
        ->fill(kCandidates[k].colour)
        ->at(r.x(), r.y(), r.width(), r.height());
}

Shape* cell(Shape* s, const QRect& r) {
    return s->kind(ShapeKind::Circle)->fill(0xFFFFFF)->at(r.x(), r.y(), r.width(), r.height());
}

Shape* nucleus(Shape* s, const QRect& r) {
    return s->kind(ShapeKind::Circle)
        ->border(0x000000, 1, LineStyle::Dash)
        ->at(r.x(), r.y(), r.width(), r.height());
}

} // namespace

Exercice8::Exercice8(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice8::buildContent() {
    Shape28 =
        make<Shape>("Shape28")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 1695);
    lblQuestion = make<Label>("lblQuestion")
                      ->font({QStringLiteral("Arial"), 9.75, Weight::Bold})
                      ->color(kBrown)
                      ->wrap()
                      ->setCaption(kQuestion)
                      ->at(360, 6360, 2175, 1575);
    buildMotherCell();
    buildDaughterCells();
    buildCorrection();
}

void Exercice8::buildMotherCell() {
    Label2 = make<Label>("Label2")
                 ->font({QStringLiteral("Arial"), 11.25, Weight::Bold})
                 ->setCaption(QStringLiteral("Voici une cellule-mère possédant 4 chromosomes :"))
                 ->at(3720, 2400, 3015, 615);
    Shape3 = cell(make<Shape>("Shape3"), {3840, 3360, 2655, 2655});
    Shape32 = nucleus(make<Shape>("Shape32"), {3960, 3600, 2415, 2175});
    for (const Placed& c : kMother)
        chromosome(make<Shape>(c.name), c.k, c.at);
    Label4Exo7 = make<Label>("Label4Exo7")
                     ->font(kCellCaption)
                     ->setCaption(QStringLiteral("Cellule-mère"))
                     ->at(4560, 6120, 1080, 210)
                     ->autoSize();
    for (const Stroke& s : kArrows)
        make<Line>(s.name)->pen(0x000000, 3)->from(s.at.x1(), s.at.y1(), s.at.x2(), s.at.y2());
}

void Exercice8::buildDaughterCells() {
    Shape1 = cell(make<Shape>("Shape1"), {8760, 1920, 2895, 2535});
    Shape33 = nucleus(make<Shape>("Shape33"), {9000, 2160, 2415, 2055});
    Shape2 = cell(make<Shape>("Shape2"), {8760, 5280, 2895, 2535});
    Shape35 = nucleus(make<Shape>("Shape35"), {9000, 5520, 2415, 2055});
    Label5Exo7 = make<Label>("Label5Exo7")
                     ->font(kCellCaption)
                     ->setCaption(QStringLiteral("Cellules filles"))
                     ->at(9720, 4800, 1125, 210)
                     ->autoSize();
    for (int k = 1; k <= 10; ++k) {
        const Candidate& c = kCandidates[k];
        for (int j = 1; j <= 2; ++j) {
            chr[k][j] = chromosome(make<Shape>(QStringLiteral("chr%1C%2").arg(k).arg(j)), k, c.inCell[j - 1])
                            ->hidden();
            chk[k][j] = make<CheckBox>(QStringLiteral("chk%1C%2").arg(k).arg(j))
                            ->colors(0x000000, 0xFFFFFF)
                            ->click([this, k, j] { chk_Click(k, j); })
                            ->describe(QStringLiteral("Chromosome %1 de la cellule-fille %2").arg(k).arg(j))
                            ->at(boxLeft(k), boxTop(k, j), 255, 255);
            sample[k][j] = chromosome(make<Shape>(c.sample[j - 1]), k,
                                      {boxLeft(k) + 360, boxTop(k, j) + 120, c.sampleWidth, 135});
        }
    }
}

void Exercice8::buildCorrection() {
    frameRep = make<Frame>("frameRep")->back(0xFFFFFF)->bordered(false)->at(4440, 7440, 4215, 3255)->hidden();
    make<Shape>("Shape27", frameRep)->border(kRed)->at(0, 0, 4215, 3255);
    cell(make<Shape>("Shape34", frameRep), {600, 120, 2895, 2535});
    nucleus(make<Shape>("Shape37", frameRep), {840, 360, 2415, 2055});
    for (const Placed& c : kCorrection)
        chromosome(make<Shape>(c.name, frameRep), c.k, c.at);
    lblRep = make<Label>("lblRep", frameRep)
                 ->font({QStringLiteral("Arial"), 9.75, Weight::Bold})
                 ->color(kRed)
                 ->wrap()
                 ->setCaption(kAnswer)
                 ->at(120, 2760, 4215, 615)
                 ->hidden();
}

void Exercice8::chk_Click(int k, int j) {
    chr[k][j]->SetVisible(chk[k][j]->Value() == 1);
}

std::vector<QWidget*> Exercice8::answerControls() {
    std::vector<QWidget*> boxes;
    for (int j = 1; j <= 2; ++j)
        for (int k = 1; k <= 10; ++k)
            boxes.push_back(chk[k][j]);
    return boxes;
}

Verdict Exercice8::verdict() {
    // Only the mother cell's four chromosomes are examined, in both cells; the others may be ticked too.
    for (int k = 1; k <= 10; ++k)
        if (kCandidates[k].expected && !(chk[k][1]->Value() == 1 && chk[k][2]->Value() == 1))
            return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice8::revealCorrection() {
    frameRep->SetVisible(true);
    lblRep->SetVisible(true);
}

bool Exercice8::enterRightAnswers() {
    for (int k = 1; k <= 10; ++k)
        for (int j = 1; j <= 2; ++j)
            if (kCandidates[k].expected) chk[k][j]->setValue(1);
    return true;
}

void Exercice8::enterWrongAnswers() {
    // The right set in cell 1; in cell 2 the red and pink ones, with two strangers.
    for (int k : {6, 7, 8, 10})
        chk[k][1]->setValue(1);
    for (int k : {1, 6, 8, 9})
        chk[k][2]->setValue(1);
}
