#include "framework/fields.h"

#include <QEvent>
#include <QKeyEvent>
#include <climits>

namespace forms {

namespace {

void setColors(QWidget* w, BgrColor fore, BgrColor back) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, toQColor(fore));
    p.setColor(QPalette::WindowText, toQColor(fore));
    p.setColor(QPalette::ButtonText, toQColor(fore));
    p.setColor(QPalette::Base, toQColor(back));
    p.setColor(QPalette::Window, toQColor(back));
    p.setColor(QPalette::Button, toQColor(back));
    w->setPalette(p);
}

} // namespace

TextBox::TextBox(QWidget* parent) : Ctl(parent) {
    setMaxLength(INT_MAX); // text boxes take any length
    setFont(makeFont({}));
}

TextBox* TextBox::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

TextBox* TextBox::align(Align a) {
    setAlignment(qtAlign(a) | Qt::AlignVCenter);
    return this;
}

TextBox* TextBox::colors(BgrColor fore, BgrColor back) {
    setColors(this, fore, back);
    return this;
}

namespace {
// Enter picks nothing in a list: typing stays typing, as on the platform we follow.
class SwallowEnter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) {
            const int k = static_cast<QKeyEvent*>(e)->key();
            return k == Qt::Key_Return || k == Qt::Key_Enter;
        }
        return false;
    }
};
} // namespace

ComboBox::ComboBox(QWidget* parent, Kind k) : Ctl(parent) {
    setFont(makeFont({}));
    setMaxVisibleItems(8);
    QObject::connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        if (onClick_) onClick_();
    });
    kind(k);
}

ComboBox* ComboBox::kind(Kind k) {
    if ((k == Editable) == isEditable()) {
        setCurrentIndex(-1);
        return this;
    }
    setEditable(k == Editable);
    if (k == Editable) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr); // no completion: the field holds exactly what was typed
        lineEdit()->setMaxLength(INT_MAX);
        lineEdit()->installEventFilter(new SwallowEnter(this));
        // Qt takes a typed text equal to an item for a choice when the field loses the focus, and reports it
        // as one; typing is not choosing, so that reaction is cut.
        QObject::disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    }
    setCurrentIndex(-1);
    return this;
}

bool ComboBox::dropDownBuilt() const {
    for (const QObject* c : children())
        if (c->inherits("QComboBoxPrivateContainer")) return true;
    return false;
}

void ComboBox::changeEvent(QEvent* e) {
    // Qt builds a list's drop-down part, with its view and scrollers, as soon as the list's font is set, to
    // hand the font on; most lists of a screen are never opened. A drop-down built later takes the list's
    // font by itself.
    if (e->type() == QEvent::FontChange && !dropDownBuilt()) {
        QWidget::changeEvent(e);
        return;
    }
    QComboBox::changeEvent(e);
}

ComboBox* ComboBox::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

ComboBox* ComboBox::colors(BgrColor fore, BgrColor back) {
    setColors(this, fore, back);
    if (lineEdit()) setColors(lineEdit(), fore, back);
    return this;
}

ComboBox* ComboBox::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

void ComboBox::AddItem(const QString& item) {
    // Appending never chooses an item: the field keeps what it showed.
    const int index = currentIndex();
    const QString field = isEditable() ? lineEdit()->text() : QString();
    addItem(item);
    setCurrentIndex(index);
    if (isEditable()) lineEdit()->setText(field);
}

void ComboBox::Clear() {
    clear();
    setCurrentIndex(-1);
}

QString ComboBox::Text() const {
    if (isEditable()) return lineEdit()->text();
    return currentIndex() < 0 ? QString() : currentText();
}

void ComboBox::setTextValue(const QString& t) {
    if (isEditable()) {
        lineEdit()->setText(t);
    } else {
        setCurrentIndex(findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

} // namespace forms
