#pragma once
// Exercise 3: the garlic root cell as a micrograph and as a drawing, labelled with four typed words.
#include "framework/exercise_screen.h"

#include <array>

class Exercice3 : public forms::ExerciseScreen {
  public:
    Exercice3(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    QPointer<forms::Picture> Image1, Image3;
    QPointer<forms::Label> Label3, lblQuestion, Label4, Label2;
    QPointer<forms::Shape> Shape3;
    // Row K (1 .. 4): its box, its correct word and its two pointer lines.
    std::array<QPointer<forms::TextBox>, 5> Text;
    std::array<QPointer<forms::Label>, 5> lblRep;
    std::array<QPointer<forms::Line>, 5> toPhoto, toDrawing;

  protected:
    void buildContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    bool wrong(int k) const;
};
