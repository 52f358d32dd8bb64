#pragma once
// In-process drag and drop: a left press on a picture in automatic drag mode shows its drag icon
// (or the picture's outline) under the pointer; the release over a control with a drop handler calls
// that handler with the source. The source never moves. Plain mouse events drive it, wherever they land.
#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

namespace forms {

class Picture;

class DragController : public QObject {
public:
    static DragController& instance();
    void start(Picture* source, const QPoint& globalPos);
    bool active() const { return source_ != nullptr; }
    // What stands under the pointer for the pupil to see: the icon or the outline.
    QWidget* indicator() const { return indicator_; }
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void moveTo(const QPoint& globalPos);
    void finish(const QPoint& globalPos);
    QPointer<Picture> source_;
    QPointer<QWidget> indicator_;
    QPoint grabOffset_;
};

} // namespace forms
