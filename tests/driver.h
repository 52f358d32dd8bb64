#pragma once
// Drives the screens as a pupil does (clicks, picks, typing, ticks, drags, Alt+letter) and reads what a
// teacher checks (visible, enabled, text, colours, the record, the lights).
#include "app/wiring.h"

#include <QAccessible>
#include <QString>
#include <QtTest>
#include <memory>

namespace drv {

// The standard messages, as the pupil must read them.
extern const QString kInstruction, kSuccess, kFailure, kFailureTypo, kCorrection;

// A fresh run at scale 1, as on a 1024 x 768 display; End is recorded instead of leaving the process.
class Run {
public:
    Run();
    ~Run();
    App& app() { return *app_; }
    Navigation& nav() { return app_->nav; }
    Module1& record() { return app_->nav.record; }
    forms::ExerciseScreen& exercise(int n) { return app_->exercise(n); }
    bool ended() const;
    // Walks the start-up chain to the home screen with this identity.
    void toHome(const QString& nom = QStringLiteral("Dupont"), const QString& prenom = QStringLiteral("Marie"),
                const QString& classe = QStringLiteral("B"));
    // Ticks exercise N's box on the home screen, opening its screen.
    forms::ExerciseScreen& open(int n);

private:
    std::unique_ptr<App> app_;
};

// The tests' own settings files, the user's or the system's (a Run points the program at them).
QString settingsFile(bool system = false);
// Names the class folder in one of them, as a teacher writes it; a null folder removes the file.
void setClassFolder(const QString& folder, bool system = false);

// Lets queued work run, and pending deletions of unloaded windows happen.
void settle();

forms::Control* control(const forms::Form& f, const QString& name);
// The control a pupil names by what a screen reader says of it ("Validation", a caption, a box's title).
// A role tells apart a title and its box, which read the same.
forms::Control* named(const forms::Form& f, const QString& accessibleName, QAccessible::Role role = QAccessible::NoRole);
template <class T> T* get(const forms::Form& f, const QString& name) {
    auto* c = dynamic_cast<T*>(control(f, name));
    if (!c) qWarning("no control %s of the expected kind on %s", qPrintable(name), qPrintable(f.name()));
    return c;
}

// What a pupil does.
void click(const forms::Form& f, const QString& name, Qt::MouseButton b = Qt::LeftButton);
void pick(const forms::Form& f, const QString& comboName, const QString& item);
void type(const forms::Form& f, const QString& name, const QString& text); // key by key
void setText(const forms::Form& f, const QString& name, const QString& text); // a paste, for long texts
void tick(const forms::Form& f, const QString& checkName);
void key(const forms::Form& f, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier);
void alt(const forms::Form& f, char letter);
// Presses the left button on the source, moves across the window and releases over the target
// (at its centre, or at a point given in the target's pixels).
void drag(const forms::Form& f, const QString& source, const QString& target, QPoint at = QPoint(-1, -1));
// The same drag released at a point of the window's canvas.
void dragTo(const forms::Form& f, const QString& source, QPoint canvasPoint);

// What a teacher checks.
// The screen and the home screen as a validation leaves them: the message (the standard one for the outcome
// unless given), the tick or the cross, the buttons, Resultat(N) and the exercise's light.
void checkVerdict(Run& run, const forms::ExerciseScreen& ex, bool right, const QString& message = QString());
// No two controls of the screen share a name.
void checkNamesUnique(const forms::Form& f);
bool visible(const forms::Form& f, const QString& name);
bool enabled(const forms::Form& f, const QString& name);
QString text(const forms::Form& f, const QString& name); // caption of a label or button, text of a box or list
QStringList items(const forms::Form& f, const QString& list); // a list's items, in order
forms::BgrColor fill(const forms::Form& f, const QString& name);
forms::BgrColor foreColor(const forms::Form& f, const QString& name);
// The control that has the keyboard focus in the screen's window.
QWidget* focused(const forms::Form& f);
// With MORVELLE_SHOTS set to a folder, saves the screen there as NAME.png: the states only a pupil's mouse
// reaches, which the screenshot tool does not render, to look at.
void snapIfAsked(const forms::Form& f, const QString& name);

} // namespace drv
