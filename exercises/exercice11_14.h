#pragma once
// Exercises 11 to 14: a family of five on a tree, whose blood groups and alleles the pupil works out.
// The four screens are one design; everything that tells them apart is a record (blood_groups_data.cpp).
#include "framework/exercise_screen.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <vector>

namespace bloodgroups {

// The persons of the tree, in the order their controls are named and checked.
enum Person { Father, Mother, Son, Daughter, SecondDaughter };
constexpr int kPersons = 5;

struct Pair {
    QString first, second;
};

struct PersonData {
    // The group's letters: shown in a label when given, the item its list expects when asked.
    QString group;
    bool asked = false;
    // Every (allele 1, allele 2) choice that is right for this person.
    std::vector<Pair> accepted;
    // Upper and lower allele as the correction tree writes them.
    Pair corrected;
    // The allele 2 list stands above the allele 1 list.
    bool allelesSwapped = false;
    // The correction tree draws this person's group without its grey background.
    bool correctionGroupTransparent = false;
};

// Where one person's drawing stands in the correction tree, relative to its frame.
struct CorrectionPlace {
    QRect symbol;
    QPoint group;
    int alleleLeft = 0, upperTop = 0, equalTop = 0, lowerTop = 0;
};

struct Record {
    std::array<PersonData, kPersons> persons;
    QRect answerFrame, correctionFrame;
    // Both frames are moved at load so that they stand in the middle of the window.
    bool centreFrames = false;
    std::array<CorrectionPlace, kPersons> correction;
    QString explanation;
    QRect explanationRect;
    // The explanation's outline; none when its width is 0.
    QRect outlineRect;
    forms::BgrColor outlineColor = 0;
    // A mistake pupils typically make here: the right answer with this person's lists chosen otherwise.
    Person mistakenPerson = Father;
    QString mistakenGroup;
    Pair mistakenAlleles;
};

// The record of exercise 11, 12, 13 or 14.
const Record& record(int exercise);

} // namespace bloodgroups

class BloodGroupScreen : public forms::ExerciseScreen {
  public:
    BloodGroupScreen(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    QPointer<forms::Frame> Frame1, Frame2;
    QPointer<forms::Label> lblRep;
    QPointer<forms::Shape> cadreRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    struct Lists {
        QPointer<forms::ComboBox> group, allele1, allele2;
    };
    void buildAnswerTree();
    void buildCorrectionTree();
    // Left of a frame whose centre is the window's centre, in the design's coordinates.
    int centredLeft(const forms::Frame& frame) const;

    const bloodgroups::Record& data_;
    std::array<Lists, bloodgroups::kPersons> lists_;
};

class Exercice11 : public BloodGroupScreen {
  public:
    using BloodGroupScreen::BloodGroupScreen;
};
class Exercice12 : public BloodGroupScreen {
  public:
    using BloodGroupScreen::BloodGroupScreen;
};
class Exercice13 : public BloodGroupScreen {
  public:
    using BloodGroupScreen::BloodGroupScreen;
};
class Exercice14 : public BloodGroupScreen {
  public:
    using BloodGroupScreen::BloodGroupScreen;
};
