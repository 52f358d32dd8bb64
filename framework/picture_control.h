#pragma once
// The picture control: an SVG asset drawn stretched to the control or at its own size, which may be a picture
// button, answer a mouse press, or be dragged onto a drop target.
#include "framework/control.h"

#include <QKeySequence>

namespace forms {

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

} // namespace forms
