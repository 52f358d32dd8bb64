#pragma once
// Exercise 16: two haploid karyotypes, an ovule's and a spermatozoon's, each described in three lists:
// the kind of cell, the number of chromosomes and what it does for the sex of the child.
#include "framework/exercise_screen.h"

#include <array>

class Exercice16 : public forms::ExerciseScreen {
  public:
    Exercice16(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    // Indexed 1 .. 6: ComboN and the answer lblRepN that the correction shows for it.
    std::array<QPointer<forms::ComboBox>, 7> Combo;
    std::array<QPointer<forms::Label>, 7> lblRep;
    QPointer<forms::Frame> Frame1, Frame2;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    bool isRight(int n) const;
};
