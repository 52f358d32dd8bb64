#include "exercises/exercice16.h"

using namespace forms;

namespace {

// What each row of lists asks. The number row is filled by a loop, "1 chromosomes" to "46 chromosomes".
const char* const kCellKinds[] = {"caryotype de spermatozoïde ou d'ovule", "caryotype de spermatozoïde",
                                  "caryotype d'ovule"};
const char* const kSexEffects[] = {"déterminera le sexe masculin", "déterminera le sexe féminin",
                                   "ne déterminera pas le sexe"};
constexpr int kMostChromosomes = 46;

QString chromosomes(int n) {
    return QStringLiteral("%1 chromosomes").arg(n);
}

// ComboN, N = 3 * column + row + 1: column 0 is karyotype A (the ovule), 1 is B (the spermatozoon).
constexpr int kColumnLeft[2] = {240, 3840};
constexpr int kRowTop[3] = {5040, 5520, 6000};

// Each list's expected text and the answer label the correction shows for it. The labels say "détermine"
// where the items say "déterminera".
struct Answer {
    const char* expected;
    QRect repRect;
    const char* repCaption;
};
// clang-format off
const Answer kAnswers[7] = {
    {},
    {"caryotype de spermatozoïde ou d'ovule", {240, 720, 3045, 585}, "caryotype de spermatozoïde ou d'ovule"},
    {"23 chromosomes", {240, 1320, 3405, 240}, "23 chromosomes"},
    {"ne déterminera pas le sexe", {240, 1800, 3435, 240}, "ne détermine pas le sexe"},
    {"caryotype de spermatozoïde", {3960, 720, 3105, 240}, "caryotype de spermatozoïde"},
    {"23 chromosomes", {3960, 1320, 3330, 240}, "23 chromosomes"},
    {"déterminera le sexe masculin", {3960, 1800, 3315, 240}, "détermine le sexe masculin"},
};
// clang-format on

struct Letter {
    const char* name;
    const char* letter;
    QPoint at;
};
const Letter kAnswerLetters[] = {{"Label1Exo9", "A", {1680, 4320}}, {"Label2Exo9", "B", {5400, 4320}}};
const Letter kCorrectionLetters[] = {{"Label3", "A", {1680, 240}}, {"Label2", "B", {5400, 240}}};

struct Karyotype {
    const char* name;
    const char* file;
    int left;
    const char* shows; // what a screen reader says of the picture
};
const Karyotype kKaryotypes[] = {
    {"Image2", "caryotypeA.svg", 240,
     "Caryotype A : chromosomes seuls, un de chaque paire, numérotés de 1 à 22, "
     "puis un X ; échelle de 10 µm"},
    {"Image3", "caryotypeB.svg", 3840,
     "Caryotype B : chromosomes seuls, un de chaque paire, numérotés de 1 à 22, "
     "puis un Y ; échelle de 10 µm"},
};

const char* const kInstruction =
    "Voici les caryotypes d'un ovule et d'un spermatozoïde. Complète les informations les concernant en "
    "sélectionnant les bonnes propositions parmi celles qui te sont proposées.";

const QString kDir = QStringLiteral(":/assets/ex16/");
constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kRed = 0x1010D6;
constexpr BgrColor kPureRed = 0x0000FF;
constexpr BgrColor kNavy = 0x800000;
const FontDef kLetterFont{QStringLiteral("Arial"), 20.25, Weight::Bold};
const FontDef kListFont{QStringLiteral("Arial"), 9, Weight::Bold};
const FontDef kAnswerFont{QStringLiteral("MS Sans Serif"), 9.75, Weight::Bold};

QString u(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

Exercice16::Exercice16(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice16::buildContent() {
    make<Shape>("Shape11")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 2655);
    make<Label>("Label1")
        ->font({QStringLiteral("Arial"), 9.75, Weight::Bold})
        ->color(kBrown)
        ->wrap()
        ->setCaption(u(kInstruction))
        ->at(480, 6360, 2115, 2475);

    Frame1 = make<Frame>("Frame1")->back(0xFFFFFF)->bordered(false)->at(5160, 1920, 7575, 6495);
    for (const Karyotype& k : kKaryotypes)
        make<Picture>(k.name, Frame1)
            ->source(kDir + k.file)
            ->describe(u(k.shows))
            ->at(k.left, 360, 3450, 3945);
    for (const Letter& l : kAnswerLetters)
        make<Label>(l.name, Frame1)
            ->font(kLetterFont)
            ->setCaption(u(l.letter))
            ->at(l.at.x(), l.at.y(), 0, 0)
            ->autoSize();
    std::vector<QWidget*> order;
    for (int n = 1; n <= 6; ++n) {
        Combo[std::size_t(n)] = make<ComboBox>(QStringLiteral("Combo%1").arg(n), Frame1)
                                    ->kind(ComboBox::Editable)
                                    ->font(kListFont)
                                    ->colors(kNavy, 0xFFFFFF)
                                    ->at(kColumnLeft[(n - 1) / 3], kRowTop[(n - 1) % 3], 3495, 345);
        order.push_back(Combo[std::size_t(n)]);
    }

    Frame2 = make<Frame>("Frame2")->back(0xFFFFFF)->bordered(false)->at(5160, 8640, 7575, 2175)->hidden();
    make<Shape>("Shape2", Frame2)->border(kRed)->at(0, 120, 7575, 2055);
    for (const Letter& l : kCorrectionLetters)
        make<Label>(l.name, Frame2)
            ->font(kLetterFont)
            ->color(kRed)
            ->setCaption(u(l.letter))
            ->at(l.at.x(), l.at.y(), 0, 0)
            ->autoSize();
    for (int n = 1; n <= 6; ++n) {
        const Answer& a = kAnswers[n];
        lblRep[std::size_t(n)] =
            make<Label>(QStringLiteral("lblRep%1").arg(n), Frame2)
                ->font(kAnswerFont)
                ->color(kRed)
                ->setCaption(u(a.repCaption))
                ->at(a.repRect.x(), a.repRect.y(), a.repRect.width(), a.repRect.height());
    }
    tabOrder(order);
}

void Exercice16::loadContent() {
    // Row by row, A's list before B's.
    for (int column : {0, 1})
        for (const char* item : kCellKinds)
            Combo[std::size_t(1 + 3 * column)]->AddItem(u(item));
    for (int column : {0, 1})
        for (int n = 1; n <= kMostChromosomes; ++n)
            Combo[std::size_t(2 + 3 * column)]->AddItem(chromosomes(n));
    for (int column : {0, 1})
        for (const char* item : kSexEffects)
            Combo[std::size_t(3 + 3 * column)]->AddItem(u(item));
}

std::vector<QWidget*> Exercice16::answerControls() {
    return {Combo[1], Combo[2], Combo[3], Combo[4], Combo[5], Combo[6]};
}

bool Exercice16::isRight(int n) const {
    return Combo[std::size_t(n)]->Text() == u(kAnswers[n].expected);
}

Verdict Exercice16::verdict() {
    for (int n = 1; n <= 6; ++n)
        if (!isRight(n)) return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice16::revealCorrection() {
    // Every answer shows; the wrong ones stand out in a brighter red.
    Frame2->SetVisible(true);
    for (int n = 1; n <= 6; ++n)
        if (!isRight(n)) lblRep[std::size_t(n)]->setForeColor(kPureRed);
}

bool Exercice16::enterRightAnswers() {
    for (int n = 1; n <= 6; ++n)
        Combo[std::size_t(n)]->setTextValue(u(kAnswers[n].expected));
    return true;
}

void Exercice16::enterWrongAnswers() {
    // A said to be an ovule's only, and B counted like a body cell.
    enterRightAnswers();
    Combo[1]->setTextValue(u(kCellKinds[2]));
    Combo[5]->setTextValue(chromosomes(46));
}
