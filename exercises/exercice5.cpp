#include "exercises/exercice5.h"

using namespace forms;

namespace {

const std::vector<ListKey> kKeys = {
    {"cb1", {QStringLiteral("d'un homme"), QStringLiteral("d'une femme")}, QStringLiteral("d'un homme")},
    {"cb2", {QStringLiteral("d'un homme"), QStringLiteral("d'une femme")}, QStringLiteral("d'une femme")},
    {"cb3", numberItems(46, QStringLiteral(" chromosomes")), QStringLiteral("46 chromosomes")},
    {"cb4", numberItems(23), QStringLiteral("22")},
    {"cb5", {QStringLiteral("XX"), QStringLiteral("XY")}, QStringLiteral("XY")},
    {"cb6", numberItems(23), QStringLiteral("22")},
    {"cb7", {QStringLiteral("XX"), QStringLiteral("XY")}, QStringLiteral("XX")},
};

const FontDef kStop{QStringLiteral("Arial"), 12, Weight::Bold};

// The captions keep their blanks: the lists sit in the gaps they leave.
const std::vector<TextLine> kText = {
    {6720,
     {{"Label4", 3960, "Le caryotype A est celui "},
      {"cb1", 6360, nullptr, 1455},
      {"Label5", 7920, ". Le caryotype B est celui "},
      {"cb2", 10440, nullptr, 1335}}},
    {7320,
     {{"Label6", 3960, "Dans l'espèce humaine, il y a "},
      {"cb3", 6840, nullptr, 1935},
      {"Label7", 8880, ". La différence entre les deux caryotypes"}}},
    {7920,
     {{"Label8", 3960, "porte sur la paire de chromosomes sexuels : L'homme possède "},
      {"cb4", 10080, nullptr, 735},
      {"Label9", 10920, "paires de"}}},
    {8520,
     {{"Label10", 3960, "chromosomes + "},
      {"cb5", 5520, nullptr, 735},
      {"Label11", 6360, ", la femme possède "},
      {"cb6", 8280, nullptr, 735},
      {"Label12", 9120, "paires de chromosomes + "},
      {"cb7", 11640, nullptr, 855},
      {"Label13", 12480, ".", 0, &kStop}}},
};

const TextStyle kTextStyle{
    {QStringLiteral("Arial"), 9.75, Weight::Bold}, {QStringLiteral("Arial"), 9, Weight::Bold}, 345};

const QString kAnswer = QStringLiteral(
    "Le caryotype A est celui d'un homme. Le caryotype B est celui d'une femme. Dans l'espèce humaine, il y "
    "a 46 chromosomes. La différence entre les deux caryotypes porte sur la paire de chromosomes sexuels : "
    "L'homme possède 22 paires de chromosomes + XY, la femme possède 22 paires de chromosomes + XX.");

const BgrColor kBrown = 0x254189, kLetter = 0x404080;
const FontDef kBold{QStringLiteral("Arial"), 9.75, Weight::Bold};
const FontDef kLetterFont{QStringLiteral("Arial"), 21.75, Weight::Bold};
const QString kPictures = QStringLiteral(":/assets/ex05/");

} // namespace

Exercice5::Exercice5(const ExerciseInfo& info, ExerciseHost* host) : CompletionScreen(info, host, kKeys) {}

void Exercice5::buildContent() {
    Shape2 =
        make<Shape>("Shape2")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2415, 495);
    lblQuestion = make<Label>("lblQuestion")
                      ->font(kBold)
                      ->color(kBrown)
                      ->setCaption(QStringLiteral("Complète le texte."))
                      ->at(360, 6360, 1755, 240)
                      ->autoSize();

    Image1 = make<Picture>("Image1")
                 ->source(kPictures + "caryotypeA.svg", false)
                 ->describe(QStringLiteral("Caryotype A : les paires 1 à 22 numérotées, puis un Y et un X"))
                 ->at(3960, 2040, 4665, 4215);
    Image3 = make<Picture>("Image3")
                 ->source(kPictures + "caryotypeB.svg", false)
                 ->describe(QStringLiteral("Caryotype B : les paires 1 à 22 numérotées, puis une paire XX"))
                 ->at(9000, 2040, 4665, 4215);
    // The letters lie over the pictures' bottom-left corners.
    Label2 = make<Label>("Label2")
                 ->font(kLetterFont)
                 ->color(kLetter)
                 ->align(Align::Centre)
                 ->setCaption(QStringLiteral("A"))
                 ->at(4080, 5760, 315, 510);
    Label3 = make<Label>("Label3")
                 ->font(kLetterFont)
                 ->color(kLetter)
                 ->align(Align::Centre)
                 ->setCaption(QStringLiteral("B"))
                 ->at(9120, 5760, 315, 510);

    buildText(kText, kTextStyle);
    buildAnswer({3960, 9360, 9855, 1215}, {4200, 9480, 9645, 960}, kAnswer);
}

void Exercice5::enterWrongAnswers() {
    // The sex chromosomes swapped between the man and the woman.
    enterAnswersWith({{5, QStringLiteral("XX")}, {7, QStringLiteral("XY")}});
}
