#pragma once
// Exercise 5: a man's and a woman's karyotype side by side, and a four-line text completed with seven lists.
#include "exercises/completion_screen.h"

class Exercice5 : public CompletionScreen {
  public:
    Exercice5(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    void enterWrongAnswers() override;

    QPointer<forms::Picture> Image1, Image3;
    QPointer<forms::Label> lblQuestion, Label2, Label3;
    QPointer<forms::Shape> Shape2;

  protected:
    void buildContent() override;
};
