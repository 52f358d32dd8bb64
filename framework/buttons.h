#pragma once
// The windowed controls a pupil presses, check boxes and push buttons, and the frames that group controls.
#include "framework/control.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

namespace forms {

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

} // namespace forms
