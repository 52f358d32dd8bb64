// Lightweight controls paint themselves, so they tell assistive technology what they are:
// a label reads its caption, a picture button its word, a content picture what it shows.
#include "framework/controls.h"
#include "framework/dragdrop.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace forms {

namespace {

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (Control* c = dynamic_cast<Control*>(widget())) {
                // A source carried from the keyboard says what is happening to it.
                const QString said = DragController::instance().announcementFor(widget());
                return said.isEmpty() ? c->accessibleText() : c->accessibleText() + QStringLiteral(" – ") + said;
            }
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString&, QObject* o) {
    if (!o || !o->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(o);
    if (dynamic_cast<Label*>(w)) return new AccessibleControl(w, QAccessible::StaticText);
    if (auto* p = dynamic_cast<Picture*>(w))
        return new AccessibleControl(w, p->isButton() ? QAccessible::Button : QAccessible::Graphic);
    if (dynamic_cast<Shape*>(w) || dynamic_cast<Line*>(w)) return new AccessibleControl(w, QAccessible::Graphic);
    return nullptr; // windowed controls are Qt's own widgets, with Qt's own accessibility
}

} // namespace

void installAccessibility() { QAccessible::installFactory(factory); }

} // namespace forms
