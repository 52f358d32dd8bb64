// Modal dialogs: each waits for its answer on a loop of the program's own, so that one destroyed from
// outside, which can never answer, still lets the program go on.
#include "framework/forms.h"

#include <QDialog>
#include <QEventLoop>
#include <QPlatformSurfaceEvent>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <vector>

namespace forms {

namespace {

struct Modal {
    QPointer<QDialog> dialog;
    QEventLoop* wait;
    bool* lost;
};

std::vector<Modal>& modals() { // open, innermost last
    static std::vector<Modal> open;
    return open;
}

// The native window of a modal dialog destroyed without the dialog (the window system's window gone):
// the dialog can no longer be answered.
class SurfaceWatch : public QObject {
  public:
    SurfaceWatch(QWindow* w, std::function<void()> lost) : lost_(std::move(lost)) {
        w->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(e)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed)
            lost_();
        return false;
    }

  private:
    std::function<void()> lost_;
};
} // namespace

int runModal(QDialog* dialog) {
    QPointer<QDialog> d(dialog);
    if (!d || ended()) return QDialog::Rejected;
    const QPointer<QWidget> under = d->parentWidget() ? d->parentWidget()->window() : nullptr;
    // The program's own wait rather than the dialog's: a dialog that can no longer answer cannot end the
    // dialog's own wait.
    QEventLoop wait;
    bool lost = false;
    QObject::connect(d, &QDialog::finished, &wait, &QEventLoop::quit);
    QObject::connect(d, &QObject::destroyed, &wait, &QEventLoop::quit);
    d->setWindowModality(Qt::ApplicationModal);
    d->winId(); // its native window now, to be watched from the start
    auto* watch = new SurfaceWatch(d->windowHandle(), [&wait, &lost] {
        lost = true;
        wait.quit();
    });
    modals().push_back({d, &wait, &lost});
    d->show();
    wait.exec(QEventLoop::DialogExec);
    auto& m = modals();
    m.erase(std::remove_if(m.begin(), m.end(), [&wait](const Modal& x) { return x.wait == &wait; }), m.end());
    delete watch;
    if (d && !lost) return d->result();
    // No longer modal, and the window under it active again, as a dialog closing leaves it: the window
    // system, which saw only a window vanish, does not say so.
    if (d) d->hide();
    if (under) under->activateWindow();
    return QDialog::Rejected;
}

// The window system's window of an open dialog was destroyed (DestroyNotify on X11).
void modalWindowLost(WId w) {
    for (const Modal& m : modals())
        if (m.dialog && m.dialog->internalWinId() == w) {
            *m.lost = true;
            m.wait->quit();
        }
}

void cancelModals() {
    for (const Modal& m : std::vector<Modal>(modals()))
        if (m.dialog) m.dialog->reject();
}

} // namespace forms
