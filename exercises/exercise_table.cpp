#include "exercises/exercise_table.h"

#include <array>

using forms::ExerciseInfo;

namespace {

ExerciseInfo make(int n, const char* title) {
    ExerciseInfo i;
    i.number = n;
    i.title = QString::fromUtf8(title);
    return i;
}

// The twenty screens, each as the shared design with its own particulars.
std::array<ExerciseInfo, 21> buildTable() {
    std::array<ExerciseInfo, 21> t;
    const char* titles[21] = {nullptr,
                              "Hérédité et caractères d'un individu",
                              "La localisation du programme génétique (1)",
                              "La localisation du programme génétique (2)",
                              "Les chromosomes humains",
                              "Caryotypes humains",
                              "Anomalie chromosomique",
                              "Programme génétique et divisions cellulaires",
                              "Division cellulaire et transmission des chromosomes",
                              "Les étapes de la division cellulaire",
                              "Les gènes et leurs allèles",
                              "La transmission des allèles des groupes sanguins (1)",
                              "La transmission des allèles des groupes sanguins (2)",
                              "La transmission des allèles des groupes sanguins (3)",
                              "La transmission des allèles des groupes sanguins (4)",
                              "Les chromosomes : supports des gènes",
                              "Cellules sexuelles et chromosomes",
                              "Fécondation et détermination du sexe",
                              "La répartition des allèles dans les cellules sexuelles",
                              "La transmission du daltonisme",
                              "Maladie génétique et hérédité"};
    for (int n = 1; n <= 20; ++n) t[n] = make(n, titles[n]);

    ExerciseInfo& e1 = t[1];
    e1.numberLabel = "Label7";
    e1.titleLabel = "Label2";
    e1.rule = "Line19";
    e1.back = 0xFDFFFF;
    e1.bandColor = 0x2143CB;
    e1.titleColor = 0xE7EEEF;
    e1.infoCaption = QString();
    e1.bonAt = {240, 3600};
    e1.fauxRect = {2280, 3480, 435, 435};

    t[2].abandonLeft = 14520;
    t[3].rule = "Line9";

    t[4].emptyCaption = true;
    t[4].bandRect = {180, 600, 14895, 615};

    t[5].clientHeight = 11085;
    t[5].keepsInfoOnCorrection = true;

    t[6].abandonLeft = 14520;
    t[6].panelRect.setHeight(10095);
    t[6].panelOpaque = true;

    t[7].correctionMessage = "Regarde la corection puis clique sur Continuer pour passer à la suite.";

    ExerciseInfo& e8 = t[8];
    e8.rule = "Line7";
    e8.band = "Shape26"; // Shape13 is a sample of grid 1 on this screen
    e8.panel = "Shape24";
    e8.panelRect = {3120, 1680, 11895, 9255};
    e8.continuerBeforeComparing = true;
    e8.keepsCrossOnCorrection = true;

    t[10].titleColor = 0xE7EEEF;
    t[10].titleLeft = 4995;
    t[10].titleWidth = 5265;
    t[10].keepsCrossOnCorrection = true;
    t[10].keepsInfoOnCorrection = true;

    for (int n : {13, 14, 15, 16}) {
        t[n].instructionWithoutStop = true;
        t[n].keepsCrossOnCorrection = true;
    }
    t[15].panelRect.setHeight(8415);
    t[15].titleLeft = 3435;
    t[15].titleWidth = 8385;
    t[15].infoBox = "Shape10";
    t[16].panelRect.setHeight(10095);
    t[16].titleLabel = "lblTitre";
    t[16].titleLeft = 3945;
    t[16].titleWidth = 7365;
    t[16].infoBox = "Shape10";

    ExerciseInfo& e17 = t[17];
    e17.keepsCrossOnCorrection = true;
    e17.titleLabel = "lblTitre";
    e17.titleLeft = 3675;
    e17.titleWidth = 7905;
    e17.panel = "Shape1(0)";
    e17.infoBox = "Shape10";

    t[18].titleLeft = 2250;
    t[18].titleWidth = 10755;
    t[18].infoBox = "Shape10";
    t[19].rule = "Line35";
    t[19].titleLeft = 4395;
    t[19].titleWidth = 6465;
    t[19].infoBox = "Shape10";
    t[20].numberLabel = "Label6";
    t[20].band = "Shape80";
    t[20].panel = "Shape79";
    t[20].clientWidth = 15150;
    t[20].titleLeft = 4560;
    t[20].titleWidth = 6135;
    return t;
}

} // namespace

const ExerciseInfo& exerciseInfo(int n) {
    static const std::array<ExerciseInfo, 21> table = buildTable();
    return table.at(std::size_t(n));
}
