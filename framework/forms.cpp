#include "framework/forms.h"

#include "framework/dragdrop.h"
#include "framework/style.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>

namespace forms {

void installAccessibility(); // accessibility.cpp

namespace {

struct Run {
    std::vector<Form*> loaded;
    bool ended = false;
    bool endCheckPending = false;
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
    canvas_->resize(pxRect(0, 0, design.clientWidth, design.clientHeight).size());
}

void FormWindow::place() {
    const QRect screen = display();
    const QSize client = canvas_->size();
    switch (design_.style) {
    case WindowStyle::BorderlessMaximised:
        // Placed by the program itself, so it is right also where no window manager maximises it.
        setGeometry(screen);
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
    delete window_.data();
}

void Form::Show() {
    if (run().ended) return;
    if (!window_) {
        window_ = new FormWindow(this, design());
        run().loaded.push_back(this);
        build();
        stackControls(window_->canvas());
        Form_Load();
        if (!window_) return; // Form_Load may unload its own screen
        window_->place();
    }
    // A window shown for the first time comes up on top; one already showing is brought forward.
    if (window_->isVisible()) window_->raise();
    window_->show();
    window_->activateWindow();
    for (const auto& w : tabOrder_) {
        if (w && w->isEnabled() && w->isVisibleTo(window_) && w->focusPolicy() != Qt::NoFocus) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

std::vector<std::function<bool()>> Form::preparation() {
    std::vector<std::function<bool()>> steps;
    if (window_ || run().ended) return steps;
    window_ = new FormWindow(this, design());
    build();
    for (QWidget* w : window_->findChildren<QWidget*>())
        if (auto* p = dynamic_cast<Picture*>(w))
            if (auto step = p->preparation()) steps.push_back(std::move(step));
    delete window_.data();
    window_ = nullptr;
    tabOrder_.clear();
    return steps;
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
    w->hide();
    // The handler that asked for the unload may still be running inside this window.
    w->deleteLater();
    scheduleEndCheck();
}

void Form::tabOrder(const std::vector<QWidget*>& order) {
    tabOrder_.assign(order.begin(), order.end());
    QWidget* prev = nullptr;
    for (QWidget* w : order) {
        if (prev && w) QWidget::setTabOrder(prev, w);
        if (w) prev = w;
    }
}

bool Form::PrintClientArea(QPagedPaintDevice* device) const {
    if (!window_ || !device) return false;
    QWidget* c = window_->canvas();
    QPainter painter;
    if (!painter.begin(device)) return false;
    const QRect page = painter.viewport();
    const double k = std::min(double(page.width()) / c->width(), double(page.height()) / c->height());
    painter.translate(page.x() + (page.width() - c->width() * k) / 2, page.y() + (page.height() - c->height() * k) / 2);
    painter.scale(k, k);
    c->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

// ---------------------------------------------------------------- the run

void End() {
    if (run().ended) return;
    run().ended = true;
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

int loadedCount() { return int(run().loaded.size()); }

void resetRun() {
    const std::vector<Form*> open = run().loaded;
    for (Form* f : open) f->Unload();
    run().loaded.clear();
    run().ended = false;
}

void initialise() {
    installFontSubstitutes();
    if (QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(new ScaledStyle(s));
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
}

} // namespace forms
