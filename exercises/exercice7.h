#pragma once
// Exercise 7: five small karyotypes (an egg cell's, an embryonic cell's and three proposals); pressing any
// of them shows it large in the viewer, and the proposal pressed last is the pupil's answer.
#include "framework/exercise_screen.h"

#include <array>
#include <cstdint>

class Exercice7 : public forms::ExerciseScreen {
  public:
    Exercice7(const forms::ExerciseInfo& info, forms::ExerciseHost* host);

    // imgK_MouseDown, K from 1 to 5: any mouse button shows karyotype K large; proposals 1 to 3 also
    // become the answer. Button, shift state and position are not used.
    void img_MouseDown(int k, int button, int shift, int x, int y);

    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    // The proposal pressed last: 0 for none, 1, 2 or 3. It belongs to the screen object, not to its
    // controls, so it outlives an unload and Form_Load sets it back.
    std::int16_t numCaryo = 0;

    // Indexed 1 .. 5, as the pictures are numbered: the small ones and their large copies in the viewer.
    std::array<QPointer<forms::Picture>, 6> img, Image;
    QPointer<forms::Label> lblCaryo;
    QPointer<forms::Frame> frameRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    void buildCorrection();
};
