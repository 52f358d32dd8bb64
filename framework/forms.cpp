#include "framework/forms.h"

#include "framework/dragdrop.h"
#include "framework/style.h"

#include <QAbstractNativeEventFilter>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>

namespace forms {

void installAccessibility(); // accessibility.cpp
void forgetSignals();        // ending.cpp
void modalWindowLost(WId w); // modal.cpp
void cancelModals();         // modal.cpp

namespace {

struct Run {
    std::vector<Form*> loaded;
    bool ending = false;
    bool ended = false;
    bool endCheckPending = false;
    QElapsedTimer sinceShow; // since a screen was last shown
    std::function<void()> onEnd = [] { QCoreApplication::exit(0); };
};

Run& run() {
    static Run r;
    return r;
}

void scheduleEndCheck() {
    if (run().endCheckPending) return;
    run().endCheckPending = true;
    // The handler that unloaded the last screen may be about to show the next one: look once it returns.
    QTimer::singleShot(0, [] {
        run().endCheckPending = false;
        if (!run().ended && run().loaded.empty()) End();
    });
}

// Windowed controls always stand in front of the lightweight ones; among each kind, creation order holds.
void stackControls(QWidget* container) {
    for (QObject* o : container->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w) continue;
        Control* c = dynamic_cast<Control*>(w);
        if (c && c->windowed()) {
            w->raise();
            if (dynamic_cast<Frame*>(w)) stackControls(w);
        }
    }
}

// On X11 another program may destroy one of our windows outright; Qt itself does not react to that, so
// the screen hears of it here and leaves as its close box would have it.
class DestroyedFromOutside : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        // The wire layout of a DestroyNotify: type, pad, sequence, event window, destroyed window.
        struct DestroyNotify {
            quint8 responseType, pad;
            quint16 sequence;
            quint32 event, window;
        };
        const auto* ev = static_cast<const DestroyNotify*>(message);
        if ((ev->responseType & 0x7f) != 17) return false;
        modalWindowLost(WId(ev->window));
        for (Form* f : run().loaded) {
            FormWindow* w = f->window();
            if (w && w->internalWinId() == WId(ev->window))
                QTimer::singleShot(0, w, [f, w] { f->windowLost(w); });
        }
        return false;
    }
};
// Pictures the keyboard can press or drag come after the screen's own controls in the tab order, in the
// order the screen builds them, so every stop a pupil knew stays where it was.
void chainPictureStops(QWidget* canvas, const std::vector<QPointer<QWidget>>& own) {
    QWidget* last = nullptr;
    for (const auto& w : own)
        if (w) last = w;
    for (QWidget* w : canvas->findChildren<QWidget*>()) {
        if (!dynamic_cast<Picture*>(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (last) QWidget::setTabOrder(last, w);
        last = w;
    }
}

} // namespace

// ---------------------------------------------------------------- FormWindow

FormWindow::FormWindow(Form* form, const WindowDesign& design)
    : QWidget(nullptr), form_(form), design_(design), canvas_(new QWidget(this)) {
    setObjectName(form->name());
    setAttribute(Qt::WA_DeleteOnClose, false);
    switch (design.style) {
    case WindowStyle::Sizable: setWindowFlags(Qt::Window); break;
    case WindowStyle::FixedDialog:
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
        break;
    case WindowStyle::BorderlessMaximised: setWindowFlags(Qt::Window | Qt::FramelessWindowHint); break;
    }
    setWindowTitle(design.caption);
    QPalette p = palette();
    p.setColor(QPalette::Window, toQColor(design.back));
    setPalette(p);
    setAutoFillBackground(true);
    canvas_->setObjectName(QStringLiteral("canvas"));
    canvas_->setPalette(p);
    canvas_->setAutoFillBackground(true);
    sizeCanvas();
}

void FormWindow::sizeCanvas() { canvas_->resize(pxRect(0, 0, design_.clientWidth, design_.clientHeight).size()); }

FormWindow::~FormWindow() {
    dying_ = true;
    if (form_) form_->windowLost(this);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress || e->type() == QEvent::TouchBegin)
        used_ = true;
    // The native window goes while the screen still counts it as its own: something outside destroyed it.
    if (e->type() == QEvent::PlatformSurface && watched == windowHandle() &&
        static_cast<QPlatformSurfaceEvent*>(e)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed &&
        form_ && form_->window() == this) {
        QTimer::singleShot(0, this, [this] {
            if (form_) form_->windowLost(this);
        });
    }
    return QWidget::eventFilter(watched, e);
}

