#include "framework/dragdrop.h"

#include "framework/control.h"
#include "framework/pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace forms {

namespace {

class Indicator : public QWidget {
public:
    Indicator(QWidget* window, const QString& icon) : QWidget(window), icon_(icon) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("dragIndicator"));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (QSvgRenderer* r = icon_.isEmpty() ? nullptr : renderer(icon_)) {
            r->render(&p, QRectF(rect()));
        } else {
            // No icon: a dotted outline of the source, as the pupil drags it.
            QPen pen(Qt::black, 1, Qt::DotLine);
            p.setPen(pen);
            p.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    QString icon_;
};

// The drag icon, 32 pixels square, or the source's outline at its own size.
QWidget* makeIndicator(QWidget* source, const QString& icon) {
    auto* ind = new Indicator(source->window(), icon);
    const int side = std::max(1, int(std::lround(32 * scale())));
    ind->resize(icon.isEmpty() ? source->size() : QSize(side, side));
    return ind;
}

QString nameOf(QWidget* w) {
    const Control* c = controlOf(w);
    return c ? c->accessibleText() : QString();
}

// The frame round the target a keyboard drag would drop on: dark blue with a white inner edge, so that it
// shows on white, on the grey nuclei and on every colour of the tokens.
class Highlight : public QWidget {
public:
    explicit Highlight(QWidget* window) : QWidget(window) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setObjectName(QStringLiteral("dropHighlight"));
    }
    static int margin() { return std::max(3, int(std::lround(4 * scale()))); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int m = margin();
        const QRectF r = QRectF(rect());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 84, 196));
        QPainterPath frame;
        frame.addRect(r);
        frame.addRect(r.adjusted(m, m, -m, -m));
        p.drawPath(frame);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(m - 0.5, m - 0.5, -m + 0.5, -m + 0.5));
    }
};

const QString kPickedUp = QStringLiteral(
    "%1 pris. Flèches ou Tab pour choisir où le déposer, Espace ou Entrée pour déposer, Échap pour reposer. "
    "Au-dessus de : %2");
const QString kOver = QStringLiteral("Au-dessus de : %1");
const QString kDropped = QStringLiteral("%1 déposé sur %2");
const QString kPutDown = QStringLiteral("%1 reposé");

QPoint centreIn(QWidget* window, const QWidget* w) { return w->mapTo(window, w->rect().center()); }

bool endsDrag(QEvent::Type t) {
    switch (t) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::WindowDeactivate:
    case QEvent::Close: return true;
    default: return false;
    }
}

} // namespace

void deliverDrop(Control* target, Control* source, const QPoint& local) {
    if (!target || !source || !target->onDragDrop || !target->widget()->isEnabled()) return;
    const double k = twipsPerPixel() / scale();
    target->onDragDrop(source, int(std::lround(local.x() * k)), int(std::lround(local.y() * k)));
}

DragController& DragController::instance() {
    static DragController* c = new DragController(); // parented to the application below
    if (!c->parent() && QCoreApplication::instance()) c->setParent(QCoreApplication::instance());
    return *c;
}

void DragController::start(Control* control, const QString& dragIcon, const QPoint& globalPos) {
    cancel();
    keyboard_ = false;
    QWidget* source = control->widget();
    source_ = source;
    QWidget* ind = makeIndicator(source, dragIcon);
    // The icon hangs from its middle; an outline keeps the point where the pupil took the picture.
    grabOffset_ = dragIcon.isEmpty() ? source->mapFromGlobal(globalPos) : QPoint(ind->width() / 2, ind->height() / 2);
    indicator_ = ind;
    moveTo(globalPos);
    ind->show();
    ind->raise();
    qApp->installEventFilter(this);
}

bool DragController::startFromKeyboard(Control* control, const QString& dragIcon) {
    cancel();
    QWidget* source = control ? control->widget() : nullptr;
    if (!source || !source->isEnabled() || !source->isVisible()) return false;
    source_ = source;
    const std::vector<Control*> all = targets();
    if (all.empty()) {
        source_ = nullptr;
        return false;
    }
    keyboard_ = true;
    QWidget* window = source->window();
    QWidget* ind = makeIndicator(source, dragIcon);
    grabOffset_ = QPoint(ind->width() / 2, ind->height() / 2);
    indicator_ = ind;
    highlight_ = new Highlight(window);
    // Back where the last keyboard drop went, so a pupil painting person after person moves on from there.
    Control* first = all.front();
    for (Control* t : all)
        if (t->widget() == lastTarget_) first = t;
    highlightTarget(first);
    highlight_->show();
    ind->show();
    ind->raise();
    qApp->installEventFilter(this);
    announce(source, kPickedUp.arg(control->accessibleText(), first->accessibleText()));
    return true;
}

Control* DragController::highlighted() const { return fromKeyboard() ? controlOf(target_) : nullptr; }

QString DragController::announcementFor(const QWidget* source) const {
    return source && source == announcedOn_ ? announcement_ : QString();
}

