#pragma once
// Exercise 10: four individuals with their alleles of the blood-group gene; for each, the pupil steps through
// four red blood cells with a small button and names the blood group in a list.
#include "framework/exercise_screen.h"

#include <array>

class Exercice10 : public forms::ExerciseScreen {
  public:
    Exercice10(const forms::ExerciseInfo& info, forms::ExerciseHost* host);
    bool enterRightAnswers() override;
    void enterWrongAnswers() override;

    void cmd1_Click() { stepCell(1); }
    void cmd2_Click() { stepCell(2); }
    void cmd3_Click() { stepCell(3); }
    void cmd4_Click() { stepCell(4); }

    QPointer<forms::Picture> Image1, Image3, Image8;
    QPointer<forms::Label> lblQuestion, Label2, Label3, Label7;
    // Column K (1 .. 4) of the table; img[p][K] is the cell picture p of column K (img1Ind1 .. img4Ind4).
    std::array<std::array<QPointer<forms::Picture>, 5>, 5> img;
    std::array<QPointer<forms::CommandButton>, 5> cmd;
    std::array<QPointer<forms::ComboBox>, 5> cb;
    std::array<QPointer<forms::Label>, 5> lblRep;

  protected:
    void buildContent() override;
    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    void buildTexts();
    void buildPictures();
    void buildTable();
    void stepCell(int k);
    // Clicks column K's button until it shows that picture, as a pupil would.
    void stepTo(int k, int picture);
    void showCell(int k, int picture);
    // The cell picture last shown in column K, 0 while its cell is empty. It lives with the screen object,
    // not its controls, so every opening sets it back.
    std::array<int, 5> p{};
};
