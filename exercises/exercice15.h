#pragma once
// Exercise 15: the two chromosomes 9 of a person of group [AB], each list painting its allele's band.
#include "framework/exercise_screen.h"

#include <array>

class Exercice15 : public forms::ExerciseScreen {
  public:
    Exercice15(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;
    // Combo1_Click and Combo2_Click: chromosome K (1, 2) shows the band of the allele its list names.
    void Combo_Click(int k);

    QPointer<forms::Shape> Shape11, Shape1Exo5, Shape3Exo5, Shape5Exo5, Shape4Exo5;
    QPointer<forms::Label> lblQuestion, lblRep, lblRepExo5Al1, lblRepExo5Al2;
    // [K][a]: chromosome K's band (ShapeO1, ShapeA1, ShapeB1, ...) of the allele a in the order a list's text
    // is matched: O, A, B.
    std::array<std::array<QPointer<forms::Shape>, 3>, 3> band;
    QPointer<forms::ComboBox> Combo1, Combo2;
    QPointer<forms::Frame> frameRep;
    QPointer<forms::Shape> Shape2Exo5, Shape7Exo5, Shape10Exo5, Shape6Exo5, Shape8Exo5, Shape9Exo5, cadreRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    forms::ComboBox* list(int k) const { return k == 1 ? Combo1 : Combo2; }
    void choose(int k, const QString& allele);
};
