#pragma once
// Exercise 8: the mother cell's chromosomes given to two daughter cells by ticking boxes.
#include "framework/exercise_screen.h"

#include <array>

class Exercice8 : public forms::ExerciseScreen {
  public:
    Exercice8(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;
    // chkKCj_Click: box K of daughter cell j draws or removes its chromosome in that cell.
    void chk_Click(int k, int j);

    QPointer<forms::Shape> Shape28, Shape3, Shape32, Shape1, Shape33, Shape2, Shape35;
    QPointer<forms::Label> lblQuestion, Label2, Label4Exo7, Label5Exo7, lblRep;
    QPointer<forms::Frame> frameRep;
    // [K][j] for chromosome K (1 .. 10) of daughter cell j (1, 2): its drawing, its box and its sample.
    std::array<std::array<QPointer<forms::Shape>, 3>, 11> chr, sample;
    std::array<std::array<QPointer<forms::CheckBox>, 3>, 11> chk;

  protected:
    void buildContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    void buildMotherCell();
    void buildDaughterCells();
    void buildCorrection();
};
