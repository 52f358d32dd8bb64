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

} // namespace forms
