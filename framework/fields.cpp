#include "framework/fields.h"

#include "framework/plain_text.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <QWheelEvent>
#include <climits>

namespace forms {

namespace {

// A screen's colours are those of a field in use; a disabled one keeps the look every screen shares.
void setColors(QWidget* w, BgrColor fore, BgrColor back) {
    QPalette p = w->palette();
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        for (const QPalette::ColorRole r : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            p.setColor(g, r, toQColor(fore));
        for (const QPalette::ColorRole r : {QPalette::Base, QPalette::Window, QPalette::Button})
            p.setColor(g, r, toQColor(back));
    }
    w->setPalette(p);
}

// One look for every disabled list and text box: grey on a light field, plainly out of use, yet the pupil
// still reads his own answer beside the red correction (about 5.5 to 1).
const QColor kDisabledText(0x60, 0x60, 0x60);
const QColor kDisabledBack(0xF0, 0xF0, 0xF0);

void disabledLook(QWidget* w) {
    QPalette p = w->palette();
    for (const QPalette::ColorRole r : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, r, kDisabledText);
    for (const QPalette::ColorRole r : {QPalette::Base, QPalette::Window, QPalette::Button})
        p.setColor(QPalette::Disabled, r, kDisabledBack);
    w->setPalette(p);
}

// A field the pupil is not typing in shows the beginning of its text: the end of a long answer alone
// reads as another answer.
void showStartOf(QLineEdit* field) {
    if (field) field->setCursorPosition(0);
}

// Whether the pupil is in this field: the focus of its window, whether or not the window is the active one.
bool focusedIn(const QWidget* field) {
    const QWidget* f = field->window()->focusWidget();
    return f && (f == field || f->focusProxy() == field || field->focusProxy() == f);
}

// Leaving for a menu or another window is not leaving the field: the pupil comes back to type on.
bool leavesField(const QFocusEvent* e) {
    return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}

} // namespace

TextBox::TextBox(QWidget* parent) : Ctl(parent) {
    setMaxLength(INT_MAX); // text boxes take any length
    setFont(makeFont({}));
    disabledLook(this);
    QObject::connect(this, &QLineEdit::textChanged, this, [this] {
        if (!focusedIn(this)) showStartOf(this);
    });
}

void TextBox::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (leavesField(e)) showStartOf(this);
}

void TextBox::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::EnabledChange && !isEnabled()) showStartOf(this);
}

namespace {
// Whatever reaches the box, typed, pasted or dropped, loses the characters no line of text should hold.
class PlainLineValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString clean = forms::plainLine(input);
        if (clean.size() != input.size()) {
            pos = int(forms::plainLine(input.left(pos)).size());
            input = clean;
        }
        return Acceptable;
    }
};
} // namespace

TextBox* TextBox::plainLine() {
    setValidator(new PlainLineValidator(this));
    setText(text());
    return this;
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
    // Not the wheel's focus: a wheel turn over a list must not make it the one the pupil is in.
    setFocusPolicy(Qt::StrongFocus);
    disabledLook(this);
    // A pick is not typing: the field shows the chosen item from its start, whatever has the focus.
    QObject::connect(this, &QComboBox::currentIndexChanged, this, [this] { showStart(); });
    QObject::connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) {
        showStart();
        if (onClick_) onClick_();
    });
    kind(k);
}

void ComboBox::showStart() {
    if (isEditable()) showStartOf(lineEdit());
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
        QObject::connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
            if (!focusedIn(this) && !focusedIn(lineEdit())) showStart();
        });
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
    if (e->type() == QEvent::EnabledChange && !isEnabled()) showStart();
}

void ComboBox::focusOutEvent(QFocusEvent* e) {
    QComboBox::focusOutEvent(e);
    if (leavesField(e)) showStart();
}

void ComboBox::wheelEvent(QWheelEvent* e) {
    if (!focusedIn(this) && !(lineEdit() && focusedIn(lineEdit()))) {
        e->ignore();
        return;
    }
    QComboBox::wheelEvent(e);
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
        showStart();
    } else {
        setCurrentIndex(findText(t, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

} // namespace forms
