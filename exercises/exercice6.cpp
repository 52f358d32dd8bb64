#include "exercises/exercice6.h"

using namespace forms;

namespace {

const std::vector<ListKey> kKeys = {
    {"cb1",
     {QStringLiteral("stéréotype"), QStringLiteral("prototype"), QStringLiteral("caryotype")},
     QStringLiteral("caryotype")},
    {"cb2",
     {QStringLiteral("féminin"), QStringLiteral("masculin"), QStringLiteral("inconnu")},
     QStringLiteral("féminin")},
    {"cb3", numberItems(23), QStringLiteral("21")},
    {"cb4", numberItems(23), QStringLiteral("3")},
    {"cb5", numberItems(23), QStringLiteral("21")},
    {"cb6", numberItems(23), QStringLiteral("2")},
};

// Inside the panel; the label names are those the text had on the screen it was first written for.
const std::vector<TextLine> kText = {
    {4440, {{"Label2Exo8", 120, "Ce"}, {"cb1", 600, nullptr, 1455}, {"Label9Exo7", 2160, "est celui d'un"}}},
    {4920,
     {{"Label3Exo8", 120, "individu de sexe"}, {"cb2", 2280, nullptr, 1455}, {"Label5Exo8", 3840, "."}}},
    {5520, {{"Label4Exo8", 120, "L'anomalie chromosomique"}}},
    {6000,
     {{"Label10Exo8", 120, "observable est une trisomie"},
      {"cb3", 3360, nullptr, 615},
      {"Label11Exo8", 3960, ","}}},
    {6480,
     {{"Label6Exo8", 120, "il y a"},
      {"cb4", 720, nullptr, 615},
      {"Label7Exo8", 1440, "chromosomes"},
      {"cb5", 3240, nullptr, 615}}},
    {7080, {{"Label8Exo8", 120, "au lieu de "}, {"cb6", 1320, nullptr, 615}, {"Label12Exo8", 1920, "."}}},
};

const TextStyle kTextStyle{
    {QStringLiteral("Arial"), 12, Weight::Bold}, {QStringLiteral("Arial"), 9.75, Weight::Bold}, 360};

const QString kAnswer =
    QStringLiteral(" Ce caryotype est celui d'un individu de sexe féminin. L'anomalie "
                   "chromosomique observable est une trisomie 21, il y a 3 chromosomes 21 "
                   "au lieu de 2.");

const BgrColor kBrown = 0x254189;
const QString kPictures = QStringLiteral(":/assets/ex06/");

} // namespace

Exercice6::Exercice6(const ExerciseInfo& info, ExerciseHost* host) : CompletionScreen(info, host, kKeys) {}

void Exercice6::buildContent() {
    Shape2 =
        make<Shape>("Shape2")->kind(ShapeKind::RoundedRectangle)->border(kBrown)->at(240, 6240, 2295, 495);
    Label2 = make<Label>("Label2")
                 ->font({QStringLiteral("Arial"), 9, Weight::Bold})
                 ->color(kBrown)
                 ->setCaption(QStringLiteral("Complète le texte."))
                 ->at(360, 6360, 1575, 255);
    // A decoration beside Abandon, with no action of its own.
    Image2 = make<Picture>("Image2")
                 ->source(kPictures + "question.svg")
                 ->describe(QStringLiteral("Point d'interrogation"))
                 ->at(14040, 120, 390, 405);

    frame1 = make<Frame>("frame1")->back(0xFFFFFF)->bordered(false)->at(6720, 2280, 4335, 8055);
    Image3 = make<Picture>("Image3", frame1)
                 ->source(kPictures + "caryotype.svg")
                 ->describe(QStringLiteral("Chromosomes rangés par paires et numérotés de 1 à 22, puis XX ; "
                                           "au-dessus du numéro 21, un chromosome de plus que dans les "
                                           "autres paires ; une barre d'échelle de 10 µm"))
                 ->at(240, 240, 3915, 3705);
    buildText(kText, kTextStyle, frame1);

    buildAnswer({11760, 6120, 2895, 1695}, {11880, 6240, 2655, 1455}, kAnswer);
}

void Exercice6::enterWrongAnswers() {
    enterAnswersWith({{2, QStringLiteral("masculin")}});
}