void FormWindow::place() {
    const QRect screen = display();
    const QSize client = canvas_->size();
    switch (design_.style) {
    case WindowStyle::BorderlessMaximised:
        // Placed by the program itself, so it is right also where no window manager maximises it.
        setGeometry(screen);
        // A Wayland client cannot place its windows, nor learn where the panels are: the compositor
        // maximises the screen into the area they leave, and the screen fits itself to it (resizeEvent).
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            setWindowState(windowState() | Qt::WindowMaximized);
        break;
    case WindowStyle::FixedDialog: setFixedSize(client); [[fallthrough]];
    case WindowStyle::Sizable:
        if (design_.position == StartPosition::Fixed) {
            const QPoint origin = pxRect(design_.fixedClientOrigin.x(), design_.fixedClientOrigin.y(), 0, 0).topLeft();
            setGeometry(QRect(screen.topLeft() + origin, client));
        } else {
            setGeometry(QRect(screen.center() - QPoint(client.width() / 2, client.height() / 2), client));
        }
        break;
    }
}

void FormWindow::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (design_.style == WindowStyle::BorderlessMaximised) {
        // Given another area than the run's display (a compositor maximised it between its panels), the
        // run takes that area as its display, so that every screen from now on is drawn to fit it, and
        // this one is built again at that scale unless the pupil has already begun on it.
        if (!size().isEmpty() && size() != display().size()) {
            const double before = scale();
            setDisplay(geometry());
            if (scale() != before && form_ && !used_ && form_->window() == this) form_->rebuild();
        }
        // The 1024 x 768 frame every screen was drawn for, at the run's scale, stands in the middle of the
        // screen and the design starts at its corner: on a 1024 x 768 display each control is at its design
        // pixel, and on any display every screen lines up with every other.
        const QSize frame =
            pxRect(0, 0, int(kDesignDisplayWidth * twipsPerPixel()), int(kDesignDisplayHeight * twipsPerPixel())).size();
        canvas_->move(std::max(0, (width() - frame.width()) / 2), std::max(0, (height() - frame.height()) / 2));
    } else {
        canvas_->move(0, 0);
    }
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (form_) form_->closedByUser();
}

// ---------------------------------------------------------------- Form

Form::Form(const QString& name) : name_(name) {}

Form::~Form() {
    auto& l = run().loaded;
    l.erase(std::remove(l.begin(), l.end(), this), l.end());
    if (FormWindow* w = window_) {
        w->orphan();
        delete w;
    }
}

void Form::Show() {
    if (run().ended) return;
    run().sinceShow.start();
    const bool fresh = !window_;
    if (!window_) {
        window_ = new FormWindow(this, design());
        run().loaded.push_back(this);
        construct();
        if (!window_) return; // Form_Load may unload its own screen
        window_->place();
        hurryPictures();
    }
    // A window shown for the first time comes up on top; one already showing is brought forward.
    if (window_->isVisible()) window_->raise();
    window_->show();
    if (QWindow* handle = window_->windowHandle()) {
        handle->removeEventFilter(window_);
        handle->installEventFilter(window_);
    }
    window_->activateWindow();
    focusFirst(fresh);
}

void Form::construct() {
    opening_ = true;
    build();
    made();
    opening_ = false;
    stackControls(window_->canvas());
    chainPictureStops(window_->canvas(), tabOrder_);
    Form_Load();
}

void Form::rebuild() {
    FormWindow* w = window_;
    if (DragController::instance().indicator() && DragController::instance().indicator()->window() == w)
        DragController::instance().cancel();
    tabOrder_.clear();
    // Built out of sight, the controls show with the canvas as they do with a window shown the first time.
    QWidget* canvas = w->canvas();
    canvas->hide();
    const QObjectList controls = canvas->children();
    for (QObject* o : controls)
        if (o->isWidgetType()) delete o;
    w->sizeCanvas();
    construct();
    if (window_ != w) return;
    canvas->show();
    hurryPictures();
    if (w->isVisible()) focusFirst(true);
}

