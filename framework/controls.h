#pragma once
// The controls of the screens. Lightweight ones (labels, shapes, lines, pictures) paint themselves;
// windowed ones wrap a Qt widget. Geometry is kept in twips and drawn at the run's scale.
#include "framework/units.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>

namespace forms {

class Control {
public:
    explicit Control(QWidget* self) : self_(self) {}
    virtual ~Control() = default;
    QWidget* widget() const { return self_; }

    // Left, Top, Width, Height in twips, relative to the window's client area or to the enclosing frame.
    int Left() const { return tw_.x(); }
    int Top() const { return tw_.y(); }
    int Width() const { return tw_.width(); }
    int Height() const { return tw_.height(); }
    void SetLeft(int v) { Move(v, Top()); }
    void SetTop(int v) { Move(Left(), v); }
    void Move(int left, int top) { Place(left, top, Width(), Height()); }
    void SetWidth(int v) { Place(Left(), Top(), v, Height()); }
    void SetHeight(int v) { Place(Left(), Top(), Width(), v); }
    virtual void Place(int left, int top, int width, int height);

    // The control's own Visible flag, whether or not its window is showing.
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return self_->isEnabled(); }
    void SetEnabled(bool e) { self_->setEnabled(e); }

    // Member of a control array: the index it was given, -1 for a plain control.
    int Index() const { return index_; }
    void SetIndex(int i) { index_ = i; }

    virtual bool windowed() const { return false; }
    // What assistive technology reads for this control.
    virtual QString accessibleText() const { return accessibleText_; }
    void setAccessibleText(const QString& t) { accessibleText_ = t; }

    // A drop handler makes the control a drop target.
    std::function<void(Control* source, int x, int y)> onDragDrop;

private:
    QWidget* self_;
    QRect tw_;
    bool visible_ = true;
    int index_ = -1;
    QString accessibleText_;
};

// What a screen reader says of a drop target, besides its name.
QString dropTargetHelp();

// Fluent setters shared by every kind, so a screen's design reads one line a control.
template <class Self, class Base> class Ctl : public Base, public Control {
public:
    explicit Ctl(QWidget* parent) : Base(parent), Control(this) {}
    Self* at(int left, int top, int width, int height) {
        Place(left, top, width, height);
        return self();
    }
    Self* hidden() {
        SetVisible(false);
        return self();
    }
    Self* disabled() {
        SetEnabled(false);
        return self();
    }
    Self* tip(const QString& t) {
        this->setToolTip(t);
        return self();
    }
    Self* index(int i) {
        SetIndex(i);
        return self();
    }
    Self* describe(const QString& t) {
        setAccessibleText(t);
        return self();
    }
    Self* drop(std::function<void(Control*, int, int)> f) {
        onDragDrop = std::move(f);
        this->setAccessibleDescription(dropTargetHelp());
        return self();
    }

protected:
    Self* self() { return static_cast<Self*>(this); }
};

enum class Align { Left, Centre, Right };

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

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void changeEvent(QEvent*) override;
    void showEvent(QShowEvent*) override;

private:
    void fit();
    void fitCaption(const QFontMetrics& fm);
    bool wraps() const;
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
    FontDef fontDef_;
    int maxWidth_ = 0; // twips; 0: sized to its text, however long
    QString shown_;    // null: the caption as it is
    QFont shownFont_;  // the smaller size a caption too wide for maxWidth_ is drawn at
    bool shrunk_ = false;
    std::function<void()> onClick_;
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
enum class LineStyle { Solid, Dash, Dot, DashDot, DashDotDot, Transparent };

