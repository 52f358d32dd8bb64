#include "exercises/exercice2.h"

using namespace forms;

namespace {

const BgrColor kBrown = 0x254189;
const QString kPictures = QStringLiteral(":/assets/ex02/");
const FontDef kCaption{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kLetter{QStringLiteral("Arial"), 21.75, Weight::Bold};

const QString kQuestion = QStringLiteral(
    "Observe attentivement les différentes étapes de cette expérience et complète sa légende.");

// clang-format off
// The pictures of the diagram, back to front. Width 0: shown at the picture's own size.
struct Drawing {
    const char* name;
    const char* file;
    QRect at;
    const char* says;
};
const Drawing kDrawings[] = {
    {"Image1", "lapine_a", {3360, 2160, 2220, 2055},
     "Lapine marron, une tache rouge sur le flanc marquée Ovaire, d'où une flèche mène à un petit rond "
     "jaune pâle à point rouge"},
    {"Image3", "lapine_b", {11640, 2160, 2220, 2055},
     "Lapine grise, une tache rouge à l'avant du ventre marquée Pancréas, d'où une flèche mène à un petit "
     "ovale jaune à point rouge"},
    {"Image4", "lapine_c", {8160, 8760, 2220, 2055},
     "Lapine noire, une tache rouge sur le ventre marquée Utérus, où mène une flèche partie d'un petit "
     "rond jaune pâle à point rouge"},
    {"Image6", "lapereau_noir_gauche", {10920, 8880, 1290, 1035}, "Lapereau noir"},
    {"Image5", "lapereau_noir_droite", {11040, 9840, 1290, 1035}, "Lapereau noir"},
    {"Image7", "lapereau_gris", {12480, 9480, 1290, 1035}, "Lapereau gris"},
    {"Image8", "ovule", {5760, 4440, 0, 0}, "Grand rond jaune pâle cerclé de gris, un point rouge au centre"},
    {"Image9", "noyau", {4200, 4800, 0, 0}, "Petit point rouge"},
    {"Image19", "fleche_noire_gauche", {4560, 4800, 1170, 180},
     "Flèche noire tournée vers la gauche, vers le petit point rouge"},
    {"Image13", "ovule_enuclee", {7200, 5760, 0, 0}, "Grand rond jaune pâle cerclé de gris, vide"},
    {"Image11", "cellule_pancreatique", {10680, 4800, 0, 0}, "Ovale jaune, un point rouge au centre"},
    {"Image20", "fleche_noire_bas_gauche", {10320, 5280, 0, 0},
     "Flèche noire tournée en bas à gauche, de l'ovale jaune vers un petit point rouge"},
    {"Image12", "noyau", {9960, 6000, 0, 0}, "Petit point rouge"},
    {"Image10", "fleche_noire_bas_gauche", {9240, 6360, 0, 0},
     "Flèche noire tournée en bas à gauche, du petit point rouge vers un grand rond"},
    {"Image14", "ovule", {8640, 6960, 0, 0},
     "Grand rond jaune pâle cerclé de gris, un point rouge au centre"},
    {"Image26", "eclair", {9360, 7080, 0, 0}, "Éclair rouge tourné vers le grand rond à point rouge"},
    {"Image15", "fleche_bleue_bas_droite", {5040, 3720, 0, 0}, "Flèche bleue"},
    {"Image16", "fleche_bleue_bas_gauche", {11400, 3960, 0, 0}, "Flèche bleue"},
    {"Image18", "fleche_bleue_bas_droite", {6480, 5040, 0, 0}, "Flèche bleue"},
    {"Image22", "fleche_bleue_bas_droite", {7800, 6360, 0, 0}, "Flèche bleue"},
    {"Image17", "fleche_bleue_bas", {8880, 7800, 0, 0}, "Flèche bleue"},
    {"Image24", "fleche_bleue_droite", {9960, 9840, 1410, 420}, "Flèche bleue"},
};

// The captions of the diagram. Width 0: sized to the caption.
struct Text {
    const char* name;
    QRect at;
    FontDef font;
    Align align;
    bool wrap;
    QString text;
};
const Text kCaptions[] = {
    {"Label2", {5040, 2400, 0, 0}, kCaption, Align::Left, false, QStringLiteral("Lapine marron")},
    {"Label3", {13320, 2400, 0, 0}, kCaption, Align::Left, false, QStringLiteral("Lapine grise")},
    {"Label5", {5520, 2640, 0, 0}, kLetter, Align::Left, false, QStringLiteral("A")},
    {"Label6", {13680, 2640, 0, 0}, kLetter, Align::Left, false, QStringLiteral("B")},
    {"Label7", {7440, 9720, 0, 0}, kLetter, Align::Left, false, QStringLiteral("C")},
    {"Label11", {4680, 4920, 1095, 480}, {QStringLiteral("Arial"), 9, Weight::Bold}, Align::Centre, true,
     QStringLiteral("On retire le noyau")},
    {"Label9", {10800, 5520, 0, 0}, kCaption, Align::Left, false, QStringLiteral("On prélève le noyau")},
    {"Label12", {9840, 6360, 2055, 240}, kCaption, Align::Centre, false, QStringLiteral("On greffe le noyau")},
    {"Label8", {9480, 7560, 1695, 255}, kCaption, Align::Centre, false, QStringLiteral("Choc électrique")},
    {"Label10", {7320, 8160, 0, 0}, kCaption, Align::Left, false, QStringLiteral("Transplantation")},
    {"Label4", {6840, 8640, 1215, 1095}, kCaption, Align::Left, true,
     QStringLiteral("Lapine noire fécondée par un mâle noire")},
    {"Label13", {10080, 9600, 0, 0}, kCaption, Align::Centre, false, QStringLiteral("Mise-bas")},
    {"Label15", {12000, 7680, 2775, 975}, kCaption, Align::Left, true,
     QStringLiteral("La lapine noire met bas à 3 lapereaux : un gris parmi deux noirs.  Le lapereau gris est :")},
};

const QStringList kDoes = {QStringLiteral("lapine donneuse d'ovule"),
                           QStringLiteral("lapine donneuse de cellule pancréatique"),
                           QStringLiteral("lapine donneuse de cellule-oeuf"), QStringLiteral("lapine receveuse d'ovule")};
const QStringList kCells = {QStringLiteral("cellule pancréatique"), QStringLiteral("ovule"),
                            QStringLiteral("cellule-oeuf")};

// Each list, its items in order, the item it expects and its red correction label just above or below it.
struct Question {
    const char* name;
    QRect at;
    QStringList items;
    QString expected;
    const char* repName;
    QRect repAt;
    QString rep;
};
const Question kQuestions[Exercice2::kLists] = {
    {"cb1", {3120, 1800, 3975, 360}, kDoes + QStringList{QStringLiteral("lapine porteuse")},
     QStringLiteral("lapine donneuse d'ovule"), "lblRep1", {3720, 2160, 2055, 255},
     QStringLiteral("Lapine donneuse d'ovule")},
    {"cb2", {10920, 1800, 3975, 360}, kDoes + QStringList{QStringLiteral("lapine porteuse")},
     QStringLiteral("lapine donneuse de cellule pancréatique"), "lblRep2", {11160, 2160, 3375, 255},
     QStringLiteral("Lapine donneuse de cellule pancréatique")},
    {"cb3", {4200, 10440, 3975, 360}, kDoes + QStringList{QStringLiteral("lapine receveuse de cellule-oeuf")},
     QStringLiteral("lapine receveuse de cellule-oeuf"), "lblRep3", {4680, 10200, 2655, 255},
     QStringLiteral("Lapine receveuse de cellule-oeuf")},
    {"cb4", {6480, 4320, 2175, 360}, kCells, QStringLiteral("ovule"), "lblRep4", {6600, 4080, 615, 255},
     QStringLiteral("Ovule")},
    {"cb5", {12360, 4680, 2175, 360}, kCells, QStringLiteral("cellule pancréatique"), "lblRep5",
     {12480, 4440, 1695, 255}, QStringLiteral("cellule pancréatique")},
    {"cb6", {4080, 6000, 3015, 360},
     {QStringLiteral("cellule pancréatique énucléée"), QStringLiteral("ovule énucléé"),
      QStringLiteral("cellule-oeuf énucléée")},
     QStringLiteral("ovule énucléé"), "lblRep6", {4560, 5760, 1215, 255}, QStringLiteral("ovule énucléé")},
    {"cb8", {5400, 7320, 3135, 360},
     {QStringLiteral("ovule reconstitué"), QStringLiteral("cellule pancréatique reconstituée"),
      QStringLiteral("'cellule-oeuf' reconstituée")},
     QStringLiteral("'cellule-oeuf' reconstituée"), "lblRep8", {5640, 6960, 2535, 255},
     QStringLiteral("'cellule-oeuf' reconstituée")},
    {"cb9", {12000, 8760, 2775, 360},
     {QStringLiteral("clone de la lapine A"), QStringLiteral("clone de la lapine B"),
      QStringLiteral("clone de la lapine C")},
     QStringLiteral("clone de la lapine B"), "lblRep9", {12480, 9120, 1935, 255},
     QStringLiteral("clone de la lapine B")},
};
// clang-format on
const int kBoldList = 7; // cb9, the answer to the grey young's caption

} // namespace

Exercice2::Exercice2(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice2::buildContent() {
    make<Shape>("Shape3")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 1455);
    make<Label>("lblQuestion")
        ->font(kCaption)
        ->color(kBrown)
        ->wrap()
        ->setCaption(kQuestion)
        ->at(360, 6360, 2115, 1515);

    for (const Drawing& d : kDrawings) {
        const bool stretched = d.at.width() > 0;
        make<Picture>(d.name)
            ->source(kPictures + d.file + ".svg", stretched)
            ->describe(QString::fromUtf8(d.says))
            ->at(d.at.x(), d.at.y(), d.at.width(), d.at.height());
    }
    for (const Text& c : kCaptions) {
        Label* l = make<Label>(c.name)->font(c.font)->align(c.align)->setCaption(c.text);
        if (c.wrap) l->wrap();
        l->at(c.at.x(), c.at.y(), c.at.width(), c.at.height());
        if (c.at.width() == 0) l->autoSize();
    }

    std::vector<QWidget*> order;
    for (int i = 0; i < kLists; ++i) {
        const Question& q = kQuestions[i];
        lblRep[i] = make<Label>(q.repName)
                        ->font({QStringLiteral("Times New Roman"), 9.75, Weight::Bold})
                        ->color(0x0000FF)
                        ->setCaption(q.rep)
                        ->at(q.repAt.x(), q.repAt.y(), q.repAt.width(), q.repAt.height())
                        ->hidden();
        cb[i] = make<ComboBox>(q.name, nullptr, ComboBox::PickOnly)
                    ->font({QStringLiteral("Arial"), 9.75, i == kBoldList ? Weight::Bold : Weight::Regular})
                    ->at(q.at.x(), q.at.y(), q.at.width(), q.at.height());
        order.push_back(cb[i]);
    }
    tabOrder(order);
}

void Exercice2::loadContent() {
    for (int i = 0; i < kLists; ++i)
        for (const QString& item : kQuestions[i].items)
            cb[i]->AddItem(item);
}

std::vector<QWidget*> Exercice2::answerControls() {
    return {cb.begin(), cb.end()};
}

Verdict Exercice2::verdict() {
    for (int i = 0; i < kLists; ++i)
        if (cb[i]->Text() != kQuestions[i].expected) return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice2::revealCorrection() {
    // Every label, beside right and wrong choices alike; the choices stay in their lists.
    for (auto& l : lblRep)
        l->SetVisible(true);
}

bool Exercice2::enterRightAnswers() {
    for (int i = 0; i < kLists; ++i)
        cb[i]->setTextValue(kQuestions[i].expected);
    return true;
}

void Exercice2::enterWrongAnswers() {
    // The egg cell taken for the fertilised one, and the young for the mother's clone.
    enterRightAnswers();
    cb[3]->setTextValue(QStringLiteral("cellule-oeuf"));
    cb[7]->setTextValue(QStringLiteral("clone de la lapine C"));
}
