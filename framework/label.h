#pragma once
// Labels: captions that paint themselves, sized to their text or kept to their box.
#include "framework/control.h"

namespace forms {

class Label : public Ctl<Label, QWidget> {
public:
    explicit Label(QWidget* parent);
    const QString& Caption() const { return caption_; }
    Label* setCaption(const QString& c);
    Label* font(const FontDef& f);
    Label* color(BgrColor c);
    BgrColor ForeColor() const { return fore_; }
    void setForeColor(BgrColor c) { color(c); }
    Label* opaque(BgrColor back);
    Label* transparent();
    Label* align(Align a);
    Label* wrap();
    Label* autoSize();
    // Sized to its text, but never wider than so many twips (0: no limit): a longer caption is drawn
    // smaller, on the same baseline, down to 8 points, and what still does not fit ends in an ellipsis.
    Label* fitWidth(int twips);
    // The text as drawn: the caption, or its shortened form when even the smallest size is too wide.
    QString shownText() const { return shown_.isNull() ? caption_ : shown_; }
    // A fixed single border: a thin black frame round the label.
    Label* bordered();
    Label* click(std::function<void()> f);
    bool reactsToMouse() const { return bool(onClick_); }
    QString accessibleText() const override { return caption_; }
    void Place(int left, int top, int width, int height) override;
    // Where the caption's text stands, in the label's own pixels.
    QRect captionRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void changeEvent(QEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void fit();
    void fitCaption(const QFontMetrics& fm);
    bool wraps() const;
    int textFlags() const;
    QRect textBox() const;
    QString caption_;
    BgrColor fore_ = 0x000000;
    BgrColor back_ = 0xFFFFFF;
    bool opaque_ = false;
    Align align_ = Align::Left;
    bool wrap_ = false;
    bool autoSize_ = false;
    bool bordered_ = false;
    bool placed_ = false; // measuring waits until the label has its box, or is sized to its text
    bool fitDue_ = false; // a hidden label is measured when it shows
    int wrapWidth_ = 0;   // pixels a wrapped caption keeps to, 0 for its whole box
    FontDef fontDef_;
    int maxWidth_ = 0; // twips; 0: sized to its text, however long
    QString shown_;    // null: the caption as it is
    QFont shownFont_;  // the smaller size a caption too wide for maxWidth_ is drawn at
    bool shrunk_ = false;
    std::function<void()> onClick_;
};

} // namespace forms