void Form::focusFirst(bool fresh) {
    for (const auto& w : tabOrder_) {
        if (w && w->isEnabled() && w->isVisibleTo(window_) && w->focusPolicy() != Qt::NoFocus) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    // A screen whose only stops are pictures opens with nothing chosen: the window holds the focus, and
    // the pupil's first Tab lands on the first picture.
    bool picturesOnly = false;
    if (fresh)
        for (QWidget* w : window_->canvas()->findChildren<QWidget*>()) {
            if (!(w->focusPolicy() & Qt::TabFocus)) continue;
            picturesOnly = dynamic_cast<Picture*>(w) != nullptr;
            if (!picturesOnly) break;
        }
    if (picturesOnly) window_->setFocus(Qt::OtherFocusReason);
}

void Form::prepare() {
    if (window_ || run().ended) return;
    offstage([this] {
        for (QWidget* w : window_->findChildren<QWidget*>())
            if (auto* p = dynamic_cast<Picture*>(w)) p->prepare();
    });
}

void Form::made() {
    // A screen opening now has each picture started as soon as the control showing it is set up, while the
    // rest of the screen is built: a screen's first paint waits for its largest picture, not for the build.
    if (opening_ && window_)
        if (auto* p = dynamic_cast<Picture*>(lastMade_.data()); p && p->isVisibleTo(window_)) p->hurry();
    lastMade_ = nullptr;
}

void Form::offstage(const std::function<void()>& use) {
    if (window_) {
        use();
        return;
    }
    window_ = new FormWindow(this, design());
    build();
    made();
    stackControls(window_->canvas());
    use();
    FormWindow* w = window_;
    window_ = nullptr;
    delete w;
    tabOrder_.clear();
}

void Form::hurryPictures() {
    // Drawn on other threads while this one finishes the screen: by its first paint they are ready. Those
    // started as they were made (see made) are not started again; this catches what Form_Load changed.
    for (QWidget* w : window_->findChildren<QWidget*>())
        if (auto* p = dynamic_cast<Picture*>(w); p && p->isVisibleTo(window_)) p->hurry();
}

void Form::Unload() {
    if (!window_) return;
    FormWindow* w = window_;
    window_ = nullptr;
    tabOrder_.clear();
    auto& l = run().loaded;
    l.erase(std::remove(l.begin(), l.end(), this), l.end());
    if (DragController::instance().indicator() && DragController::instance().indicator()->window() == w)
        DragController::instance().cancel();
    // The window may outlive the screen object (deleted later, or by its destroyer): it forgets it now.
    w->orphan();
    if (!w->dying()) {
        w->hide();
        // The handler that asked for the unload may still be running inside this window.
        w->deleteLater();
    }
    scheduleEndCheck();
}

void Form::windowLost(FormWindow* w) {
    if (!w || window_ != w) return;
    closedByUser();
    // A screen that would not close cannot keep a window it no longer has.
    if (window_ == w) Unload();
}

void Form::tabOrder(const std::vector<QWidget*>& order) {
    tabOrder_.assign(order.begin(), order.end());
    QWidget* prev = nullptr;
    for (QWidget* w : order) {
        if (prev && w) QWidget::setTabOrder(prev, w);
        if (w) prev = w;
    }
}

// ---------------------------------------------------------------- the run

RunEnding& runEnding() {
    static RunEnding* told = new RunEnding(qApp); // goes with the application, never before it
    return *told;
}

void End() {
    if (run().ended || run().ending) return;
    run().ending = true; // a handler that asks for the end again is already heard
    emit runEnding().ending();
    run().ended = true;
    // Every dialog still open is cancelled, so that whatever waits for one goes on and finds the run over.
    cancelModals();
    DragController::instance().cancel();
    // Every screen closes without further events.
    const std::vector<Form*> open = run().loaded;
    for (Form* f : open) {
        if (QWidget* w = f->window()) w->blockSignals(true);
        f->Unload();
    }
    run().loaded.clear();
    if (run().onEnd) run().onEnd();
}

bool ended() { return run().ended; }

void setEndHandler(std::function<void()> handler) { run().onEnd = std::move(handler); }

int msSinceShow() {
    const QElapsedTimer& t = run().sinceShow;
    return t.isValid() ? int(std::min<qint64>(t.elapsed(), 1 << 30)) : 1 << 30;
}

int loadedCount() { return int(run().loaded.size()); }

void resetRun() {
    const std::vector<Form*> open = run().loaded;
    for (Form* f : open) f->Unload();
    run().loaded.clear();
    run().ended = run().ending = false;
    forgetSignals();
}

void initialise() {
    installFontSubstitutes();
    if (QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(new ScaledStyle(s));
    QApplication::setQuitOnLastWindowClosed(false);
    static DestroyedFromOutside watcher;
    qApp->installNativeEventFilter(&watcher);
    // Qt quitting by itself (the session closing, a quit from elsewhere) ends the run the one way.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &runEnding(), [] { End(); });
    installAccessibility();
}

} // namespace forms
