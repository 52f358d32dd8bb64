#pragma once
// Exercise 1: the family portraits and the two-sentence text completed with three lists.
#include "framework/exercise_screen.h"

#include <array>

class Exercice1 : public forms::ExerciseScreen {
  public:
    Exercice1(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    QPointer<forms::Picture> Image8, Image9, imgPhoto3;
    QPointer<forms::Line> Line15, Line16, Line17, Line18;
    QPointer<forms::Label> Label1, lblQuestion, Label4, Label5, lblRep;
    QPointer<forms::Shape> Shape11, cadreRep;
    QPointer<forms::ComboBox> cb1, cb2, cb3;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    std::array<forms::ComboBox*, 3> lists() const { return {cb1, cb2, cb3}; }
};
