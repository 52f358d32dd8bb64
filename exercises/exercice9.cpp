#include "exercises/exercice9.h"

using namespace forms;

namespace {

const BgrColor kBrown = 0x254189, kRed = 0x1010D6;
const QString kPictures = QStringLiteral(":/assets/ex09/");
const FontDef kBold{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kSmallBold{QStringLiteral("Arial"), 9, Weight::Bold};

const QString kQuestion = QStringLiteral(
    "Le graphique représente la quantité de matériel chromosomique (en unités arbitraires) d'une cellule au "
    "cours du temps. Complète sa légende .");

const QStringList kLetters = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                              QStringLiteral("D")};
const QString kSingleThreads = QStringLiteral("cellule à 4 chromosomes sous l'aspect de filaments simples");
const QString kDoubleThreads = QStringLiteral("cellule à 4 chromosomes sous l'aspect de filaments doubles");
const QString kSingleRods = QStringLiteral("cellule à 4 chromosomes sous l'aspect de bâtonnets simples");
const QString kDoubleRods = QStringLiteral("cellule à 4 chromosomes sous l'aspect de bâtonnets doubles");
const QStringList kCells = {kSingleThreads, kDoubleThreads, kSingleRods, kDoubleRods};
const QString kInterphase = QStringLiteral("interphase"), kDivision = QStringLiteral("division cellulaire");
const QStringList kPhases = {kDivision, kInterphase};

// clang-format off
// The lists cb1 .. cb11: where each stands, what it offers and what it expects, and where its red answer
// lblRepN shows (the answers to the letter lists are numbered apart from the lists).
struct Question {
    QRect at;
    QStringList items;
    QString expected;
    int rep;
    QPoint repAt;
};
const Question kQuestions[Exercice9::kLists + 1] = {
    {},
    {{4560, 6120, 615, 360}, kLetters, QStringLiteral("A"), 9, {4320, 6120}},
    {{6000, 2640, 615, 360}, kLetters, QStringLiteral("D"), 7, {5760, 2640}},
    {{6840, 2640, 615, 360}, kLetters, QStringLiteral("B"), 8, {7560, 2640}},
    {{7320, 6120, 615, 360}, kLetters, QStringLiteral("C"), 10, {7080, 6120}},
    {{6120, 7080, 4695, 315}, kCells, kSingleThreads, 3, {5880, 6720}},
    {{7680, 8040, 4695, 315}, kCells, kDoubleRods, 4, {6720, 7680}},
    {{6120, 9000, 4695, 315}, kCells, kSingleRods, 5, {6000, 8640}},
    {{7680, 9960, 4695, 315}, kCells, kDoubleThreads, 6, {6720, 9600}},
    {{10680, 4680, 1815, 315}, kPhases, kInterphase, 1, {11040, 4440}},
    {{10680, 5640, 1815, 315}, kPhases, kDivision, 2, {10680, 5400}},
    {{10200, 2520, 1455, 315},
     {QStringLiteral("réduction"), QStringLiteral("duplication"), QStringLiteral("multiplication"),
      QStringLiteral("diminution")},
     QStringLiteral("duplication"), 11, {10320, 2880}},
};
const int kLetterLists = 4; // cb1 .. cb4 take a letter, in a larger bold font

// The pictures: the graph, the four arrows into it and the four cells, each at its own size.
struct Drawing {
    const char* name;
    const char* file;
    QPoint at;
    const char* says;
};
const Drawing kDrawings[] = {
    {"Image2", "graphique", {3360, 1920},
     "Graphique : masse de matériel chromosomique par cellule en fonction du temps"},
    {"Image7", "fleche_haut", {4680, 5400}, "Flèche vers le premier palier à 1"},
    {"Image9", "fleche_bas", {6240, 3000}, "Flèche vers le palier à 2, partie vert foncé"},
    {"Image10", "fleche_bas", {7080, 3000}, "Flèche vers le palier à 2, partie vert clair"},
    {"Image8", "fleche_haut", {7440, 5400}, "Flèche vers le palier à 1 après la chute, partie vert clair"},
    {"Image3", "cellule_a", {3960, 6960},
     "Cellule A : un grand ovale jaune ; dans un ovale en pointillés, quatre fins traits ondulés, deux "
     "longs rouges et deux courts roses"},
    {"Image6", "cellule_b", {12480, 7320},
     "Cellule B : un grand ovale jaune, sans ovale en pointillés ; quatre croix, deux grandes rouges et "
     "deux petites roses, chacune faite de deux traits épais croisés"},
    {"Image5", "cellule_c", {3960, 8760},
     "Cellule C : un grand ovale jaune, sans ovale en pointillés ; quatre traits épais et droits, deux "
     "longs rouges et deux courts roses"},
    {"Image4", "cellule_d", {12480, 9240},
     "Cellule D : un grand ovale jaune ; dans un ovale en pointillés, quatre traits ondulés faits chacun "
     "de deux fils accolés, deux longs rouges et deux courts roses"},
};

// Captions: the cells' letters and the sentence the list cb11 completes. Width 0: sized to the caption.
struct Text {
    const char* name;
    QRect at;
    FontDef font;
    QString caption;
};
const FontDef kLetter{QStringLiteral("Arial"), 14.25, Weight::Bold};
const Text kTexts[] = {
    {"Label2", {5760, 6960, 0, 0}, kLetter, QStringLiteral("A")},
    {"Label3", {12480, 7320, 0, 0}, kLetter, QStringLiteral("B")},
    {"Label4", {5760, 8760, 0, 0}, kLetter, QStringLiteral("C")},
    {"Label5", {12480, 9240, 0, 0}, kLetter, QStringLiteral("D")},
    // Label7's box holds only the start of its caption; the sentence reads on with Label9.
    {"Label6", {10200, 2160, 4215, 375}, kBold, QStringLiteral("La division cellulaire est préparée par une")},
    {"Label7", {11760, 2520, 2775, 255}, kBold, QStringLiteral("préalable des chromosomes permettant ainsi la ")},
    {"Label9", {10200, 3240, 2655, 255}, kSmallBold, QStringLiteral("permettant la conservation")},
    {"Label8", {12600, 3240, 1455, 255}, kBold, QStringLiteral("du programme")},
    {"Label10", {10200, 3600, 1455, 255}, kSmallBold, QStringLiteral("génétique.")},
};
// clang-format on

} // namespace

