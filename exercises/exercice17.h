#pragma once
// Exercise 17: the pupil drags each karyotype's tag onto the cell it belongs to (spermatozoon, ovule,
// egg cell), which paints that cell's nucleus with the karyotype's colour, and gives the sex of the child.
#include "framework/exercise_screen.h"

#include <array>

class Exercice17 : public forms::ExerciseScreen {
  public:
    Exercice17(const forms::ExerciseInfo& info, forms::ExerciseHost* host);

    // Any button but the left one (which drags) shows karyotype `index` in the viewer.
    void imgCaryo_MouseDown(int index, int button, int shift, int x, int y);
    // A tag released over cell `index` (or over its nucleus, which lets the mouse through).
    void imgCellule_DragDrop(int index, forms::Control* source, int x, int y);

    bool enterRightAnswers() override;

    forms::ControlArray<forms::Picture> imgCaryo;   // 1 .. 3, the tags
    forms::ControlArray<forms::Picture> imgCellule; // 1 egg cell, 2 ovule, 3 spermatozoon
    QPointer<forms::Shape> rond1, rond2, rond3, cadre1;
    QPointer<forms::Picture> img1, img2, img3;
    QPointer<forms::ComboBox> cb1;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    forms::Shape* nucleusOf(int cell) const;
    std::array<QPointer<forms::Label>, 8> lblRep_; // lblRep1 .. lblRep7
};
