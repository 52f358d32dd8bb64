#include "exercises/exercice17.h"

using namespace forms;

namespace {

const QString kDir = QStringLiteral(":/assets/ex17/");
const FontDef kBold975{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kBold12{QStringLiteral("Arial"), 12, Weight::Bold};
const FontDef kBold825{QStringLiteral("Arial"), 8.25, Weight::Bold};
constexpr BgrColor kBrown = 0x254189;
constexpr BgrColor kRed = 0x1010D6;
constexpr BgrColor kWindow = 0xFFFFFF; // the nuclei before any drop

// What a drop of tag k paints, index k: the tint of karyotype k's picture.
constexpr BgrColor kKaryotype[4] = {0, 0xE6C6C4, 0xD0D6E8, 0xD0E3C8};

struct Cell {
    int index;
    QRect rect;
    const char* picture;
    const char* captionName;
    const char* caption;
    QPoint captionAt;
    Align captionAlign;
    const char* nucleus;
    QRect nucleusRect;
    int expectedKaryotype;
};
// clang-format off
const Cell kCells[] = {
    {3, {4320, 2160, 3315, 1215}, "spermatozoide.svg", "Label6", "Spermatozoïde", {5880, 1800}, Align::Left,
     "rond1", {6240, 2280, 1215, 975}, 3},
    {2, {11040, 2040, 1695, 1665}, "cellule.svg", "Label7", "Ovule", {11520, 1680}, Align::Centre,
     "rond2", {11280, 2280, 1215, 1215}, 2},
    {1, {8520, 4800, 1695, 1665}, "cellule.svg", "Label9", "Cellule-oeuf", {8640, 6480}, Align::Centre,
     "rond3", {8760, 5040, 1215, 1215}, 1},
};
// clang-format on

struct Plain {
    const char* name;
    const char* picture;
    QRect rect; // an empty size: the picture at its own size
};
const Plain kScheme[] = {
    {"Image8", "fleche_bas_droite.svg", {7200, 3480, 1425, 1305}},
    {"Image9", "fleche_bas_gauche.svg", {9960, 3480, 1305, 1305}},
    {"Image1", "triangle_bas.svg", {8760, 8040, 0, 0}},
    {"Image2", "triangle_haut.svg", {8760, 9720, 0, 0}},
    {"Image3", "fleche_droite.svg", {10320, 5640, 690, 180}},
};

struct Tag {
    int index;
    int top;
    const char* picture;
};
const Tag kTags[] = {{1, 8280, "etiquette1.svg"}, {2, 8760, "etiquette2.svg"}, {3, 9240, "etiquette3.svg"}};

struct Viewed {
    const char* name;
    const char* picture;
    int width;
    bool stretch;
    const char* shows; // what a screen reader says of it
};
const Viewed kViewer[] = {
    {"img1", "caryotype1.svg", 3975, true,
     "Caryotype 1 : chromosomes rangés par paires et numérotés de 1 à 22, puis un Y et un X"},
    {"img2", "caryotype2.svg", 3975, true,
     "Caryotype 2 : chromosomes seuls, un de chaque paire, numérotés de 1 à 22, "
     "puis un X ; échelle de 10 µm"},
    {"img3", "caryotype3.svg", 3960, false,
     "Caryotype 3 : chromosomes seuls, un de chaque paire, numérotés de 1 à 22, "
     "puis un Y ; échelle de 10 µm"},
};

struct Hint {
    const char* name;
    const char* caption;
    QRect rect;
};
const Hint kHints[] = {
    {"Label4", "Clique droit pour visualiser les caryotypes", {7680, 7560, 2535, 450}},
    {"Label5",
     "Clique gauche et maintien pour déplacer le caryotype vers la cellule",
     {7680, 9960, 2460, 690}},
};

// Shown in this order by the correction.
struct Answer {
    int number;
    const char* caption;
    QPoint at;
};
// clang-format off
const Answer kAnswers[] = {
    {1, "masculin", {11400, 5880}},
    {2, "22 chromosomes + Y", {5040, 3720}},
    {3, "caryotype 3", {5520, 3480}},
    {4, "caryotype 2", {12600, 3600}},
    {5, "22 chromosomes + X", {12240, 3840}},
    {6, "44 chromosomes + XY", {11040, 6360}},
    {7, "caryotype 1", {11400, 6120}},
};
// clang-format on

const char* const kSexes[] = {"masculin", "féminin"};
const char* const kExpectedSex = "masculin";

QString u(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

Exercice17::Exercice17(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice17::buildContent() {
    // Back to front: instruction, cells and nuclei, scheme, tags, viewer, legend, answers.
    make<Shape>("Shape2")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2295, 1935);
    make<Label>("Label8")
        ->font(kBold975)
        ->color(kBrown)
        ->wrap()
        ->setCaption(
            u("Observe les caryotypes proposés puis déplace leurs étiquettes vers les cellules auxquelles "
              "ils appartiennent et complète la légende."))
        ->at(360, 6360, 2055, 1695);

    for (const Cell& c : kCells) {
        const int index = c.index;
        make(imgCellule, "imgCellule", index)
            ->source(kDir + c.picture)
            ->describe(u(c.caption))
            ->drop([this, index](Control* src, int x, int y) { imgCellule_DragDrop(index, src, x, y); })
            ->at(c.rect.x(), c.rect.y(), c.rect.width(), c.rect.height());
        make<Label>(c.captionName)
            ->font(kBold12)
            ->align(c.captionAlign)
            ->setCaption(u(c.caption))
            ->at(c.captionAt.x(), c.captionAt.y(), 0, 0)
            ->autoSize();
    }
    // The nuclei lie over the cell pictures; being shapes, they let a drop through to the cell beneath.
    for (const Cell& c : kCells) {
        Shape* s = make<Shape>(c.nucleus)->kind(ShapeKind::Oval)->fill(kWindow);
        s->at(c.nucleusRect.x(), c.nucleusRect.y(), c.nucleusRect.width(), c.nucleusRect.height());
        (c.index == 3 ? rond1 : c.index == 2 ? rond2 : rond3) = s;
    }

    for (const Plain& p : kScheme) {
        auto* pic = make<Picture>(p.name)->source(kDir + p.picture, !p.rect.isEmpty());
        pic->at(p.rect.x(), p.rect.y(), p.rect.width(), p.rect.height());
    }
    make<Label>("Label2")->font(kBold12)->setCaption(u("Fécondation"))->at(8640, 3960, 0, 0)->autoSize();
    for (const Hint& h : kHints)
        make<Label>(h.name)
            ->font(kBold825)
            ->align(Align::Centre)
            ->wrap()
            ->setCaption(u(h.caption))
            ->at(h.rect.x(), h.rect.y(), h.rect.width(), h.rect.height());

    for (const Tag& t : kTags) {
        const int index = t.index;
        make(imgCaryo, "imgCaryo", index)
            ->source(kDir + t.picture)
            ->describe(QStringLiteral("caryotype %1").arg(index))
            ->draggable(kDir + "carte.svg")
            ->mouseDown([this, index](int b, int s, int x, int y) { imgCaryo_MouseDown(index, b, s, x, y); })
            ->at(8040, t.top, 1560, 375);
    }

    // The viewer: the three karyotypes stacked, all covered at first by an empty white frame.
    QPointer<Picture>* viewed[] = {&img1, &img2, &img3};
    for (std::size_t i = 0; i < std::size(kViewer); ++i) {
        const Viewed& v = kViewer[i];
        *viewed[i] = make<Picture>(v.name)
                         ->source(kDir + v.picture, v.stretch)
                         ->describe(u(v.shows))
                         ->at(3360, 6360, v.width, 4215);
    }
    cadre1 = make<Shape>("cadre1")->fill(0xFFFFFF)->at(3360, 6360, 3975, 4215);

    make<Label>("Label1")
        ->font(kBold975)
        ->setCaption(u("Individu de sexe"))
        ->at(11040, 5160, 0, 0)
        ->autoSize();
    cb1 = make<ComboBox>("cb1")->kind(ComboBox::Editable)->font(kBold975)->at(11040, 5520, 1575, 360);

    for (const Answer& a : kAnswers) {
        lblRep_[std::size_t(a.number)] = make<Label>(QStringLiteral("lblRep%1").arg(a.number))
                                             ->font(kBold975)
                                             ->color(kRed)
                                             ->align(Align::Centre)
                                             ->setCaption(u(a.caption))
                                             ->at(a.at.x(), a.at.y(), 0, 0)
                                             ->autoSize()
                                             ->hidden();
    }
    tabOrder({cb1});
}

void Exercice17::loadContent() {
    for (const char* s : kSexes)
        cb1->AddItem(u(s));
}

Shape* Exercice17::nucleusOf(int cell) const {
    switch (cell) {
    case 3:
        return rond1;
    case 2:
        return rond2;
    case 1:
        return rond3;
    default:
        return nullptr;
    }
}

void Exercice17::imgCaryo_MouseDown(int index, int, int, int, int) {
    img1->SetVisible(index == 1);
    img2->SetVisible(index == 2);
    img3->SetVisible(index == 3);
    cadre1->SetVisible(false);
}

void Exercice17::imgCellule_DragDrop(int index, Control* source, int, int) {
    // Only the three tags carry a karyotype.
    const int k = source ? source->Index() : -1;
    if (k < 1 || k > 3 || imgCaryo[k] != source) return;
    if (Shape* nucleus = nucleusOf(index)) nucleus->setFillColor(kKaryotype[k]);
    // The cell tells a screen reader which karyotype its nucleus now shows.
    for (const Cell& c : kCells)
        if (c.index == index && imgCellule[index])
            imgCellule[index]->describe(u(c.caption) + QStringLiteral(" : caryotype %1").arg(k));
}

std::vector<QWidget*> Exercice17::answerControls() {
    return {imgCaryo[1], imgCaryo[2], imgCaryo[3], cb1};
}

Verdict Exercice17::verdict() {
    bool right = cb1->Text() == u(kExpectedSex);
    for (const Cell& c : kCells)
        right = right && nucleusOf(c.index)->FillColor() == kKaryotype[c.expectedKaryotype];
    return right ? Verdict::Right : Verdict::Wrong;
}

void Exercice17::revealCorrection() {
    for (const Cell& c : kCells)
        nucleusOf(c.index)->setFillColor(kKaryotype[c.expectedKaryotype]);
    for (std::size_t n = 1; n < lblRep_.size(); ++n)
        lblRep_[n]->SetVisible(true);
}

bool Exercice17::enterRightAnswers() {
    for (const Cell& c : kCells)
        imgCellule_DragDrop(c.index, imgCaryo[c.expectedKaryotype], 0, 0);
    cb1->setCurrentIndex(cb1->findText(u(kExpectedSex)));
    return true;
}
