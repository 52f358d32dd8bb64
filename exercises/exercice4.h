#pragma once
// Exercise 4: one chromosome as an electron micrograph and as a drawing, its two parts named by typing.
#include "framework/exercise_screen.h"

class Exercice4 : public forms::ExerciseScreen {
  public:
    Exercice4(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    QPointer<forms::Picture> Image4, Image5;
    QPointer<forms::Label> Label4, Label2, lblRep1, lblRep2, lblQuestion;
    QPointer<forms::TextBox> txt1, txt2;
    QPointer<forms::Line> Line11, Line12, Line9, Line10;
    QPointer<forms::Shape> Shape11;

  protected:
    void buildContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;
};
