#include "exercises/exercice10.h"

using namespace forms;

namespace {

// One individual of the table: the alleles on his two chromosomes 9 and what he must be given.
struct Individual {
    char alleles[2];
    int cell; // the red blood cell picture he has
    const char* group;
};
const Individual kIndividuals[5] = {
    {},
    {{'A', 'O'}, 1, "groupe sanguin A"},
    {{'B', 'B'}, 3, "groupe sanguin B"},
    {{'A', 'B'}, 2, "groupe sanguin AB"},
    {{'O', 'O'}, 4, "groupe sanguin O"},
};
const char* const kGroups[] = {"groupe sanguin A", "groupe sanguin B", "groupe sanguin AB",
                               "groupe sanguin O"};
// What the lists show before the pupil touches them; not one of the items.
const char* const kListPrompt = "Groupe sanguin";

// The four red blood cells a column steps through, 1 .. 4.
const char* const kCellShows[5] = {
    nullptr, "Globule rouge portant la molécule A", "Globule rouge portant les molécules A et B",
    "Globule rouge portant la molécule B", "Globule rouge sans molécule A ni B"};

// The table: four columns of 2175 twips, 2160 apart, and its three rows of cells.
constexpr int kColumnLeft = 6120, kColumnStep = 2160, kColumnWidth = 2175;
int columnLeft(int k) {
    return kColumnLeft + (k - 1) * kColumnStep;
}
struct Row {
    int top, height;
    BgrColor fill;
};
const Row kHeaderRow{4560, 495, 0xC0C0C0}, kCellRow{5040, 2055, 0xEBF0F3}, kAllelesRow{7080, 2775, 0xEBF0F3};

struct Text {
    const char* name;
    QRect at;
    const char* caption;
};
const Text kTexts[] = {
    {"Label2",
     {3600, 1800, 6975, 855},
     "Les groupes sanguins A, B, AB et O sont définis par la présence ou l'absence sur la surface des "
     "globules rouges de deux molécules, A et B."},
    {"Label3",
     {3600, 2520, 6735, 615},
     "La synthèse de ces deux molécules est sous la dépendance du gène 'groupe sanguin' situé sur la paire "
     "de chromosomes n°9. "},
    {"Label7",
     {3600, 3240, 6855, 855},
     "Ce gène existe sous trois versions : l'allèle A qui détermine la synthèse de la molécule A, l'allèle B "
     "qui détermine la synthèse de la molécule B et l'allèle O qui ne détermine aucune synthèse."},
};
const char* const kQuestion =
    "Le tableau ci-dessous indique les combinaisons d'allèles du gène 'groupe sanguin' que possèdent quatre "
    "individus. Détermine, pour chacun de ces individus  les globules rouges qu'il possède ainsi que son "
    "groupe sanguin.";

// The legend beside Image1: each label and the thin line from it to the cell.
struct Pointer {
    const char* label;
    const char* caption;
    QPoint at;
    const char* line;
    QLine from;
};
const Pointer kLegend[] = {
    {"lblMoleculeA", "molécule A", {11640, 2040}, "traitMoleculeA", {12600, 2160, 13320, 2160}},
    {"lblGlobuleRouge", "globule rouge", {11400, 2640}, "traitGlobuleRouge", {13440, 2640, 12600, 2760}},
    {"lblMoleculeB", "molécule B", {13920, 3480}, "traitMoleculeB", {14520, 3480, 14520, 3000}},
};

constexpr BgrColor kBlack = 0x000000, kRed = 0x1010D6, kBrown = 0x254189, kListBack = 0xE7E9EF;
constexpr BgrColor kButtonFace = 0xADBDC6;
const FontDef kBold975{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kBold825{QStringLiteral("Arial"), 8.25, Weight::Bold};
const FontDef kRegular825{QStringLiteral("Arial"), 8.25, Weight::Regular};
const QString kDir = QStringLiteral(":/assets/ex10/");

QString u(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

Exercice10::Exercice10(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice10::buildContent() {
    // Back to front: texts, pictures and legend, then the table; the buttons and lists stand in front anyway.
    buildTexts();
    buildPictures();
    buildTable();
    std::vector<QWidget*> order;
    for (int k = 1; k <= 4; ++k) {
        order.push_back(cmd[k]);
        order.push_back(cb[k]);
    }
    tabOrder(order);
}

void Exercice10::buildTexts() {
    make<Shape>("cadreQuestion")
        ->kind(ShapeKind::RoundedRectangle)
        ->border(kBrown)
        ->at(240, 6240, 2415, 3135);
    lblQuestion = make<Label>("lblQuestion")
                      ->font(kBold975)
                      ->color(kBrown)
                      ->wrap()
                      ->setCaption(u(kQuestion))
                      ->at(360, 6360, 2175, 2895);
    QPointer<Label>* labels[] = {&Label2, &Label3, &Label7};
    for (std::size_t i = 0; i < std::size(kTexts); ++i) {
        const Text& t = kTexts[i];
        *labels[i] = make<Label>(t.name)
                         ->font(kBold975)
                         ->wrap()
                         ->setCaption(u(t.caption))
                         ->at(t.at.x(), t.at.y(), t.at.width(), t.at.height());
    }
}

void Exercice10::buildPictures() {
    Image1 = make<Picture>("Image1")
                 ->source(kDir + "legende.svg")
                 ->describe(u("Globule rouge portant deux molécules A (losanges bleus) et deux molécules B "
                              "(triangles jaunes)"))
                 ->at(13200, 1920, 1470, 1245);
    for (const Pointer& p : kLegend) {
        make<Line>(p.line)->pen(kBlack)->from(p.from.x1(), p.from.y1(), p.from.x2(), p.from.y2());
        make<Label>(p.label)
            ->font(kBold825)
            ->setCaption(u(p.caption))
            ->at(p.at.x(), p.at.y(), 0, 0)
            ->autoSize();
    }

    Image3 = make<Picture>("Image3")
                 ->source(kDir + "globules_meb.svg", false)
                 ->describe(u("Globules rouges au microscope électronique à balayage"))
                 ->at(3720, 4560, 2670, 1950);
    make<Label>("lblMEB")
        ->font(kRegular825)
        ->setCaption(u("Globules rouges MEB x1000"))
        ->at(3720, 6360, 0, 0)
        ->autoSize();
    // Wider than the room left of the table, so it lies behind the table's first column.
    Image8 = make<Picture>("Image8")
                 ->source(kDir + "caryotype.svg")
                 ->describe(u("Caryotype humain, la paire de chromosomes 9 entourée en rouge"))
                 ->at(3480, 6960, 2895, 2895);
    make<Label>("lblCaryotype")
        ->font(kRegular825)
        ->setCaption(u("Caryotype"))
        ->at(4320, 9720, 0, 0)
        ->autoSize();
}

void Exercice10::buildTable() {
    const Row* rows[] = {&kHeaderRow, &kCellRow, &kAllelesRow};
    const char* rowNames[] = {"caseIndividu", "caseGlobule", "caseAlleles"};
    for (int k = 1; k <= 4; ++k)
        for (int r = 0; r < 3; ++r)
            make<Shape>(QStringLiteral("%1%2").arg(u(rowNames[r])).arg(k))
                ->border(kBlack, 2)
                ->fill(rows[r]->fill)
                ->at(columnLeft(k), rows[r]->top, kColumnWidth, rows[r]->height);

    for (int k = 1; k <= 4; ++k) {
        const int left = columnLeft(k);
        const Individual& ind = kIndividuals[k];
        make<Label>(QStringLiteral("lblIndividu%1").arg(k))
            ->font(kBold975)
            ->align(Align::Centre)
            ->setCaption(QStringLiteral("Individu %1").arg(k))
            ->at(left, 4680, kColumnWidth, 255);
        for (int pic = 1; pic <= 4; ++pic)
            img[pic][k] = make<Picture>(QStringLiteral("img%1Ind%2").arg(pic).arg(k))
                              ->source(kDir + QStringLiteral("globule%1.svg").arg(pic))
                              ->describe(u(kCellShows[pic]))
                              ->at(left + 240, 5160, 1710, 1485)
                              ->hidden();
        for (int side = 0; side < 2; ++side) {
            const QChar allele = QLatin1Char(ind.alleles[side]);
            make<Picture>(QStringLiteral("imgChromosome%1").arg(2 * k - 1 + side))
                ->source(kDir + QStringLiteral("chromosome_%1.svg").arg(allele))
                ->describe(u("Chromosome 9 portant l'allèle %1").arg(allele))
                ->at(left + 120 + 960 * side, 7200, 915, 2580);
        }
        cmd[k] = make<CommandButton>(QStringLiteral("cmd%1").arg(k))
                     ->picture(kDir + "triangle_bas.svg", 12)
                     ->face(kButtonFace)
                     ->tip(u("Clique ici"))
                     ->click([this, k] { stepCell(k); })
                     ->at(left + 840, 6720, 495, 255);
        cmd[k]->setAccessibleName(u("Globule rouge suivant, individu %1").arg(k));
        cb[k] = make<ComboBox>(QStringLiteral("cb%1").arg(k))
                    ->kind(ComboBox::Editable)
                    ->font(kBold825)
                    ->colors(kBlack, kListBack)
                    ->at(left, 10080, kColumnWidth, 330);
        cb[k]->setTextValue(u(kListPrompt));
        lblRep[k] = make<Label>(QStringLiteral("lblRep%1").arg(k))
                        ->font(kBold975)
                        ->color(kRed)
                        ->align(Align::Centre)
                        ->setCaption(u(ind.group))
                        ->at(left, 10440, kColumnWidth, 255)
                        ->hidden();
    }
    make<Label>("lblGroupe")
        ->font(kBold975)
        ->align(Align::Right)
        ->setCaption(u("Groupe sanguin"))
        ->at(4440, 10080, 1575, 255);
}

void Exercice10::loadContent() {
    for (int k = 1; k <= 4; ++k)
        for (const char* g : kGroups)
            cb[k]->AddItem(u(g));
    p.fill(0);
}

void Exercice10::stepCell(int k) {
    if (!loaded() || !cmd[k]->isEnabled()) return;
    p[k] = p[k] % 4 + 1;
    showCell(k, p[k]);
}

void Exercice10::stepTo(int k, int picture) {
    for (int i = 0; i < 4 && p[k] != picture; ++i)
        stepCell(k);
}

void Exercice10::showCell(int k, int picture) {
    for (int i = 1; i <= 4; ++i)
        img[i][k]->SetVisible(i == picture);
}

std::vector<QWidget*> Exercice10::answerControls() {
    return {cb[1], cb[2], cb[3], cb[4], cmd[1], cmd[2], cmd[3], cmd[4]};
}

Verdict Exercice10::verdict() {
    for (int k = 1; k <= 4; ++k)
        if (p[k] != kIndividuals[k].cell || cb[k]->Text() != u(kIndividuals[k].group)) return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice10::revealCorrection() {
    // The expected cell in every column, whatever was chosen; the pupil's lists keep their texts.
    for (int k = 1; k <= 4; ++k) {
        lblRep[k]->SetVisible(true);
        showCell(k, kIndividuals[k].cell);
    }
}

bool Exercice10::enterRightAnswers() {
    for (int k = 1; k <= 4; ++k) {
        stepTo(k, kIndividuals[k].cell);
        cb[k]->setTextValue(u(kIndividuals[k].group));
    }
    return true;
}

void Exercice10::enterWrongAnswers() {
    // Individual 3 taken for group A, as if allele A hid allele B.
    enterRightAnswers();
    stepTo(3, 1);
    cb[3]->setTextValue(u(kGroups[0]));
}
