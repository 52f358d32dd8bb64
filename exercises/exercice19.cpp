#include "exercises/exercice19.h"

#include <vector>

using namespace forms;

namespace {

const QString kDir = QStringLiteral(":/assets/ex19/");
const FontDef kBold9{QStringLiteral("Arial"), 9, Weight::Bold};
const FontDef kBold975{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kBold825{QStringLiteral("Arial"), 8.25, Weight::Bold};
constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kRed = 0x1010D6;
constexpr BgrColor kWindow = 0xFFFFFF;   // every person before the pupil paints it
constexpr BgrColor kCopyPink = 0xE9BBEC; // the correction's copy has a pink of its own

struct Token {
    QRect rect;
    const char* picture;
    const char* label;
    const char* caption;
    QRect captionRect; // an empty size: auto-sized
    BgrColor paints;
};
// couleur(0) .. couleur(4); tokens 1 and 3 paint the same orange.
// clang-format off
const Token kTokens[] = {
    {{3360, 2040, 645, 615}, "jeton_carre_rouge.svg", "Label5", "Homme daltonien", {4200, 2160, 0, 0}, 0x0000FF},
    {{3360, 2760, 645, 615}, "jeton_carre_orange.svg", "Label6", "Homme non atteint", {4200, 2880, 0, 0}, 0x67B1E9},
    {{3360, 3480, 750, 750}, "jeton_rond_rose.svg", "Label7", "Femme porteuse de l'allèle anormal mais non daltonienne",
     {4200, 3480, 1920, 960}, 0xFFC0FF},
    {{3360, 4320, 750, 750}, "jeton_rond_orange.svg", "Label8", "Femme non atteinte", {4200, 4560, 0, 0}, 0x67B1E9},
    {{3240, 5040, 1110, 750}, "jeton_vert.svg", "Label9",
     "Individu non atteint mais pouvant être porteur de l'allèle anormal", {4320, 5160, 2085, 705}, 0xC0FFC0},
};
// clang-format on
enum : int { kRedToken = 0, kOrangeSquare = 1, kPinkToken = 2, kGreenToken = 4 };

struct Person {
    bool man; // a square, else a circle
    QPoint tree;
    int expectedToken; // its colour is the one expected
    QPoint copy;
    int copyIndex; // in cadre
};
// Persons 1 to 12, drawn by cadre(n - 1) and perso(n - 1).
// clang-format off
const Person kPersons[] = {
    {true,  {7440, 1920},  kRedToken,     {240, 360},   14}, // maternal grandfather, colour-blind
    {false, {8880, 1920},  kGreenToken,   {1200, 360},  12}, // maternal grandmother
    {true,  {11760, 1920}, kOrangeSquare, {3480, 360},  16}, // paternal grandfather
    {false, {13200, 1920}, kGreenToken,   {4440, 360},  15}, // paternal grandmother
    {false, {7440, 3600},  kPinkToken,    {240, 1560},  18}, // daughter of 1 and 2
    {false, {8880, 3600},  kPinkToken,    {1200, 1560}, 20}, // Rémi's mother
    {true,  {11280, 3600}, kOrangeSquare, {3120, 1560}, 19}, // Rémi's father
    {false, {12480, 3600}, kGreenToken,   {3960, 1560}, 17}, // daughter of 3 and 4
    {true,  {13680, 3600}, kOrangeSquare, {4800, 1560}, 23}, // son of 3 and 4
    {true,  {8880, 5280},  kRedToken,     {1440, 2520}, 21}, // Rémi
    {false, {10080, 5280}, kGreenToken,   {2160, 2520}, 22}, // daughter of 6 and 7
    {true,  {11280, 5280}, kOrangeSquare, {2760, 2520}, 13}, // son of 6 and 7
};
// clang-format on
// What a screen reader says of each person, who is drawn, not named, on the tree.
const char* const kWho[] = {
    "grand-père maternel de Rémi",
    "grand-mère maternelle de Rémi",
    "grand-père paternel de Rémi",
    "grand-mère paternelle de Rémi",
    "tante maternelle de Rémi",
    "mère de Rémi",
    "père de Rémi",
    "tante paternelle de Rémi",
    "oncle paternel de Rémi",
    "Rémi",
    "soeur de Rémi",
    "frère de Rémi",
};
constexpr int kSymbol = 735, kCopySymbol = 495, kTarget = 495, kTargetInset = 120;

// A couple's lines: the marriage line between the two symbols, the descent from its middle to the
// siblings' bar, and one drop from the bar to the top of each child.
struct Family {
    int marriageY, left, right;
    int descentX, barY;
    std::vector<int> drops;
    int childTop;
};
const Family kTreeFamilies[] = {
    {2280, 8160, 8880, 8520, 3360, {7800, 9240}, 3600},
    {2280, 12480, 13200, 12840, 3360, {11640, 12840, 14040}, 3600},
    {3960, 9600, 11280, 10440, 5040, {9240, 10440, 11640}, 5280},
};
const Family kCopyFamilies[] = {
    {600, 720, 1200, 960, 1320, {480, 1440}, 1560},
    {600, 3960, 4440, 4200, 1320, {3360, 4200, 5040}, 1560},
    {1800, 1680, 3120, 2400, 2280, {1680, 2400, 3000}, 2520},
};

std::vector<QLine> linesOf(const Family* families, std::size_t count) {
    std::vector<QLine> lines;
    for (std::size_t i = 0; i < count; ++i) {
        const Family& f = families[i];
        lines.emplace_back(f.left, f.marriageY, f.right, f.marriageY);
        lines.emplace_back(f.descentX, f.marriageY, f.descentX, f.barY);
        lines.emplace_back(f.drops.front(), f.barY, f.drops.back(), f.barY);
        for (int x : f.drops)
            lines.emplace_back(x, f.barY, x, f.childTop);
    }
    return lines;
}

const char* const kInstruction =
    "Complète l'arbre généalogique de cette famille en remettant les bonnes couleurs sur chaque individu.";
const char* const kStatement =
    "Rémi est daltonien comme l'était son grand-père maternel. Aucun des autres membres de cette famille "
    "n'est daltonien. Le daltonisme se caractérise par une mauvaise vision des couleurs. Le gène responsable "
    "de cette maladie héréditaire est porté par le chromosome sexuel X. L'allèle anormal d est récessif par "
    "rapport à l'allèle normal D.";
const char* const kTokenTip = "Clique gauche en maintenant appuyé et déplacement vers l'arbre généalogique";
const char* const kExplanation =
    "Rémi et son grand-père maternel sont daltoniens. Les deux soeurs 5 et 6 sont obligatoirement porteuses "
    "de l'allèle anormal car leur père n'a pu leur transmettre que son chromosome X porteur de l'allèle "
    "anormal. Les autres hommes (3, 7, 9 et 12) ne sont pas atteints donc ils ne sont pas porteurs de "
    "l'allèle anormal. Pour les femmes (2, 4, 8 et 11), on ne peut savoir avec certitude si elles sont "
    "porteuses ou non de l'allèle anormal.";

QString u(const char* s) {
    return QString::fromUtf8(s);
}

QString personName(int i) {
    return QStringLiteral("Individu %1, %2, %3")
        .arg(i + 1)
        .arg(kPersons[std::size_t(i)].man ? QStringLiteral("homme") : QStringLiteral("femme"), u(kWho[i]));
}

Shape* symbol(Shape* s, bool man, int left, int top, int side, BgrColor fill) {
    return s->kind(man ? ShapeKind::Square : ShapeKind::Circle)->fill(fill)->at(left, top, side, side);
}

} // namespace

Exercice19::Exercice19(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice19::buildContent() {
    make<Shape>("Shape2")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 1335);
    make<Label>("Label4")
        ->font(kBold9)
        ->color(kBrown)
        ->wrap()
        ->setCaption(u(kInstruction))
        ->at(360, 6360, 2055, 1215);
    make<Label>("Label3")->font(kBold975)->wrap()->setCaption(u(kStatement))->at(3360, 6480, 11535, 855);
    buildLegend();
    buildTree();
    buildCorrection();
}

void Exercice19::buildLegend() {
    make<Shape>("Shape4")->at(3240, 1920, 3255, 4095);
    for (int k = 0; k < int(std::size(kTokens)); ++k) {
        const Token& t = kTokens[std::size_t(k)];
        make(couleur, "couleur", k)
            ->source(kDir + t.picture)
            ->describe(u(t.caption))
            ->tip(u(kTokenTip))
            ->draggable(kDir + "palette.svg")
            ->at(t.rect.x(), t.rect.y(), t.rect.width(), t.rect.height());
        auto* caption =
            make<Label>(t.label)
                ->font(kBold9)
                ->setCaption(u(t.caption))
                ->at(t.captionRect.x(), t.captionRect.y(), t.captionRect.width(), t.captionRect.height());
        if (t.captionRect.isEmpty())
            caption->autoSize();
        else
            caption->wrap();
    }
}

void Exercice19::buildTree() {
    // Back to front: lines, symbols, then the drop targets in the middle of each symbol.
    int n = 0;
    for (const QLine& l : linesOf(kTreeFamilies, std::size(kTreeFamilies)))
        make<Line>(QStringLiteral("LineArbre%1").arg(n++))->from(l.x1(), l.y1(), l.x2(), l.y2());
    for (int i = 0; i < int(std::size(kPersons)); ++i) {
        const Person& p = kPersons[std::size_t(i)];
        symbol(make(cadre, "cadre", i), p.man, p.tree.x(), p.tree.y(), kSymbol, kWindow);
    }
    for (int i = 0; i < int(std::size(kPersons)); ++i) {
        const QPoint at = kPersons[std::size_t(i)].tree + QPoint(kTargetInset, kTargetInset);
        make(perso, "perso", i)
            ->describe(personName(i))
            ->drop([this, i](Control* src, int x, int y) { perso_DragDrop(i, src, x, y); })
            ->at(at.x(), at.y(), kTarget, kTarget);
    }
    make<Label>("Label2")
        ->font(kBold975)
        ->align(Align::Centre)
        ->setCaption(u("Rémi"))
        ->at(8880, 6000, 735, 255);
}

void Exercice19::buildCorrection() {
    frameRep =
        make<Frame>("frameRep")->back(0xFFFFFF)->bordered(false)->at(3720, 7320, 10815, 3375)->hidden();
    make<Shape>("Shape3", frameRep)->border(kRed)->at(120, 240, 10455, 3015);
    int n = 0;
    for (const QLine& l : linesOf(kCopyFamilies, std::size(kCopyFamilies)))
        make<Line>(QStringLiteral("LineCorrection%1").arg(n++), frameRep)
            ->from(l.x1(), l.y1(), l.x2(), l.y2());
    for (int i = 0; i < int(std::size(kPersons)); ++i) {
        const Person& p = kPersons[std::size_t(i)];
        const BgrColor fill = p.expectedToken == kPinkToken ? kCopyPink : kTokens[p.expectedToken].paints;
        symbol(make(cadre, "cadre", p.copyIndex, frameRep), p.man, p.copy.x(), p.copy.y(), kCopySymbol, fill);
        auto* number = make<Label>(QStringLiteral("lblNumero%1").arg(i + 1), frameRep)
                           ->font(kBold825)
                           ->align(Align::Centre)
                           ->setCaption(QString::number(i + 1))
                           ->autoSize();
        const QPoint centre = p.copy + QPoint(kCopySymbol / 2, kCopySymbol / 2);
        number->Move(centre.x() - number->Width() / 2, centre.y() - number->Height() / 2);
    }
    make<Label>("Label10", frameRep)->font(kBold975)->setCaption(u("Rémi"))->at(1440, 3000, 0, 0)->autoSize();
    make<Label>("Label11", frameRep)
        ->font(kBold975)
        ->color(kRed)
        ->wrap()
        ->setCaption(u(kExplanation))
        ->at(5880, 480, 4455, 2655);
}

void Exercice19::perso_DragDrop(int index, Control* source, int, int) {
    // Only the legend's tokens carry a colour; the person's sex does not matter.
    const int k = source ? source->Index() : -1;
    if (k < 0 || k >= int(std::size(kTokens)) || couleur[k] != source || !cadre[index]) return;
    cadre[index]->setFillColor(kTokens[std::size_t(k)].paints);
    if (perso[index])
        perso[index]->describe(personName(index) + QStringLiteral(" : ") +
                               u(kTokens[std::size_t(k)].caption));
}

std::vector<QWidget*> Exercice19::answerControls() {
    std::vector<QWidget*> tokens;
    couleur.forEach([&](int, Picture* p) { tokens.push_back(p); });
    return tokens;
}

Verdict Exercice19::verdict() {
    for (int i = 0; i < int(std::size(kPersons)); ++i)
        if (cadre[i]->FillColor() != kTokens[kPersons[std::size_t(i)].expectedToken].paints)
            return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice19::revealCorrection() {
    frameRep->SetVisible(true);
}

bool Exercice19::enterRightAnswers() {
    for (int i = 0; i < int(std::size(kPersons)); ++i)
        perso_DragDrop(i, couleur[kPersons[std::size_t(i)].expectedToken], 0, 0);
    return true;
}

void Exercice19::enterWrongAnswers() {
    // A pupil who sees no sign of the disease in Rémi's mother and aunt.
    enterRightAnswers();
    perso_DragDrop(4, couleur[kGreenToken], 0, 0);
    perso_DragDrop(5, couleur[kGreenToken], 0, 0);
}
