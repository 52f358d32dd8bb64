#pragma once
// The base every control of a screen shares, the fluent builder a screen's design is written with (one line
// a control), control arrays, and the timer. Geometry is kept in twips and drawn at the run's scale.
#include "framework/units.h"

#include <QPointer>
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

// The alignment in Qt's terms, for captions and text fields alike.
Qt::Alignment qtAlign(Align a);

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
