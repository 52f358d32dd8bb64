#pragma once
// Exercise 9: the graph of the chromosomal material, four cells lettered A to D, eleven editable lists.
#include "framework/exercise_screen.h"

#include <array>

class Exercice9 : public forms::ExerciseScreen {
  public:
    Exercice9(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    static constexpr int kLists = 11;
    // cb1 .. cb11 and lblRep1 .. lblRep11 at their own numbers; slot 0 is unused.
    std::array<QPointer<forms::ComboBox>, kLists + 1> cb;
    std::array<QPointer<forms::Label>, kLists + 1> lblRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;
};
