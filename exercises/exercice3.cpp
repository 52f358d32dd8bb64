#include "exercises/exercice3.h"

#include "exercises/exercise_table.h"

using namespace forms;

namespace {

// One row for each structure the pupil labels: its box, its expected word (and the width of that word in
// red), and the pointer lines that reach the structure on the photograph and on the drawing.
struct Row {
    int top;
    QString word;
    int wordWidth;
    const char* photoLine;
    int photoX;
    const char* drawingLine;
    int drawingX1, drawingX2;
};
const Row kRows[5] = {
    {},
    {3480, QStringLiteral("noyau"), 480, "Line5", 6720, "Line4", 9720, 12240},
    {3960, QStringLiteral("chromosome"), 1035, "Line2", 6360, "Line6", 9720, 12600},
    {4440, QStringLiteral("cytoplasme"), 900, "Line1", 6720, "Line3", 9720, 11640},
    {4920, QStringLiteral("membrane"), 855, "Line7", 6960, "Line8", 9600, 11400},
};
const int kBoxLeft = 8160, kPointerEnd = 8040;

const QString kQuestion =
    QStringLiteral("Complète les légendes en utilisant les termes suivants :   - noyau,");
// The blanks push each term onto a line of its own.
const QString kTerms = QStringLiteral("- cytoplasme,%1- chromosome,%2- membrane")
                           .arg(QString(14, QLatin1Char(' ')), QString(11, QLatin1Char(' ')));
const QString kSpelling = QStringLiteral("Veille à ne pas faire de faute d'orthographe.");
const QString kCaption = QStringLiteral("Cellule de racine d'ail, observée au microscope optique (x520)");

const BgrColor kBrown = 0x254189, kPointer = 0x0000C0;
const FontDef kBold{QStringLiteral("Arial"), 9.75, Weight::Bold};
const QString kPictures = QStringLiteral(":/assets/ex03/");

} // namespace

Exercice3::Exercice3(const ExerciseInfo& info, ExerciseHost* host) : ExerciseScreen(info, host) {}

void Exercice3::buildContent() {
    Image1 =
        make<Picture>("Image1")
            ->source(kPictures + "micrographie.svg", false)
            ->describe(QStringLiteral("Photographie au microscope optique d'une cellule de racine d'ail"))
            ->at(3840, 2760, 3675, 2865);
    Label3 = make<Label>("Label3")
                 ->wrap()
                 ->font({QStringLiteral("Arial"), 8.25})
                 ->setCaption(kCaption)
                 ->at(4560, 5760, 2295, 615);
    Image3 = make<Picture>("Image3")
                 ->source(kPictures + "schema.svg", false)
                 ->describe(QStringLiteral("Dessin d'interprétation de la même cellule : un contour "
                                           "aux coins arrondis semé de petits points, au milieu un grand "
                                           "cercle rempli de filaments noirs entortillés"))
                 ->at(10920, 3120, 3675, 2865);

    for (int k = 1; k <= 4; ++k) {
        const Row& r = kRows[k];
        const int y = r.top + 240;
        toPhoto[k] = make<Line>(r.photoLine)->pen(kPointer, 3)->from(r.photoX, y, kPointerEnd, y);
        toDrawing[k] = make<Line>(r.drawingLine)->pen(kPointer, 3)->from(r.drawingX1, y, r.drawingX2, y);
        Text[k] = make<TextBox>(QStringLiteral("Text%1").arg(k))
                      ->font({QStringLiteral("Arial"), 11.25})
                      ->align(Align::Centre)
                      ->at(kBoxLeft, r.top, 1455, 375);
        lblRep[k] = make<Label>(QStringLiteral("lblRep%1").arg(k))
                        ->font({QStringLiteral("Times New Roman"), 9.75, Weight::Bold})
                        ->color(0x0000FF)
                        ->setCaption(r.word)
                        ->at(9720, r.top, r.wordWidth, 225)
                        ->autoSize()
                        ->hidden();
    }

    Shape3 =
        make<Shape>("Shape3")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 2775);
    lblQuestion = make<Label>("lblQuestion")
                      ->font(kBold)
                      ->color(kBrown)
                      ->wrap()
                      ->setCaption(kQuestion)
                      ->at(360, 6360, 2115, 1035);
    Label4 = make<Label>("Label4")->font(kBold)->color(kBrown)->wrap()->setCaption(kTerms)->at(360, 7320,
                                                                                               2055, 795);
    Label2 = make<Label>("Label2")
                 ->font({QStringLiteral("Arial"), 9.75, Weight::Bold, true})
                 ->color(kBrown)
                 ->wrap()
                 ->setCaption(kSpelling)
                 ->at(480, 8160, 2175, 855);
    tabOrder({Text[1], Text[2], Text[3], Text[4]});
}

std::vector<QWidget*> Exercice3::answerControls() {
    return {Text[1], Text[2], Text[3], Text[4]};
}

bool Exercice3::wrong(int k) const {
    return Text[k]->Text() != kRows[k].word;
}

Verdict Exercice3::verdict() {
    for (int k = 1; k <= 4; ++k)
        if (wrong(k)) return Verdict::Wrong;
    return Verdict::Right;
}

void Exercice3::revealCorrection() {
    // The right word beside each wrong box only.
    for (int k = 1; k <= 4; ++k)
        if (wrong(k)) lblRep[k]->SetVisible(true);
}

bool Exercice3::enterRightAnswers() {
    for (int k = 1; k <= 4; ++k)
        Text[k]->setText(kRows[k].word);
    return true;
}

void Exercice3::enterWrongAnswers() {
    // A capital, and cytoplasm and membrane swapped: three corrections, none beside the chromosomes.
    Text[1]->setText(QStringLiteral("Noyau"));
    Text[2]->setText(kRows[2].word);
    Text[3]->setText(kRows[4].word);
    Text[4]->setText(kRows[3].word);
}
