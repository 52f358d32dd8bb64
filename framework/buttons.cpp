#include "framework/buttons.h"

#include "framework/pictures.h"

#include <QEvent>
#include <QHash>
#include <QIcon>
#include <cmath>

namespace forms {

CheckBox::CheckBox(QWidget* parent) : Ctl(parent) {
    setFont(makeFont({}));
    setAutoFillBackground(true);
    QObject::connect(this, &QCheckBox::clicked, this, [this] {
        if (onClick_) onClick_();
    });
}

CheckBox* CheckBox::setCaption(const QString& c) {
    setText(c);
    return this;
}

CheckBox* CheckBox::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

CheckBox* CheckBox::colors(BgrColor fore, BgrColor back) {
    // The box itself stays white: only the caption and the control's background take the colours.
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(fore));
    p.setColor(QPalette::Window, toQColor(back));
    p.setColor(QPalette::Button, toQColor(back)); // a button's background role
    setPalette(p);
    return this;
}

CheckBox* CheckBox::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

void CheckBox::setValue(int v) {
    if (Value() == (v ? 1 : 0)) return;
    setChecked(v != 0);
    if (onClick_) onClick_();
}

CommandButton::CommandButton(QWidget* parent) : Ctl(parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    setFont(makeFont({}));
    QObject::connect(this, &QPushButton::clicked, this, [this] {
        if (onClick_) onClick_();
    });
}

CommandButton* CommandButton::setCaption(const QString& c) {
    setText(c);
    return this;
}

CommandButton* CommandButton::font(const FontDef& f) {
    setFont(makeFont(f));
    return this;
}

CommandButton* CommandButton::face(BgrColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Button, toQColor(c));
    setPalette(p);
    return this;
}

CommandButton* CommandButton::picture(const QString& resource, int sizePx) {
    // One icon per picture for the run: the toolkit keeps an icon's drawings under the icon's identity,
    // so a new icon at every opening would leave a new set of drawings behind each time.
    static QHash<QString, QIcon> icons;
    auto it = icons.find(resource);
    if (it == icons.end()) it = icons.insert(resource, pictureIcon(resource));
    setIcon(*it);
    const int s = std::max(1, int(std::lround(sizePx * scale())));
    setIconSize(QSize(s, s));
    return this;
}

CommandButton* CommandButton::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

QString CommandButton::accessibleText() const {
    QString t = text();
    return t.remove(QLatin1Char('&'));
}

bool CommandButton::event(QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        // Alt and the access key press the button at once, like a click.
        if (isEnabled() && isVisible()) {
            setFocus(Qt::ShortcutFocusReason);
            QPushButton::click();
        }
        return true;
    }
    return QPushButton::event(e);
}

Frame::Frame(QWidget* parent) : Ctl(parent) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
}

Frame* Frame::back(BgrColor c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(c));
    setPalette(p);
    return this;
}

Frame* Frame::bordered(bool b) {
    setFrameShape(b ? QFrame::Box : QFrame::NoFrame);
    return this;
}

} // namespace forms
