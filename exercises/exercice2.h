#pragma once
// Exercise 2: the nuclear-transfer experiment with three does, labelled with eight pick-only lists.
#include "framework/exercise_screen.h"

#include <array>

class Exercice2 : public forms::ExerciseScreen {
  public:
    Exercice2(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    // cb1 .. cb6, cb8, cb9 and their correction labels, in that order (there is no cb7).
    static constexpr int kLists = 8;
    std::array<QPointer<forms::ComboBox>, kLists> cb;
    std::array<QPointer<forms::Label>, kLists> lblRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;
};