Exercice9::Exercice9(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice9::buildContent() {
    make<Shape>("Shape2")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 2175);
    make<Label>("lblQuestion")
        ->font(kBold)
        ->color(kBrown)
        ->wrap()
        ->setCaption(kQuestion)
        ->at(360, 6360, 2175, 2175);

    for (const Drawing& d : kDrawings)
        make<Picture>(d.name)
            ->source(kPictures + d.file + ".svg", false)
            ->describe(QString::fromUtf8(d.says))
            ->at(d.at.x(), d.at.y(), 0, 0);
    make<Shape>("Shape5")->at(3240, 1920, 6015, 4095); // over the graph, whose top edge it shares
    make<Shape>("Shape3")->fill(0x578242)->at(9960, 4560, 615, 495);
    make<Shape>("Shape4")->fill(0xA5CEA4)->at(9960, 5520, 615, 495);
    make<Shape>("Shape6")->border(0x000000, 2)->at(9960, 2040, 4695, 2055);
    for (const Text& t : kTexts) {
        Label* l = make<Label>(t.name)->font(t.font)->setCaption(t.caption)->at(t.at.x(), t.at.y(),
                                                                                t.at.width(), t.at.height());
        if (t.at.width() == 0) l->autoSize();
    }

    std::vector<QWidget*> order;
    for (int n = 1; n <= kLists; ++n) {
        const Question& q = kQuestions[n];
        const bool letter = n <= kLetterLists;
        lblRep[q.rep] = make<Label>(QStringLiteral("lblRep%1").arg(q.rep))
                            ->font({QStringLiteral("Arial"), letter ? 12.0 : 9.75, Weight::Bold})
                            ->color(kRed)
                            ->setCaption(q.expected)
                            ->at(q.repAt.x(), q.repAt.y(), 0, 0)
                            ->autoSize()
                            ->hidden();
        cb[n] = make<ComboBox>(QStringLiteral("cb%1").arg(n))->kind(ComboBox::Editable);
        if (letter) cb[n]->font({QStringLiteral("MS Sans Serif"), 9.75, Weight::Bold});
        cb[n]->at(q.at.x(), q.at.y(), q.at.width(), q.at.height());
        order.push_back(cb[n]);
    }
    tabOrder(order);
}

void Exercice9::loadContent() {
    for (int n = 1; n <= kLists; ++n)
        for (const QString& item : kQuestions[n].items)
            cb[n]->AddItem(item);
}

std::vector<QWidget*> Exercice9::answerControls() {
    return {cb.begin() + 1, cb.end()};
}

Verdict Exercice9::verdict() {
    for (int n = 1; n <= kLists; ++n)
        if (cb[n]->Text() != kQuestions[n].expected) return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice9::revealCorrection() {
    // All eleven, beside right answers too; the pupil's answers stay in their lists.
    for (int n = 1; n <= kLists; ++n)
        lblRep[n]->SetVisible(true);
}

bool Exercice9::enterRightAnswers() {
    for (int n = 1; n <= kLists; ++n)
        cb[n]->setTextValue(kQuestions[n].expected);
    return true;
}

void Exercice9::enterWrongAnswers() {
    // The two phases swapped, and the two cells with doubled chromosomes taken for one another.
    enterRightAnswers();
    cb[9]->setTextValue(kDivision);
    cb[10]->setTextValue(kInterphase);
    cb[2]->setTextValue(QStringLiteral("B"));
    cb[3]->setTextValue(QStringLiteral("D"));
}
