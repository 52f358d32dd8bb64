#pragma once
// Exercise 18: the pupil drags chromosomes of a sperm mother cell (9 with A, 9 with O, X, Y) into four
// places in a spermatozoon's head; the numbers of the chromosomes placed must add up to 4, 5 or 6.
#include "framework/exercise_screen.h"

class Exercice18 : public forms::ExerciseScreen {
  public:
    Exercice18(const forms::ExerciseInfo& info, forms::ExerciseHost* host);

    // A chromosome released over place `index` (1 to 4).
    void img_DragDrop(int index, forms::Control* source, int x, int y);
    void cmdEffacer_Click();

    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    // The chromosome last dropped on each place (its index in Image1), 0 for an empty place. They outlive
    // the window, so every opening sets them back.
    int numPlace1 = 0, numPlace2 = 0, numPlace3 = 0, numPlace4 = 0;

    forms::ControlArray<forms::Picture> Image1; // 1 .. 4, the chromosomes
    forms::ControlArray<forms::Picture> img;    // 1 .. 4, the places
    QPointer<forms::CommandButton> cmdEffacer;
    QPointer<forms::Frame> frameRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    void buildCorrection();
    int* numPlace(int place);
};
