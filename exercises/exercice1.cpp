#include "exercises/exercice1.h"

#include "exercises/exercise_table.h"

using namespace forms;

namespace {

// The three gaps of the text: each list's items, in order, and the one it expects.
struct Gap {
    QString items[2];
    QString expected;
};
const Gap kGaps[3] = {
    {{QStringLiteral("des oreilles de son père"), QStringLiteral("des oreilles de sa mère")},
     QStringLiteral("des oreilles de son père")},
    {{QStringLiteral("du nez de son père"), QStringLiteral("du nez de sa mère")},
     QStringLiteral("du nez de sa mère")},
    {{QStringLiteral("caractères individuels"), QStringLiteral("caractères héréditaires")},
     QStringLiteral("caractères héréditaires")},
};

const QString kQuestion = QStringLiteral(
    "Observe bien la transmission des caractères au sein de cette famille et complète le texte.");
const QString kSentence1 = QStringLiteral("Dans cette famille, le fils a hérité  :");
const QString kSentence2 = QStringLiteral("C'est ce que l'on appelle des :");
const QString kAnswer = QStringLiteral(
    "Le fils a hérité des oreilles de son père et du nez de sa mère. Ce sont des caractères héréditaires, "
    "transmis de génération en génération.");

const BgrColor kBrown = 0x254189;
const FontDef kBold{QStringLiteral("Arial"), 9.75, Weight::Bold};
const QString kPictures = QStringLiteral(":/assets/ex01/");

} // namespace

Exercice1::Exercice1(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice1::buildContent() {
    // The family tree, behind the portraits: down from each parent, across, and down to the son.
    Line17 = make<Line>("Line17")->pen(0x000000, 3)->from(4920, 5160, 4920, 5640);
    Line18 = make<Line>("Line18")->pen(0x000000, 3)->from(8640, 5040, 8640, 5640);
    Line16 = make<Line>("Line16")->pen(0x000000, 3)->from(8640, 5640, 4920, 5640);
    Line15 = make<Line>("Line15")->pen(0x000000, 3)->from(6720, 5640, 6720, 6120);
    Image8 = make<Picture>("Image8")
                 ->source(kPictures + "pere.svg")
                 ->bordered()
                 ->describe(QStringLiteral("Le père : un homme à moustache aux très grandes oreilles"))
                 ->at(3600, 2160, 2745, 3045);
    Image9 = make<Picture>("Image9")
                 ->source(kPictures + "mere.svg")
                 ->bordered()
                 ->describe(
                     QStringLiteral("La mère : une femme aux cheveux bruns frisés et au très gros nez rond"))
                 ->at(7320, 2160, 2745, 3045);
    imgPhoto3 = make<Picture>("imgPhoto3")
                    ->source(kPictures + "fils.svg")
                    ->bordered()
                    ->describe(QStringLiteral("Le fils : un garçon aux cheveux bruns frisés, aux très "
                                              "grandes oreilles et au très gros nez rond"))
                    ->at(5520, 6120, 2505, 2685);
    Label1 = make<Label>("Label1")
                 ->font({QStringLiteral("Arial"), 27.75, Weight::Regular, true})
                 ->align(Align::Centre)
                 ->setCaption(QStringLiteral("Portraits de famille"))
                 ->at(3810, 9240, 4485, 630)
                 ->autoSize();

    Shape11 =
        make<Shape>("Shape11")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 1455);
    lblQuestion = make<Label>("lblQuestion")
                      ->font(kBold)
                      ->color(kBrown)
                      ->wrap()
                      ->setCaption(kQuestion)
                      ->at(360, 6360, 2235, 1275);

    Label4 =
        make<Label>("Label4")->font(kBold)->setCaption(kSentence1)->at(10440, 5520, 3315, 240)->autoSize();
    cb1 = make<ComboBox>("cb1")->font(kBold)->at(10680, 5880, 2775, 360);
    cb2 = make<ComboBox>("cb2")->font(kBold)->at(10680, 6360, 2775, 360);
    Label5 =
        make<Label>("Label5")->font(kBold)->setCaption(kSentence2)->at(10560, 6960, 2850, 240)->autoSize();
    cb3 = make<ComboBox>("cb3")->font(kBold)->at(10680, 7320, 2775, 360);

    cadreRep = make<Shape>("cadreRep")->border(0x0000C0)->at(9000, 8400, 5655, 975)->hidden();
    lblRep = make<Label>("lblRep")
                 ->font(kBold)
                 ->color(0x1010D6)
                 ->wrap()
                 ->setCaption(kAnswer)
                 ->at(9240, 8520, 5445, 825)
                 ->hidden();
    tabOrder({cb1, cb2, cb3});
}

void Exercice1::loadContent() {
    for (int g = 0; g < 3; ++g)
        for (const QString& item : kGaps[g].items)
            lists()[g]->AddItem(item);
}

std::vector<QWidget*> Exercice1::answerControls() {
    return {cb1, cb2, cb3};
}

Verdict Exercice1::verdict() {
    for (int g = 0; g < 3; ++g)
        if (lists()[g]->Text() != kGaps[g].expected) return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice1::revealCorrection() {
    // The whole answer text, whichever gaps were wrong; the pupil's choices stay in the lists.
    lblRep->SetVisible(true);
    cadreRep->SetVisible(true);
}

bool Exercice1::enterRightAnswers() {
    for (int g = 0; g < 3; ++g)
        lists()[g]->setTextValue(kGaps[g].expected);
    return true;
}

void Exercice1::enterWrongAnswers() {
    // The parents swapped.
    cb1->setTextValue(kGaps[0].items[1]);
    cb2->setTextValue(kGaps[1].items[0]);
    cb3->setTextValue(kGaps[2].expected);
}