class Shape : public Ctl<Shape, QWidget> {
public:
    explicit Shape(QWidget* parent);
    Shape* kind(ShapeKind k);
    Shape* border(BgrColor c, int widthPx = 1, LineStyle s = LineStyle::Solid);
    Shape* fill(BgrColor c);
    Shape* noFill();
    BgrColor FillColor() const { return fill_; }
    void setFillColor(BgrColor c) { fill(c); }
    bool filled() const { return filled_; }
    BgrColor BorderColor() const { return borderColor_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    BgrColor borderColor_ = 0x000000;
    int borderWidth_ = 1;
    LineStyle borderStyle_ = LineStyle::Solid;
    BgrColor fill_ = 0xFFFFFF;
    bool filled_ = false;
};

class Line : public Ctl<Line, QWidget> {
public:
    explicit Line(QWidget* parent);
    // From (x1, y1) to (x2, y2) in twips.
    Line* from(int x1, int y1, int x2, int y2);
    Line* pen(BgrColor c, int widthPx = 1, LineStyle s = LineStyle::Solid);
    int X1() const { return x1_; }
    int Y1() const { return y1_; }
    int X2() const { return x2_; }
    int Y2() const { return y2_; }
    BgrColor BorderColor() const { return color_; }
    int BorderWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    BgrColor color_ = 0x000000;
    int width_ = 1;
    LineStyle style_ = LineStyle::Solid;
};

// A picture: an SVG asset drawn stretched to the control or at its own size.
class Picture : public Ctl<Picture, QWidget> {
public:
    explicit Picture(QWidget* parent);
    Picture* source(const QString& resource, bool stretch = true);
    const QString& Source() const { return source_; }
    // Takes over another picture's image, as assigning one image's picture to another does.
    void setPicture(const Picture* other) { source(other->source_, stretch_); }
    Picture* click(std::function<void()> f);
    // A picture with a MouseDown handler is also reached with Tab: Space presses it as the left button
    // would, the menu key (or Shift+F10) as the right one.
    Picture* mouseDown(std::function<void(int button, int shift, int x, int y)> f);
    // Automatic drag mode: a left press starts a drag showing the icon (or the control's outline). The
    // picture is reached with Tab, and Space or Enter starts the same drag from the keyboard.
    Picture* draggable(const QString& dragIcon = QString());
    bool dragAutomatic() const { return drag_; }
    const QString& DragIcon() const { return dragIcon_; }
    // A picture button: clicked with the mouse, never focused, read out as a button.
    Picture* button(const QString& word);
    bool isButton() const { return button_; }
    // A key that clicks the picture button from anywhere in its window, and only while it shows.
    Picture* shortcut(const QKeySequence& key);
    // Queues the picture to be drawn in the background for a later showing (see preparePicture).
    void prepare() const;
    // Starts drawing the picture now, for a screen about to show it (see hurryPicture).
    void hurry() const;
    // Whether a click on it does anything.
    bool reactsToMouse() const { return button_ || onClick_ || onMouseDown_; }
    // A fixed single border: a one-pixel black frame, the picture drawn inside it.
    Picture* bordered(bool on = true);
    bool BorderStyle() const { return bordered_; }
    void Place(int left, int top, int width, int height) override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

private:
    void paintOn(QPainter& p);
    void pressFromKeyboard(int button);
    bool focusRing_ = false;
    // Where the drawing goes in the control, in its own pixels.
    QRectF target() const;
    QString source_;
    bool stretch_ = true;
    bool drag_ = false;
    bool button_ = false;
    bool bordered_ = false;
    QString dragIcon_;
    std::function<void()> onClick_;
    std::function<void(int, int, int, int)> onMouseDown_;
};

class TextBox : public Ctl<TextBox, QLineEdit> {
public:
    explicit TextBox(QWidget* parent);
    TextBox* font(const FontDef& f);
    TextBox* align(Align a);
    TextBox* colors(BgrColor fore, BgrColor back);
    // One line of text: control and direction-override characters a paste brings are dropped.
    TextBox* plainLine();
    QString Text() const { return text(); }
    TextBox* setTextValue(const QString& t) {
        setText(t);
        return this;
    }
    bool windowed() const override { return true; }
    QString accessibleText() const override { return text(); }
};

class ComboBox : public Ctl<ComboBox, QComboBox> {
public:
    enum Kind { PickOnly, Editable };
    // A list is editable unless told otherwise, and told at once: turning an editable list into one that
    // only picks builds its text field for nothing.
    explicit ComboBox(QWidget* parent, Kind k = Editable);
    ComboBox* kind(Kind k);
    ComboBox* font(const FontDef& f);
    ComboBox* colors(BgrColor fore, BgrColor back);
    ComboBox* click(std::function<void()> f);
    void AddItem(const QString& item);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int i) const { return itemText(i); }
    int ListIndex() const { return currentIndex(); }
    // The list's value: the field's text on an editable list, the chosen item's on a pick-only one.
    QString Text() const;
    void setTextValue(const QString& t);
    bool windowed() const override { return true; }
    QString accessibleText() const override { return Text(); }

protected:
    void changeEvent(QEvent* e) override;

private:
    bool dropDownBuilt() const;
    std::function<void()> onClick_;
};

class CheckBox : public Ctl<CheckBox, QCheckBox> {
public:
    explicit CheckBox(QWidget* parent);
    CheckBox* setCaption(const QString& c);
    CheckBox* font(const FontDef& f);
    CheckBox* colors(BgrColor fore, BgrColor back);
    CheckBox* click(std::function<void()> f);
    int Value() const { return isChecked() ? 1 : 0; }
    // Writing a different value raises Click, as a pupil's tick does.
    void setValue(int v);
    bool windowed() const override { return true; }
    QString accessibleText() const override { return text(); }

protected:
    // The whole box of the control answers the mouse, not only the small square: a pupil aims at the box.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    std::function<void()> onClick_;
};

class CommandButton : public Ctl<CommandButton, QPushButton> {
public:
    explicit CommandButton(QWidget* parent);
    CommandButton* setCaption(const QString& c);
    CommandButton* font(const FontDef& f);
    CommandButton* face(BgrColor c);
    CommandButton* picture(const QString& resource, int sizePx);
    CommandButton* click(std::function<void()> f);
    bool windowed() const override { return true; }
    QString accessibleText() const override;

protected:
    bool event(QEvent* e) override;

private:
    std::function<void()> onClick_;
};

class Frame : public Ctl<Frame, QFrame> {
public:
    explicit Frame(QWidget* parent);
    Frame* back(BgrColor c);
    Frame* bordered(bool b);
    bool windowed() const override { return true; }
};

class Timer : public QTimer {
public:
    explicit Timer(QObject* parent) : QTimer(parent) {}
    Timer* every(int ms, std::function<void()> f);
};

// A control array with the index base its screen gives it.
template <class T> class ControlArray {
public:
    T* operator[](int i) const {
        auto it = items_.find(i);
        return it == items_.end() ? nullptr : it->second.data();
    }
    void set(int i, T* c) {
        c->SetIndex(i);
        items_[i] = c;
    }
    void clear() { items_.clear(); }
    template <class F> void forEach(F f) const {
        for (auto& [i, c] : items_)
            if (c) f(i, c.data());
    }

private:
    std::map<int, QPointer<T>> items_;
};

// The control a widget belongs to, if any.
Control* controlOf(QObject* o);
// The control under a point of a window, for clicks and drops: shapes and lines never take the mouse.
Control* controlAt(QWidget* window, const QPoint& windowPos);

} // namespace forms
