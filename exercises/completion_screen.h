#pragma once
// Screens whose answer is a text to complete: labels with editable drop-down lists between them, each
// list with its items and the one text it expects, and a red-framed answer text that the correction shows.
#include "framework/exercise_screen.h"

#include <QStringList>
#include <vector>

// One piece of a line of the text: a label (its caption given) or a list (its width given).
struct TextPiece {
    const char* name;
    int left;
    const char* caption = nullptr;
    int width = 0;
    const forms::FontDef* font = nullptr; // a label's own font, where it is not the text's
};
struct TextLine {
    int top;
    std::vector<TextPiece> pieces;
};

// What a list offers, in order, and the text it must hold.
struct ListKey {
    const char* list;
    QStringList items;
    QString expected;
};

struct TextStyle {
    forms::FontDef labelFont;
    forms::FontDef listFont;
    int listHeight;
};

// "1" .. "last", each followed by the suffix.
QStringList numberItems(int last, const QString& suffix = QString());

class CompletionScreen : public forms::ExerciseScreen {
  public:
    CompletionScreen(const forms::ExerciseInfo& info, forms::ExerciseHost* host,
                     const std::vector<ListKey>& keys);
    bool enterRightAnswers() override;
    // The lists in the order of their keys: list(1) is cb1.
    forms::ComboBox* list(int k) const;

    QPointer<forms::Label> lblRep;
    QPointer<forms::Shape> cadreRep;

  protected:
    // Lays out the text on the canvas, or in a frame; the lists take the focus in the order of their keys.
    void buildText(const std::vector<TextLine>& lines, const TextStyle& style, QWidget* parent = nullptr);
    // The correction: the whole answer in red, framed in red, hidden until asked for.
    void buildAnswer(const QRect& frame, const QRect& label, const QString& text);
    // Sets every list to its expected text except the ones given, which take these other texts.
    void enterAnswersWith(const std::vector<std::pair<int, QString>>& departures);

    void loadContent() override;
    std::vector<QWidget*> answerControls() override;
    forms::Verdict verdict() override;
    void revealCorrection() override;

  private:
    const std::vector<ListKey>& keys_;
    std::vector<QPointer<forms::ComboBox>> lists_;
    QString answer_;
};
