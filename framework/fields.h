#pragma once
// The windowed controls a pupil types or picks in: text boxes and drop-down lists.
#include "framework/control.h"

#include <QComboBox>
#include <QLineEdit>

namespace forms {

class TextBox : public Ctl<TextBox, QLineEdit> {
public:
    explicit TextBox(QWidget* parent);
    TextBox* font(const FontDef& f);
    TextBox* align(Align a);
    TextBox* colors(BgrColor fore, BgrColor back);
    // One line of text: control and direction-override characters a paste brings are dropped.
    TextBox* plainLine();
    QString Text() const { return text(); }
    // A text the screen writes is shown from its start, as any text the pupil is not typing.
    TextBox* setTextValue(const QString& t) {
        setText(t);
        setCursorPosition(0);
        return this;
    }
    bool windowed() const override { return true; }
    QString accessibleText() const override { return text(); }

protected:
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
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
    void focusOutEvent(QFocusEvent* e) override;
    // The wheel turns only the list the pupil is in: one it merely passes over keeps its answer.
    void wheelEvent(QWheelEvent* e) override;

private:
    bool dropDownBuilt() const;
    void showStart();
    std::function<void()> onClick_;
};

} // namespace forms
