#include "framework/picture_control.h"

#include "framework/dragdrop.h"
#include "framework/pictures.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace forms {

namespace {

int shiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

int buttonCode(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

const QString kDragHelp = QStringLiteral(
    "Espace ou Entrée pour le prendre, puis flèches ou Tab pour choisir où le déposer, Espace ou Entrée "
    "pour le déposer, Échap pour le reposer.");
const QString kMenuHelp = QStringLiteral("Touche Menu pour l'afficher.");
const QString kPressHelp = QStringLiteral("Espace pour le choisir.");
const QString kShortcutHelp = QStringLiteral("Raccourci clavier : %1");
} // namespace

Picture::Picture(QWidget* parent) : Ctl(parent) { setFocusPolicy(Qt::NoFocus); }

Picture* Picture::source(const QString& resource, bool stretch) {
    source_ = resource;
    stretch_ = stretch;
    if (!stretch_) Place(Left(), Top(), Width(), Height());
    update();
    return this;
}

Picture* Picture::click(std::function<void()> f) {
    onClick_ = std::move(f);
    return this;
}

Picture* Picture::mouseDown(std::function<void(int, int, int, int)> f) {
    onMouseDown_ = std::move(f);
    // Tab only: a click must not leave a focus frame a mouse user never asked for.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(drag_ ? kDragHelp + QLatin1Char(' ') + kMenuHelp : kPressHelp);
    return this;
}

Picture* Picture::draggable(const QString& dragIcon) {
    drag_ = true;
    dragIcon_ = dragIcon;
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(onMouseDown_ ? kDragHelp + QLatin1Char(' ') + kMenuHelp : kDragHelp);
    return this;
}

Picture* Picture::shortcut(const QKeySequence& key) {
    // Bound to the picture, a shortcut is dead while the picture is hidden or disabled; the check below
    // keeps it so even if the widget's own state lags behind the control's.
    auto* s = new QShortcut(key, this, [this] {
        if (Visible() && isEnabled() && onClick_) onClick_();
    });
    s->setContext(Qt::WindowShortcut);
    setAccessibleDescription(kShortcutHelp.arg(key.toString(QKeySequence::NativeText)));
    return this;
}

Picture* Picture::button(const QString& word) {
    button_ = true;
    setAccessibleText(word);
    return this;
}

Picture* Picture::bordered(bool on) {
    bordered_ = on;
    update();
    return this;
}

void Picture::Place(int left, int top, int width, int height) {
    if (!stretch_ && !source_.isEmpty()) {
        // Shown at its own size: the control takes the picture's size.
        const QSize s = pictureSize(source_);
        if (!s.isEmpty()) {
            width = int(s.width() * twipsPerPixel());
            height = int(s.height() * twipsPerPixel());
        }
    }
    Control::Place(left, top, width, height);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintOn(p);
    if (focusRing_ && hasFocus()) {
        // Where the keyboard stands: a dotted frame, inside the picture since nothing may spill over.
        const double w = std::max(2.0, 2 * scale());
        p.setPen(QPen(QColor(0, 84, 196), w, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }
}

void Picture::focusInEvent(QFocusEvent* e) {
    // Only a pupil who came with the keyboard sees the frame; the screen's first focus is silent.
    focusRing_ = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason;
    update();
    QWidget::focusInEvent(e);
}

void Picture::focusOutEvent(QFocusEvent* e) {
    focusRing_ = false;
    DragController::instance().forget(this);
    update();
    QWidget::focusOutEvent(e);
}

void Picture::pressFromKeyboard(int button) {
    if (!onMouseDown_ || !isEnabled()) return;
    const QPoint c = rect().center();
    onMouseDown_(button, 0, twipsOf(c.x()), twipsOf(c.y()));
}

void Picture::keyPressEvent(QKeyEvent* e) {
    if (!focusRing_) {
        focusRing_ = true;
        update();
    }
    const int k = e->key();
    const bool plain = e->modifiers() == Qt::NoModifier || e->modifiers() == Qt::KeypadModifier;
    const bool menu = k == Qt::Key_Menu || (k == Qt::Key_F10 && e->modifiers() == Qt::ShiftModifier);
    if (menu && onMouseDown_) {
        pressFromKeyboard(2);
    } else if (plain && !e->isAutoRepeat() && drag_ && (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter)) {
        DragController::instance().startFromKeyboard(this, dragIcon_);
    } else if (plain && !e->isAutoRepeat() && !drag_ && k == Qt::Key_Space) {
        pressFromKeyboard(1);
    } else {
        QWidget::keyPressEvent(e);
        return;
    }
    e->accept();
}

QRectF Picture::target() const {
    const QSize s = pictureSize(source_);
    const QRectF box = stretch_ ? QRectF(rect()) : QRectF(0, 0, s.width() * scale(), s.height() * scale());
    const double w = bordered_ ? std::max(1.0, scale()) : 0.0;
    return box.adjusted(w, w, -w, -w);
}

void Picture::prepare() const {
    if (!source_.isEmpty()) preparePicture(source_, target().size(), devicePixelRatioF());
}

void Picture::hurry() const {
    if (!source_.isEmpty()) hurryPicture(source_, target().size(), devicePixelRatioF());
}

void Picture::paintOn(QPainter& p) {
    // An empty bordered picture still shows its frame.
    if (!source_.isEmpty()) drawPicture(p, source_, target());
    if (!bordered_) return;
    const double w = std::max(1.0, scale());
    const double W = width(), H = height();
    for (const QRectF& edge : {QRectF(0, 0, W, w), QRectF(0, H - w, W, w), QRectF(0, 0, w, H), QRectF(W - w, 0, w, H)})
        p.fillRect(edge, Qt::black);
}

void Picture::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && drag_) {
        // Automatic drag mode: the press starts a drag and raises no MouseDown.
        DragController::instance().start(this, dragIcon_, e->globalPosition().toPoint());
        e->accept();
        return;
    }
    if (onMouseDown_) {
        const QPoint pos = e->position().toPoint();
        onMouseDown_(buttonCode(e->button()), shiftState(e->modifiers()), twipsOf(pos.x()), twipsOf(pos.y()));
    }
    e->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && !drag_ && onClick_ && rect().contains(e->position().toPoint())) {
        onClick_();
        return;
    }
    e->accept();
}

} // namespace forms
