#pragma once
// Exercise 19: the pupil paints Rémi's family tree by dragging colour tokens from a legend onto the twelve
// persons (colour-blind man, unaffected man, carrier woman, unaffected woman, possible carrier).
#include "framework/exercise_screen.h"

class Exercice19 : public forms::ExerciseScreen {
  public:
    Exercice19(const forms::ExerciseInfo& info, forms::ExerciseHost* host);

    // A token released over the middle of person `index` + 1.
    void perso_DragDrop(int index, forms::Control* source, int x, int y);

    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    forms::ControlArray<forms::Picture> couleur; // 0 .. 4, the tokens
    forms::ControlArray<forms::Shape> cadre;     // 0 .. 11 the tree, 12 .. 23 the correction's copy
    forms::ControlArray<forms::Picture> perso;   // 0 .. 11, the drop targets
    QPointer<forms::Frame> frameRep;

  protected:
    void buildContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    void buildLegend();
    void buildTree();
    void buildCorrection();
};
