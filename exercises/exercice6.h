#pragma once
// Exercise 6: a woman's karyotype with three chromosomes 21, and the text under it completed with six lists.
#include "exercises/completion_screen.h"

class Exercice6 : public CompletionScreen {
  public:
    Exercice6(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    void enterWrongAnswers() override;

    QPointer<forms::Frame> frame1;
    QPointer<forms::Picture> Image2, Image3;
    QPointer<forms::Label> Label2;
    QPointer<forms::Shape> Shape2;

  protected:
    void buildContent() override;
};
