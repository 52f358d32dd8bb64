#include "framework/dragdrop.h"

#include "framework/controls.h"
#include "framework/pictures.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
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

} // namespace

DragController& DragController::instance() {
    static DragController* c = new DragController(); // parented to the application below
    if (!c->parent() && QCoreApplication::instance()) c->setParent(QCoreApplication::instance());
    return *c;
}

void DragController::start(Picture* source, const QPoint& globalPos) {
    cancel();
    QWidget* window = source->window();
    source_ = source;
    auto* ind = new Indicator(window, source->DragIcon());
    if (!source->DragIcon().isEmpty()) {
        const int side = std::max(1, int(std::lround(32 * scale())));
        ind->resize(side, side);
        grabOffset_ = QPoint(side / 2, side / 2);
    } else {
        ind->resize(source->size());
        grabOffset_ = source->mapFromGlobal(globalPos);
    }
    indicator_ = ind;
    moveTo(globalPos);
    ind->show();
    ind->raise();
    qApp->installEventFilter(this);
}

void DragController::moveTo(const QPoint& globalPos) {
    if (!indicator_) return;
    indicator_->move(indicator_->parentWidget()->mapFromGlobal(globalPos) - grabOffset_);
}

void DragController::cancel() {
    qApp->removeEventFilter(this);
    if (indicator_) {
        indicator_->hide();
        indicator_->deleteLater();
    }
    indicator_ = nullptr;
    source_ = nullptr;
}

void DragController::finish(const QPoint& globalPos) {
    QPointer<Picture> source = source_;
    QWidget* window = indicator_ ? indicator_->parentWidget() : nullptr;
    cancel();
    if (!source || !window || !window->isVisible()) return;
    const QPoint pos = window->mapFromGlobal(globalPos);
    Control* target = controlAt(window, pos);
    if (!target || !target->onDragDrop || !target->widget()->isEnabled()) return;
    const QPoint local = target->widget()->mapFrom(window, pos);
    const double k = twipsPerPixel() / scale();
    target->onDragDrop(source.data(), int(std::lround(local.x() * k)), int(std::lround(local.y() * k)));
}

bool DragController::eventFilter(QObject*, QEvent* e) {
    if (!source_ || !indicator_ || !source_->isEnabled() || !source_->isVisible()) {
        if (e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::MouseMove) cancel();
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
