// The home screen: twenty exercises in two columns, each with its box and its lights.
#include "navigation/exercise_list.h"
#include "navigation/navigation.h"

using namespace forms;

namespace {
const BgrColor kLavender = 0xFFC0C0;

struct Row {
    int left, top, width, height;
};

// Where exercise N's title, box and light stand inside Frame2.
int columnOf(int n) { return n <= 10 ? 0 : 1; }
int rowOf(int n) { return n <= 10 ? n - 1 : n - 11; }
int titleHeight(int n) {
    if (n == 10) return 375;
    if ((n >= 7 && n <= 9) || (n >= 13 && n <= 19)) return 735;
    return 615;
}
} // namespace

WindowDesign frmAccueil::design() const {
    return {QStringLiteral("Génétique 3ème - Unité et diversité des êtres humains"), WindowStyle::BorderlessMaximised,
            15270, 11265, 0x000000};
}

void frmAccueil::build() {
    Shape1 = make<Shape>("Shape1")->border(0xFFFFFF)->fill(0x000000)->at(3600, 120, 8175, 1575);
    lblTitre2 = make<Label>("lblTitre2")
                    ->font({"Arial", 21.75, Weight::Bold})
                    ->color(0xFFFFFF)
                    ->align(Align::Centre)
                    ->setCaption(QStringLiteral("Unité et diversité des êtres humains"))
                    ->at(3720, 600, 7815, 495);
    Image2 = make<Picture>("Image2")
                 ->source(":/assets/common/coccinelle.svg")
                 ->describe("Une coccinelle rouge à points noirs")
                 ->tip("Cliquez sur moi !")
                 ->click([this] { Image2_Click(); })
                 ->at(14400, 0, 705, 735);
    Label1 = make<Label>("Label1")
                 ->font({"Arial", 8.25, Weight::Bold})
                 ->color(0xFFFFFF)
                 ->setCaption(QStringLiteral("© 2004"))
                 ->at(14400, 720, 690, 210)
                 ->autoSize();
    Frame2 = make<Frame>("Frame2")->back(0x000000)->at(1268, 2040, 12735, 8655);
    Shape2 = make<Shape>("Shape2", Frame2)->border(0xFFFFFF)->fill(0x000000)->at(0, 120, 12735, 8535);

    const FontDef titleFont{"MS Sans Serif", 9.75, Weight::Bold};
    for (const ExerciseEntry& e : exerciseList()) {
        const int n = e.number, col = columnOf(n), top = 360 + 840 * rowOf(n);
        lblExo[n] = make<Label>(QStringLiteral("lblExo%1").arg(n), Frame2)
                        ->font(titleFont)
                        ->color(kLavender)
                        ->wrap()
                        ->setCaption(n == 19 ? QStringLiteral("Exercice 19 - Reproduction sexuée et hasard") : e.homeTitle)
                        ->at(col ? 6600 : 240, top, n == 18 ? 4815 : 4695, titleHeight(n));
        chkExo[n] = make<CheckBox>(QStringLiteral("chkExo%1").arg(n), Frame2)
                        ->colors(0xFFFFFF, 0x000000)
                        ->click([this, n] { chkExo_Click(n); })
                        ->at(col ? 11760 : 5040, top, 375, 375);
        chkExo[n]->setAccessibleName(e.homeTitle);
        const int i = n - 1, lightLeft = col ? 12120 : 5400, lightTop = 240 + 840 * rowOf(n);
        make(imgFeuvert, "imgFeuvert", i, Frame2)
            ->source(":/assets/common/feu_vert.svg")
            ->describe(QStringLiteral("Feu vert : exercice %1 réussi").arg(n))
            ->at(lightLeft, lightTop, 480, 480)
            ->hidden();
        make(imgFeurouge, "imgFeurouge", i, Frame2)
            ->source(":/assets/common/feu_rouge.svg")
            ->describe(QStringLiteral("Feu rouge : exercice %1 échoué").arg(n))
            ->at(lightLeft, lightTop, 480, 480)
            ->hidden();
    }
    lblExo[1]->click([this] { lblExo1_Click(); });

    cmdQuitter = make<CommandButton>("cmdQuitter")
                     ->setCaption("&Quitter")
                     ->font({"MS Sans Serif", 8.25, Weight::Bold})
                     ->face(0xE7E9EF)
                     ->click([this] { cmdQuitter_Click(); })
                     ->at(13080, 10800, 975, 375);
    // From exercise 20 backwards, with Quitter between boxes 3 and 2.
    std::vector<QWidget*> order;
    for (int n = 20; n >= 3; --n) order.push_back(chkExo[n]);
    order.insert(order.end(), {cmdQuitter, chkExo[2], chkExo[1]});
    tabOrder(order);
}

void frmAccueil::Form_Load() {
    for (const ExerciseEntry& e : exerciseList()) lblExo[e.number]->setCaption(e.homeTitle);
}

void frmAccueil::chkExo_Click(int n) {
    if (!chkExo[n] || chkExo[n]->Value() != 1) return;
    chkExo[n]->SetEnabled(false);
    lblExo[n]->SetEnabled(false);
    if (nav_.openExercise) nav_.openExercise(n);
}

void frmAccueil::lblExo1_Click() { chkExo_Click(1); }

void frmAccueil::cmdQuitter_Click() {
    // An exercise can still be open here (the home screen reached with Alt+Tab and closed, or Alt+Q): it
    // leaves first, so that no result changes once the summary has read the record.
    if (nav_.closeExercises) nav_.closeExercises();
    Unload();
    nav_.bilan.Show();
}

void frmAccueil::Image2_Click() { nav_.auteur.Show(); }

void frmAccueil::exerciseValidated(int number, bool right) {
    nav_.record.Resultat[number] = right ? 1 : 0;
    nav_.record.validated[number] = true;
    if (Picture* light = (right ? imgFeuvert : imgFeurouge)[number - 1]) light->SetVisible(true);
}

void frmAccueil::exerciseAbandoned(int number) {
    if (!lblExo[number] || !chkExo[number]) return;
    lblExo[number]->SetEnabled(true);
    chkExo[number]->SetEnabled(true);
    chkExo[number]->setValue(0);
}

// ---------------------------------------------------------------- frmAuteur

WindowDesign frmAuteur::design() const {
    WindowDesign d{QStringLiteral("Auteur"), WindowStyle::Sizable, 4155, 945, 0xE7E9EF};
    d.position = StartPosition::Fixed;
    d.fixedClientOrigin = QPoint(8130, 6270);
    return d;
}

void frmAuteur::build() {
    Label1 = make<Label>("Label1")->font({"Arial", 12})->setCaption("Morvelle 3")->at(240, 120, 1305, 270)->autoSize();
    Label3 = make<Label>("Label3")
                 ->font({"MS Sans Serif", 9.75, Weight::Bold})
                 ->setCaption(QStringLiteral("Logiciel de SVT pour la classe de 3ème"))
                 ->at(240, 480, 3165, 240)
                 ->autoSize();
}