void DragController::announce(QWidget* source, const QString& what) {
    // Said as a change of the focused source's name, which screen readers read out at once.
    if (announcedOn_ && announcedOn_ != source) {
        QAccessibleEvent cleared(announcedOn_.data(), QAccessible::NameChanged);
        announcedOn_ = nullptr;
        QAccessible::updateAccessibility(&cleared);
    }
    announcedOn_ = source;
    announcement_ = what;
    if (!source) return;
    QAccessibleEvent changed(source, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

std::vector<Control*> DragController::targets() const {
    std::vector<Control*> all;
    QWidget* window = source_ ? source_->window() : nullptr;
    if (!window) return all;
    // In the order the screen builds them, which is the order of their numbers.
    for (QWidget* w : window->findChildren<QWidget*>()) {
        Control* c = dynamic_cast<Control*>(w);
        if (c && c->onDragDrop && w->isEnabled() && w->isVisibleTo(window)) all.push_back(c);
    }
    return all;
}

void DragController::highlightTarget(Control* target) {
    QWidget* window = source_ ? source_->window() : nullptr;
    if (!target || !window || !highlight_) return;
    target_ = target->widget();
    const int m = Highlight::margin();
    const QRect r(target_->mapTo(window, QPoint(0, 0)), target_->size());
    highlight_->setGeometry(r.adjusted(-m, -m, m, m));
    highlight_->raise();
    if (indicator_) {
        indicator_->move(centreIn(window, target_) - grabOffset_);
        indicator_->raise();
    }
}

void DragController::step(int dx, int dy) {
    const std::vector<Control*> all = targets();
    QWidget* window = source_ ? source_->window() : nullptr;
    if (all.empty() || !window) return;
    auto at = std::find_if(all.begin(), all.end(), [this](Control* c) { return c->widget() == target_; });
    Control* next = nullptr;
    if (at == all.end()) {
        next = all.front();
    } else {
        // The nearest target within 45 degrees of the arrow, preferring those in line with the current one;
        // failing that, the nearest anywhere on that side, so that a scattered screen is still crossed.
        const QPoint from = centreIn(window, target_);
        double best = 0;
        bool bestInCone = false;
        for (Control* c : all) {
            if (c == *at) continue;
            const QPoint v = centreIn(window, c->widget()) - from;
            const double along = v.x() * dx + v.y() * dy;
            const double across = std::abs(dx != 0 ? v.y() : v.x());
            if (along <= 0) continue;
            const bool inCone = across <= along;
            const double score = along + 2 * across;
            if (!next || (inCone && !bestInCone) || (inCone == bestInCone && score < best))
                next = c, best = score, bestInCone = inCone;
        }
        if (!next) next = *at; // nothing further that way: the highlight stays
    }
    highlightTarget(next);
    announce(source_, kOver.arg(next->accessibleText()));
}

bool DragController::keyboardKey(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left: step(-1, 0); return true;
    case Qt::Key_Right: step(1, 0); return true;
    case Qt::Key_Up: step(0, -1); return true;
    case Qt::Key_Down: step(0, 1); return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const std::vector<Control*> all = targets();
        if (all.empty()) return true;
        const bool back = e->key() == Qt::Key_Backtab || (e->modifiers() & Qt::ShiftModifier);
        const int n = int(all.size());
        int i = int(std::find_if(all.begin(), all.end(), [this](Control* c) { return c->widget() == target_; }) -
                    all.begin());
        i = i >= n ? 0 : (i + (back ? n - 1 : 1)) % n;
        highlightTarget(all[std::size_t(i)]);
        announce(source_, kOver.arg(all[std::size_t(i)]->accessibleText()));
        return true;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (e->isAutoRepeat()) return true; // a held key picks up, it does not drop at once
        QPointer<QWidget> source = source_;
        Control* target = highlighted();
        const QString said = target ? kDropped.arg(nameOf(source), target->accessibleText()) : QString();
        lastTarget_ = target_;
        cancel();
        if (target && source) {
            deliverDrop(target, controlOf(source), target->widget()->rect().center());
            announce(source, said);
        }
        return true;
    }
    case Qt::Key_Escape: {
        QPointer<QWidget> source = source_;
        cancel();
        if (source) announce(source, kPutDown.arg(nameOf(source)));
        return true;
    }
    default: return false;
    }
}

void DragController::moveTo(const QPoint& globalPos) {
    if (!indicator_) return;
    indicator_->move(indicator_->parentWidget()->mapFromGlobal(globalPos) - grabOffset_);
}

void DragController::cancel() {
    qApp->removeEventFilter(this);
    for (QWidget* w : {indicator_.data(), highlight_.data()}) {
        if (!w) continue;
        w->hide();
        w->deleteLater();
    }
    indicator_ = nullptr;
    highlight_ = nullptr;
    target_ = nullptr;
    source_ = nullptr;
    keyboard_ = false;
}

void DragController::finish(const QPoint& globalPos) {
    QPointer<QWidget> source = source_;
    QWidget* window = indicator_ ? indicator_->parentWidget() : nullptr;
    cancel();
    if (!source || !window || !window->isVisible()) return;
    const QPoint pos = window->mapFromGlobal(globalPos);
    Control* target = controlAt(window, pos);
    if (target) deliverDrop(target, controlOf(source), target->widget()->mapFrom(window, pos));
}

bool DragController::eventFilter(QObject*, QEvent* e) {
    if (keyboard_) {
        if (!source_ || !source_->isEnabled() || !source_->isVisible() || !target_) {
            // Validation took the source away, or the screen went: the pupil no longer carries anything.
            cancel();
            return false;
        }
        switch (e->type()) {
        case QEvent::KeyPress: return keyboardKey(static_cast<QKeyEvent*>(e));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // The mouse takes over: what the keyboard carried is put down, and the press goes on.
            cancel();
            return false;
        default: return false;
        }
    }
    // Whatever else ends the drag ends it at once, outline and all, without waiting for the button: the
    // source taken away (Validation locks the answers), its window leaving, or a key, which goes on to do
    // its own work (F5 validates).
    if (!source_ || !indicator_ || !source_->isEnabled() || !source_->isVisible() || endsDrag(e->type())) {
        cancel();
        return false;
    }
    switch (e->type()) {
    case QEvent::MouseMove:
        moveTo(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() != Qt::LeftButton) return true;
        finish(me->globalPosition().toPoint());
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: return true; // nothing else is pressed while dragging
    default: return false;
    }
}

} // namespace forms
