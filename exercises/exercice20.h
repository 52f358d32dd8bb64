#pragma once
// Exercise 20: the crossing table of two parents carrying A and a. Each gamete's list fills its allele
// square and those of the two egg cells it forms; the pupil ticks the egg cell that would be albino.
#include "framework/exercise_screen.h"

#include <array>

class Exercice20 : public forms::ExerciseScreen {
  public:
    Exercice20(const forms::ExerciseInfo& info, forms::ExerciseHost* host);

    // What the pupil answered, as Validation reads it.
    struct Answer {
        QString ovule1, ovule2, sperm1, sperm2;
        std::array<bool, 5> ticked{}; // egg cells 1 .. 4
    };
    // The ordered rules: the first that holds gives the verdict.
    static forms::Verdict judge(const Answer& a);

    // One handler for the four lists (0 cbOvule1, 1 cbOvule2, 2 cbSperm1, 3 cbSperm2).
    void gameteList_Click(int gamete);

    bool enterRightAnswers() override;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    void buildMotherCells();
    void buildCrossing(QWidget* parent, QPoint shift, bool copy);
    Answer answer() const;

    std::array<QPointer<forms::ComboBox>, 4> lists_; // as gameteList_Click's argument
    std::array<QPointer<forms::Shape>, 4> gameteSquares_;
    std::array<std::array<QPointer<forms::Shape>, 3>, 5>
        eggSquares_; // [egg cell][1 ovule's, 2 spermatozoon's]
    std::array<std::array<QPointer<forms::Label>, 3>, 5> eggLabels_;
    std::array<QPointer<forms::CheckBox>, 5> checks_; // Check1 .. Check4
    QPointer<forms::Frame> frame1_;
    QPointer<forms::CheckBox> checkrep_;
};
