#include "framework/control.h"

namespace forms {

void Control::Place(int left, int top, int width, int height) {
    tw_ = QRect(left, top, width, height);
    self_->setGeometry(pxRect(left, top, width, height));
}

void Control::SetVisible(bool v) {
    visible_ = v;
    self_->setVisible(v);
}

Qt::Alignment qtAlign(Align a) {
    switch (a) {
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

QString dropTargetHelp() {
    return QStringLiteral("Emplacement où déposer : Espace ou Entrée y dépose ce que tu as pris au clavier.");
}

Timer* Timer::every(int ms, std::function<void()> f) {
    setInterval(ms);
    QObject::connect(this, &QTimer::timeout, this, std::move(f));
    return this;
}

Control* controlOf(QObject* o) {
    for (; o; o = o->parent())
        if (auto* c = dynamic_cast<Control*>(o)) return c;
    return nullptr;
}

Control* controlAt(QWidget* window, const QPoint& windowPos) {
    QWidget* w = window->childAt(windowPos);
    return w ? controlOf(w) : nullptr;
}

} // namespace forms
