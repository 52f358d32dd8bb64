#include "exercises/exercice20.h"

using namespace forms;

namespace {

const FontDef kText{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kLetter{QStringLiteral("MS Sans Serif"), 8.25, Weight::Bold};
const FontDef kAlleleLabel{QStringLiteral("Arial"), 14.25, Weight::Bold};
const FontDef kDefault{};
constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kRed = 0x0000FF;
constexpr BgrColor kBorderRed = 0x1010D6;
constexpr BgrColor kGrey = 0xE0E0E0;
constexpr BgrColor kWhite = 0xFFFFFF;
constexpr QSize kChromosome{135, 615};
constexpr QSize kSquare{135, 135};
constexpr QSize kBox{1815, 1575};
constexpr QSize kList{510, 360};

struct Allele {
    const char* text;
    BgrColor colour;        // in the pupil's table, and in the egg cells of the correction
    BgrColor gameteCorrect; // a gamete's square in the correction
};
const Allele kAlleles[] = {{"A", 0x80FF80, 0x00FF00}, {"a", 0x80FFFF, 0x80FFFF}};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

template <class T> T* at(T* c, const QRect& r) {
    return c->at(r.x(), r.y(), r.width(), r.height());
}

const Allele* alleleOf(const QString& text) {
    for (const Allele& a : kAlleles)
        if (text == u(a.text)) return &a;
    return nullptr;
}

// ---- the mother cells

struct MotherChromosome {
    const char* chromosome;
    QPoint at;
    const char* square;
    QPoint squareAt;
    int allele; // into kAlleles
    const char* letter;
    QPoint letterAt;
};
struct MotherCell {
    const char* circle;
    QRect rect;
    MotherChromosome chromosomes[2];
    const char* pair;
    QPoint pairAt;
    const char* captionName;
    const char* caption;
    QPoint captionAt;
};
// clang-format off
const MotherCell kMotherCells[] = {
    {"Shape1", {5760, 3000, 1575, 1455},
     {{"Shape5", {6360, 3360}, "Shape11", {6360, 3600}, 0, "Label9", {6120, 3600}},
      {"Shape6", {6600, 3360}, "Shape10", {6600, 3600}, 1, "Label11", {6840, 3600}}},
     "Label3", {6240, 4080}, "Label5", "Cellule-mère d'ovule", {5640, 4440}},
    {"Shape2", {11280, 3000, 1455, 1455},
     {{"Shape4", {11760, 3360}, "Shape7", {11760, 3600}, 0, "Label8", {11520, 3600}},
      {"Shape3", {12120, 3360}, "Shape8", {12120, 3600}, 1, "Label10", {12360, 3600}}},
     "Label2", {11760, 4080}, "Label4", "Cellule-mère de spermatozoïde", {10560, 4440}},
};
// clang-format on

// ---- the crossing table; offsets are from the corner of each box

struct GameteLayout {
    BgrColor colour;
    const char* caption;
    QRect label;
    ShapeKind bodyKind;
    QRect body;
    QPoint chromosome, square, list;
    bool tail;
};
// clang-format off
const GameteLayout kOvuleLayout{0xC0C0FF, "Ovule", {120, 120, 1575, 195}, ShapeKind::Circle, {240, 240, 1215, 1215},
                                {960, 600}, {960, 840}, {360, 720}, false};
const GameteLayout kSpermLayout{0xFFC0C0, "Spermatozoïde", {240, 120, 1335, 240}, ShapeKind::Oval,
                                {120, 360, 1215, 855}, {480, 480}, {480, 720}, {720, 600}, true};
// clang-format on
constexpr QPoint kTailFrom{1200, 840}, kTailTo{1800, 840};
constexpr QRect kGameteLetter{720, 720, 255, 255};

struct Gamete {
    const GameteLayout* layout;
    const char* list;
    const char* box;
    QPoint at;
    const char* label;
    const char* body;
    const char* tail;
    const char* chromosome;
    const char* square;
    int eggs[2]; // the egg cells it forms
    int side;    // which of their alleles it gives: 1 the ovule's, 2 the spermatozoon's
    const char* correctionLetter;
};
// Indexed as gameteList_Click's argument.
// clang-format off
const Gamete kGametes[] = {
    {&kOvuleLayout, "cbOvule1", "Shape23", {3240, 7440}, "Label15", "Shape14", nullptr, "Shape44", "ShapeOvule1", {1, 2}, 1, "Label31"},
    {&kOvuleLayout, "cbOvule2", "Shape21", {3240, 9000}, "Label16", "Shape27", nullptr, "Shape45", "ShapeOvule2", {3, 4}, 1, "Label32"},
    {&kSpermLayout, "cbSperm1", "Shape73", {5040, 5880}, "Label13", "Shape13", "Line1", "Shape24", "ShapeSp1", {1, 3}, 2, "Label29"},
    {&kSpermLayout, "cbSperm2", "Shape9", {6840, 5880}, "Label14", "Shape25", "Line2", "Shape43", "ShapeSp2", {2, 4}, 2, "Label30"},
};
// clang-format on

constexpr QRect kEggCircle{240, 120, 1335, 1335};
constexpr QPoint kEggChromosome[3] = {{}, {720, 480}, {960, 480}};
constexpr QPoint kEggSquare[3] = {{}, {720, 720}, {960, 720}};
constexpr QPoint kEggLabel[3] = {{}, {480, 600}, {1200, 600}};
constexpr QRect kEggCheck{1440, 1200, 255, 255};

struct Egg {
    int number;
    const char* box;
    QPoint at;
    const char* circle;
    const char* check;
    const char* correctionCheck;
    const char* correctionLetters[3]; // by side
};
const Egg kEggs[] = {
    {1, "Shape28", {5040, 7440}, "Shape35", "Check1", "Check5", {nullptr, "Label28", "Label27"}},
    {2, "Shape29", {6840, 7440}, "Shape37", "Check2", "Check7", {nullptr, "Label25", "Label26"}},
    // Ovule 2 gives this cell "a" (Label23) and spermatozoon 1 gives it "A" (Label24).
    {3, "Shape31", {5040, 9000}, "Shape39", "Check3", "Check9", {nullptr, "Label23", "Label24"}},
    {4, "Shape33", {6840, 9000}, "Shape41", "Check4", "Checkrep", {nullptr, "Label22", "Label21"}},
};

// The correction table sits in Frame1, each element 6000 twips to the right of the one it copies.
constexpr QRect kFrame1{9120, 5520, 5655, 5175};
constexpr QPoint kCopyShift{6000 - 9120, -5520};

// ---- the verdict

struct Accepted {
    const char* lists[4]; // cbOvule1, cbOvule2, cbSperm1, cbSperm2
    int albino;           // the egg cell whose box must be ticked
};
// The first row is the one the correction shows.
const Accepted kAccepted[] = {
    {{"A", "a", "A", "a"}, 4},
    {{"a", "A", "A", "a"}, 2},
    {{"A", "a", "a", "A"}, 3},
    {{"a", "A", "a", "A"}, 1},
};

bool allTicked(const Exercice20::Answer& a) {
    return a.ticked[1] && a.ticked[2] && a.ticked[3] && a.ticked[4];
}

bool acceptedWithItsBox(const Exercice20::Answer& a) {
    const QString lists[4] = {a.ovule1, a.ovule2, a.sperm1, a.sperm2};
    for (const Accepted& row : kAccepted) {
        bool same = true;
        for (int i = 0; i < 4; ++i)
            same = same && lists[i] == u(row.lists[i]);
        if (same && a.ticked[std::size_t(row.albino)]) return true;
    }
    return false;
}

bool always(const Exercice20::Answer&) {
    return true;
}

struct Rule {
    bool (*holds)(const Exercice20::Answer&);
    Verdict verdict;
};
const Rule kRules[] = {
    {allTicked, Verdict::Wrong}, // ticking everything is no answer: the standard wording
    {acceptedWithItsBox, Verdict::Right},
    {always, Verdict::WrongWithTypo},
};

} // namespace

Exercice20::Exercice20(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

Verdict Exercice20::judge(const Answer& a) {
    for (const Rule& r : kRules)
        if (r.holds(a)) return r.verdict;
    return Verdict::WrongWithTypo;
}

void Exercice20::buildContent() {
    make<Label>("lbl2")
        ->font(kText)
        ->wrap()
        ->setCaption(
            u("Les schémas représentent les cellules-mères des gamètes pour un couple d'individus possédant "
              "chacun un allèle A normal dominant et un allèle a anormal récessif responsable de "
              "l'albinisme. Ces allèles sont portés par la paire de chromosomes N° 11."))
        ->at(3960, 1800, 10335, 975);
    make<Shape>("Shape82")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(120, 6360, 2535, 3975);
    make<Label>("lbl3")
        ->font(kText)
        ->color(kBrown)
        ->wrap()
        ->setCaption(
            u("Compléte le tableau ci-contre en indiquant les allèles portés par les chromosomes des gamètes "
              "et ceux portés par les chromosomes des 4 différentes cellules-oeufs pouvant se former lors "
              "de la fécondation. Puis sélectionne en les cochant les cellules-oeufs pour lesquelles le "
              "futur individu serait albinos."))
        ->at(240, 6480, 2295, 3615);

    buildMotherCells();
    buildCrossing(nullptr, QPoint(), false);

    frame1_ = at(make<Frame>("Frame1")->back(kWhite), kFrame1)->hidden();
    at(make<Shape>("Shape83", frame1_)->border(kBorderRed), {QPoint(), kFrame1.size()});
    buildCrossing(frame1_, kCopyShift, true);

    tabOrder({lists_[2], lists_[3], lists_[0], lists_[1], checks_[1], checks_[2], checks_[3], checks_[4]});
}

void Exercice20::buildMotherCells() {
    for (const MotherCell& m : kMotherCells) {
        at(make<Shape>(m.circle)->kind(ShapeKind::Circle)->fill(kGrey), m.rect);
        for (const MotherChromosome& c : m.chromosomes) {
            at(make<Shape>(c.chromosome)->kind(ShapeKind::RoundedRectangle)->fill(kWhite),
               {c.at, kChromosome});
            at(make<Shape>(c.square)->fill(kAlleles[c.allele].colour), {c.squareAt, kSquare});
        }
        for (const MotherChromosome& c : m.chromosomes) {
            auto* letter = make<Label>(c.letter)->font(kLetter)->color(kRed)->opaque(kGrey);
            at(letter->setCaption(u(kAlleles[c.allele].text)), {c.letterAt, QSize(0, 0)})->autoSize();
        }
        at(make<Label>(m.pair)->font(kLetter)->setCaption(QStringLiteral("chr 11")), {m.pairAt, QSize(0, 0)})
            ->autoSize();
        at(make<Label>(m.captionName)->font(kText)->setCaption(u(m.caption)), {m.captionAt, QSize(0, 0)})
            ->autoSize();
    }
}

// Builds the pupil's table, or in Frame1 its copy holding the expected answer (the first accepted row),
// letters standing where the lists were. Layers go back to front: boxes; tails, heads and circles;
// chromosomes; allele squares; letters and labels; lists and check boxes.
void Exercice20::buildCrossing(QWidget* parent, QPoint shift, bool copy) {
    auto name = [copy](const QString& n) { return copy ? QStringLiteral("rep") + n : n; };
    auto place = [shift](auto* c, QPoint corner, QPoint offset, QSize size) {
        return at(c, {corner + shift + offset, size});
    };
    const Accepted& expected = kAccepted[0];
    auto expectedAllele = [&](int gamete) -> const Allele& { return *alleleOf(u(expected.lists[gamete])); };
    auto expectedInEgg = [&](int egg, int side) -> const Allele& {
        for (int g = 0; g < 4; ++g)
            if (kGametes[g].side == side && (kGametes[g].eggs[0] == egg || kGametes[g].eggs[1] == egg))
                return expectedAllele(g);
        return kAlleles[0];
    };

    for (const Gamete& g : kGametes)
        place(make<Shape>(name(u(g.box)), parent)->fill(g.layout->colour), g.at, {}, kBox);
    for (const Egg& e : kEggs)
        place(make<Shape>(name(u(e.box)), parent)->fill(kWhite), e.at, {}, kBox);

    for (const Gamete& g : kGametes) {
        const GameteLayout& l = *g.layout;
        if (g.tail) {
            // The copy's second tail is 120 twips shorter, starting further right.
            const int start = copy && &g == &kGametes[3] ? 120 : 0;
            const QPoint a = g.at + shift + kTailFrom + QPoint(start, 0), b = g.at + shift + kTailTo;
            make<Line>(name(u(g.tail)), parent)->pen(0x000000, 2)->from(a.x(), a.y(), b.x(), b.y());
        }
        place(make<Shape>(name(u(g.body)), parent)->kind(l.bodyKind)->fill(kGrey), g.at, l.body.topLeft(),
              l.body.size());
    }
    for (const Egg& e : kEggs)
        place(make<Shape>(name(u(e.circle)), parent)->kind(ShapeKind::Circle)->fill(kGrey), e.at,
              kEggCircle.topLeft(), kEggCircle.size());

    for (const Gamete& g : kGametes)
        place(make<Shape>(name(u(g.chromosome)), parent)->kind(ShapeKind::RoundedRectangle)->fill(kWhite),
              g.at, g.layout->chromosome, kChromosome);
    for (const Egg& e : kEggs)
        for (int side = 1; side <= 2; ++side)
            place(make<Shape>(name(QStringLiteral("ShapeChr%1Cellule%2").arg(side).arg(e.number)), parent)
                      ->kind(ShapeKind::RoundedRectangle)
                      ->fill(kWhite),
                  e.at, kEggChromosome[side], kChromosome);

    for (std::size_t i = 0; i < std::size(kGametes); ++i) {
        const Gamete& g = kGametes[i];
        Shape* s = place(make<Shape>(name(u(g.square)), parent)
                             ->fill(copy ? expectedAllele(int(i)).gameteCorrect : kWhite),
                         g.at, g.layout->square, kSquare);
        if (!copy) gameteSquares_[i] = s;
    }
    for (const Egg& e : kEggs)
        for (int side = 1; side <= 2; ++side) {
            const BgrColor colour = copy ? expectedInEgg(e.number, side).colour : kWhite;
            Shape* s =
                place(make<Shape>(name(QStringLiteral("Shape%1Cellule%2").arg(side).arg(e.number)), parent)
                          ->fill(colour),
                      e.at, kEggSquare[side], kSquare);
            if (!copy) eggSquares_[std::size_t(e.number)][std::size_t(side)] = s;
        }

    for (std::size_t i = 0; i < std::size(kGametes); ++i) {
        const Gamete& g = kGametes[i];
        const GameteLayout& l = *g.layout;
        place(make<Label>(name(u(g.label)), parent)
                  ->font(kDefault)
                  ->opaque(l.colour)
                  ->align(Align::Centre)
                  ->setCaption(u(l.caption)),
              g.at, l.label.topLeft(), l.label.size());
        if (copy)
            place(make<Label>(u(g.correctionLetter), parent)
                      ->font(kLetter)
                      ->color(kRed)
                      ->opaque(kGrey)
                      ->setCaption(u(expectedAllele(int(i)).text)),
                  g.at, kGameteLetter.topLeft(), kGameteLetter.size());
    }
    for (const Egg& e : kEggs)
        for (int side = 1; side <= 2; ++side) {
            const QString n = copy ? u(e.correctionLetters[side])
                                   : QStringLiteral("lblCellule%1Al%2").arg(e.number).arg(side);
            Label* l = make<Label>(n, parent)->font(kAlleleLabel)->color(kRed);
            l->setCaption(copy ? u(expectedInEgg(e.number, side).text) : QStringLiteral("-"));
            place(l, e.at, kEggLabel[side], QSize(0, 0))->autoSize();
            if (!copy) eggLabels_[std::size_t(e.number)][std::size_t(side)] = l;
        }

    for (std::size_t i = 0; !copy && i < std::size(kGametes); ++i) {
        const Gamete& g = kGametes[i];
        const int index = int(i);
        ComboBox* cb = make<ComboBox>(u(g.list))->kind(ComboBox::Editable)->font(kText)->colors(kRed, kWhite);
        place(cb->click([this, index] { gameteList_Click(index); }), g.at, g.layout->list, kList);
        lists_[i] = cb;
    }
    for (const Egg& e : kEggs) {
        CheckBox* c =
            place(make<CheckBox>(u(copy ? e.correctionCheck : e.check), parent)->colors(0x000000, kWhite),
                  e.at, kEggCheck.topLeft(), kEggCheck.size());
        if (copy && e.number == 4) checkrep_ = c;
        if (!copy) checks_[std::size_t(e.number)] = c;
    }
}

void Exercice20::loadContent() {
    for (ComboBox* cb : lists_) {
        cb->Clear();
        for (const Allele& a : kAlleles)
            cb->AddItem(u(a.text));
    }
}

void Exercice20::gameteList_Click(int gamete) {
    // Only a chosen item draws; typing leaves the drawing as it was.
    const Allele* a = alleleOf(lists_[std::size_t(gamete)]->Text());
    if (!a) return;
    const Gamete& g = kGametes[gamete];
    gameteSquares_[std::size_t(gamete)]->setFillColor(a->colour);
    for (int egg : g.eggs) {
        eggSquares_[std::size_t(egg)][std::size_t(g.side)]->setFillColor(a->colour);
        eggLabels_[std::size_t(egg)][std::size_t(g.side)]->setCaption(u(a->text));
    }
}

std::vector<QWidget*> Exercice20::answerControls() {
    return {lists_[2], lists_[3], lists_[0], lists_[1], checks_[1], checks_[2], checks_[3], checks_[4]};
}

Exercice20::Answer Exercice20::answer() const {
    Answer a;
    a.ovule1 = lists_[0]->Text();
    a.ovule2 = lists_[1]->Text();
    a.sperm1 = lists_[2]->Text();
    a.sperm2 = lists_[3]->Text();
    for (std::size_t k = 1; k <= 4; ++k)
        a.ticked[k] = checks_[k]->Value() == 1;
    return a;
}

Verdict Exercice20::verdict() {
    return judge(answer());
}

void Exercice20::revealCorrection() {
    frame1_->SetVisible(true);
    checkrep_->setValue(1);
}

bool Exercice20::enterRightAnswers() {
    for (int g = 0; g < 4; ++g) {
        lists_[std::size_t(g)]->setCurrentIndex(lists_[std::size_t(g)]->findText(u(kAccepted[0].lists[g])));
        gameteList_Click(g);
    }
    // Only the albino egg cell's box: boxes the pupil ticked before are unticked.
    for (std::size_t k = 1; k <= 4; ++k)
        checks_[k]->setValue(int(k) == kAccepted[0].albino ? 1 : 0);
    return true;
}
