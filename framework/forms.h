#pragma once
// Screens ("forms"): one object for the whole run, whose window and controls exist only while it is loaded.
#include "framework/controls.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QDialog;

namespace forms {

enum class WindowStyle { Sizable, FixedDialog, BorderlessMaximised };
enum class StartPosition { CentreScreen, Fixed };

struct WindowDesign {
    WindowDesign() = default;
    WindowDesign(const QString& caption, WindowStyle style, int clientWidth, int clientHeight, BgrColor back)
        : caption(caption), style(style), clientWidth(clientWidth), clientHeight(clientHeight), back(back) {}
    QString caption;
    WindowStyle style = WindowStyle::Sizable;
    int clientWidth = 4800;  // twips
    int clientHeight = 3600; // twips
    BgrColor back = 0xE7E9EF;
    StartPosition position = StartPosition::CentreScreen;
    QPoint fixedClientOrigin; // twips from the screen's corner, for StartPosition::Fixed
};

class Form;

// The top-level window of a loaded screen. The design surface, its canvas, holds the controls.
class FormWindow : public QWidget {
public:
    FormWindow(Form* form, const WindowDesign& design);
    ~FormWindow() override;
    QWidget* canvas() const { return canvas_; }
    Form* form() const { return form_; }
    void place();
    // The canvas at the size of the design at the run's scale.
    void sizeCanvas();

    // Set while the window is being destroyed, when it can no longer be hidden or deleted.
    bool dying() const { return dying_; }
    // Forgets the screen, when the screen itself goes.
    void orphan() { form_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    Form* form_;
    bool dying_ = false;
    bool used_ = false; // the pupil has pressed a key or the mouse in it
    WindowDesign design_;
    QWidget* canvas_;
};

class Form {
public:
    explicit Form(const QString& name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return name_; }
    // Loads the screen if needed (building its controls in their design state, then Form_Load) and shows it.
    void Show();
    // Destroys the window and its controls; the screen object and its own variables live on.
    void Unload();
    bool loaded() const { return window_ != nullptr; }
    // Readies the screen out of sight, so that its first Show is as quick as the next ones: the controls
    // are built (and thrown away) at once, to learn which pictures the screen draws at which sizes, and
    // those are queued to be drawn in the background. The screen stays unloaded.
    void prepare();
    // Builds the screen out of sight in its design state, hands it to use (which may fill it as Form_Load
    // would) and throws the window away: what a screen would show, when it cannot be shown. A loaded screen
    // is handed over as it stands.
    void offstage(const std::function<void()>& use);
    FormWindow* window() const { return window_; }
    QWidget* canvas() const { return window_ ? window_->canvas() : nullptr; }
    // Closes the window as its close box does.
    void Close() { if (loaded()) closedByUser(); }
    // The window was destroyed from outside (not closed): the screen leaves as its close box would have it.
    void windowLost(FormWindow* w);
    // The caption shown in the title bar.
    QString Caption() const { return design().caption; }

protected:
    virtual WindowDesign design() const = 0;
    virtual void build() = 0;
    virtual void Form_Load() {}

    // Creates a control on the canvas (or in a frame) under the screen's own name for it.
    // Anything after the parent goes to the control's constructor.
    template <class T, class... Args> T* make(const QString& name, QWidget* parent = nullptr, Args&&... args) {
        made(); // the control made before this one is complete
        T* c = new T(parent ? parent : canvas(), std::forward<Args>(args)...);
        c->setObjectName(name);
        lastMade_ = c;
        return c;
    }
    template <class T> T* make(ControlArray<T>& array, const QString& name, int index, QWidget* parent = nullptr) {
        T* c = make<T>(QStringLiteral("%1(%2)").arg(name).arg(index), parent);
        array.set(index, c);
        return c;
    }
    Timer* makeTimer() { return new Timer(window_); }
    // The window's close box (or the window manager's close): unloads the screen.
    virtual void closedByUser() { Unload(); }
    // Tab order; the first control that can take the focus gets it when the screen opens.
    void tabOrder(const std::vector<QWidget*>& order);

private:
    friend class FormWindow;
    void hurryPictures();
    void made();
    // Builds the controls on the window in their design state, then Form_Load.
    void construct();
    // Builds the controls again, at the run's scale, on the window that stays; for a screen not yet used.
    void rebuild();
    void focusFirst(bool fresh);
    QString name_;
    bool opening_ = false;     // being built to show at once
    QPointer<QWidget> lastMade_; // the control being set up
    QPointer<FormWindow> window_;
    std::vector<QPointer<QWidget>> tabOrder_;
};

// The run: it ends when no screen is left loaded, or at once on End.
void End();
// Tells, once, that the run is ending, however it ends (Quit, the last screen closed, a signal, the session
// closing): connected handlers run while every screen is still loaded, before the first one closes.
class RunEnding : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    void ending();
};
RunEnding& runEnding();
// SIGTERM, SIGINT and SIGHUP end the run as End does, as soon as the event loop hears of them; a file
// being written is given up first, its temporary file removed and what it was to replace left whole.
void endOnSignals();
// True once a signal has asked for the end, even before the event loop has heard of it.
bool endRequested();
// Shows a dialog modal over its window and waits for the answer. A dialog destroyed from outside (its
// window, or only the window system's window), or still open when the run ends, comes back Rejected, as if
// cancelled, and the window under it answers again. Afterwards the dialog may be gone: hold it in a QPointer.
int runModal(QDialog* dialog);
bool ended();
void setEndHandler(std::function<void()> handler);
int loadedCount();
// How long ago a screen was last shown (a very large number before the first).
int msSinceShow();
// Drops the ended state and every loaded window; for tests that start a fresh run in one process.
void resetRun();

// Sets up what every screen relies on: font substitutes, the style, accessibility of the controls.
void initialise();

} // namespace forms
