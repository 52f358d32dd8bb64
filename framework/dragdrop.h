#pragma once
// In-process drag and drop: a left press on a picture in automatic drag mode shows its drag icon
// (or the picture's outline) under the pointer; the release over a control with a drop handler calls
// that handler with the source. The source never moves. Plain mouse events drive it, wherever they land.
//
// The same drag can be made from the keyboard: Space or Enter on a focused source picks it up, the arrow
// keys or Tab move a highlight over the screen's drop targets, Space or Enter drops it there through the
// target's own handler, Escape puts it down. What happens is told to assistive technology.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <vector>

class QWidget;
class QKeyEvent;

namespace forms {

class Control;

class DragController : public QObject {
public:
    static DragController& instance();
    // The source is any control; its drag icon, if it has one, hangs under the pointer instead of its outline.
    void start(Control* source, const QString& dragIcon, const QPoint& globalPos);
    // Picks the source up from the keyboard; false when its screen has no target to offer.
    bool startFromKeyboard(Control* source, const QString& dragIcon);
    bool active() const { return source_ != nullptr; }
    bool fromKeyboard() const { return active() && keyboard_; }
    // What stands under the pointer for the pupil to see: the icon or the outline.
    QWidget* indicator() const { return indicator_; }
    // During a keyboard drag: the target the highlight stands on, and the highlight itself.
    Control* highlighted() const;
    QWidget* highlight() const { return highlight_; }
    // The last thing said about a keyboard drag of this source, for its accessible name; empty otherwise.
    QString announcementFor(const QWidget* source) const;
    // The pupil has moved on: the source reads its own name again.
    void forget(const QWidget* source) {
        if (source == announcedOn_) announcedOn_ = nullptr;
    }
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void moveTo(const QPoint& globalPos);
    void finish(const QPoint& globalPos);
    bool keyboardKey(QKeyEvent* e);
    std::vector<Control*> targets() const;
    void highlightTarget(Control* target);
    void step(int dx, int dy);
    void announce(QWidget* source, const QString& what);
    QPointer<QWidget> source_; // the source control's widget
    QPointer<QWidget> indicator_;
    QPointer<QWidget> highlight_;
    QPointer<QWidget> target_;
    QPointer<QWidget> lastTarget_;
    QPointer<QWidget> announcedOn_;
    QString announcement_;
    QPoint grabOffset_;
    bool keyboard_ = false;
};

// Delivers a drop of `source` at a point of `target` (in the target's pixels) to the target's handler.
void deliverDrop(Control* target, Control* source, const QPoint& local);

} // namespace forms
