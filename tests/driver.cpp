#include "tests/driver.h"

#include "framework/forms.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

using namespace forms;

namespace drv {

const QString kInstruction = QStringLiteral("Réponds aux questions posées puis clique sur Validation.");
const QString kSuccess = QStringLiteral("Tu as réussi cet exercice, clique sur Continuer pour passer à la suite.");
const QString kFailure = QStringLiteral(
    "Tu as commis des erreurs. Si tu désires voir la correction de cet exercice, clique sur Correction. "
    "Sinon clique sur Continuer pour passer à la suite.");
const QString kFailureTypo = QStringLiteral(
    "Tu as commis des erreurs. Si tu désires voir la corrcetion de cet exercice, clique sur Correction. "
    "Sinon clique sur Continuer pour passer à la suite.");
const QString kCorrection = QStringLiteral("Regarde la correction puis clique sur Continuer pour passer à la suite.");

namespace {
bool g_ended = false;

// The settings the tests run with: folders of their own, empty until a test writes there, for the tests
// and for any program they start; never the settings of the machine the tests run on.
struct OwnSettings {
    OwnSettings() {
        QDir(dir.path()).mkpath(QStringLiteral("user/morvelle3"));
        QDir(dir.path()).mkpath(QStringLiteral("system/morvelle3"));
        for (const bool system : {false, true}) {
            const QString base = dir.filePath(system ? QStringLiteral("system") : QStringLiteral("user"));
            qputenv(system ? "XDG_CONFIG_DIRS" : "XDG_CONFIG_HOME", QFile::encodeName(base));
            QSettings::setPath(QSettings::NativeFormat,
                               system ? QSettings::SystemScope : QSettings::UserScope, base);
        }
    }
    QTemporaryDir dir;
};
OwnSettings& ownSettings() {
    static OwnSettings s;
    return s;
}

QWidget* widgetOf(const Form& f, const QString& name) {
    Control* c = control(f, name);
    return c ? c->widget() : nullptr;
}

} // namespace

QString settingsFile(bool system) {
    return ownSettings().dir.filePath(system ? QStringLiteral("system/morvelle3/morvelle3.conf")
                                             : QStringLiteral("user/morvelle3/morvelle3.conf"));
}

void setClassFolder(const QString& folder, bool system) {
    const QString path = settingsFile(system);
    QFile::remove(path);
    if (folder.isNull()) return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write("[classe]\ndossier=" + folder.toUtf8() + "\n");
    // Qt reads a settings file again only when its size or time changed: each file written here gets a
    // time of its own, so that two of the same size written within a millisecond are told apart.
    f.flush();
    static int written = 0;
    f.setFileTime(QDateTime::currentDateTime().addSecs(-3600 + ++written), QFileDevice::FileModificationTime);
}

Run::Run() {
    ownSettings();
    static const bool initialised = [] {
        initialiseProgram();
        return true;
    }();
    Q_UNUSED(initialised);
    resetRun();
    setDisplay(QRect(0, 0, 1024, 768));
    g_ended = false;
    setEndHandler([] { g_ended = true; });
    app_ = std::make_unique<App>();
}

Run::~Run() {
    resetRun();
    app_.reset();
    settle();
}

bool Run::ended() const { return g_ended; }

void Run::toHome(const QString& nom, const QString& prenom, const QString& classe) {
    app_->start();
    click(nav().presentation, "Image1");
    click(nav().info1, "cmdOK");
    setText(nav().id, "txtNom", nom);
    setText(nav().id, "txtPrenom", prenom);
    setText(nav().id, "txtClasse", classe);
    click(nav().id, "Command1");
    settle();
}

ExerciseScreen& Run::open(int n) {
    tick(nav().accueil, QStringLiteral("chkExo%1").arg(n));
    return exercise(n);
}

void settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

Control* control(const Form& f, const QString& name) {
    if (!f.window()) return nullptr;
    const auto all = f.window()->findChildren<QWidget*>(name);
    for (QWidget* w : all)
        if (auto* c = dynamic_cast<Control*>(w)) return c;
    return nullptr;
}

// Where a pupil's click at a point of the window lands: on the topmost control that takes the mouse there,
// so a hidden control is never clicked and a control underneath it is.
static void clickAt(const Form& f, QWidget* w, QPoint local, Qt::MouseButton b) {
    QWidget* window = f.window();
    const QPoint p = w->mapTo(window, local);
    QWidget* hit = window->childAt(p);
    if (!hit) hit = window;
    QTest::mouseClick(hit, b, Qt::NoModifier, hit->mapFrom(window, p));
    settle();
}

Control* named(const Form& f, const QString& accessibleName, QAccessible::Role role) {
    if (!f.window()) return nullptr;
    for (QWidget* w : f.window()->findChildren<QWidget*>()) {
        auto* c = dynamic_cast<Control*>(w);
        QAccessibleInterface* a = c ? QAccessible::queryAccessibleInterface(w) : nullptr;
        if (a && a->text(QAccessible::Name) == accessibleName && (role == QAccessible::NoRole || a->role() == role))
            return c;
    }
    return nullptr;
}

void click(const Form& f, const QString& name, Qt::MouseButton b) {
    QWidget* w = widgetOf(f, name);
    QVERIFY2(w, qPrintable(name));
    clickAt(f, w, w->rect().center(), b);
}

void pick(const Form& f, const QString& comboName, const QString& item) {
    auto* cb = get<ComboBox>(f, comboName);
    QVERIFY2(cb, qPrintable(comboName));
    const int i = cb->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(i >= 0, qPrintable(item));
    if (!cb->isEnabled() || !cb->isVisible()) return; // out of the pupil's reach
    // As the pupil's choice in the open list: the item becomes current, then the list reports it.
    cb->setCurrentIndex(i);
    emit cb->activated(i);
    settle();
}

void type(const Form& f, const QString& name, const QString& text) {
    QWidget* w = widgetOf(f, name);
    QVERIFY2(w, qPrintable(name));
    if (auto* cb = dynamic_cast<ComboBox*>(w); cb && cb->lineEdit()) w = cb->lineEdit();
    w->setFocus();
    for (const QChar ch : text) {
        if (ch.unicode() > 32 && ch.unicode() < 127) QTest::keyClick(w, char(ch.unicode()));
        else QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    settle();
}

void setText(const Form& f, const QString& name, const QString& text) {
    Control* c = control(f, name);
    QVERIFY2(c, qPrintable(name));
    if (auto* t = dynamic_cast<TextBox*>(c)) t->setText(text);
    else if (auto* cb = dynamic_cast<ComboBox*>(c)) cb->setTextValue(text);
    else QFAIL("not a text field");
}

void tick(const Form& f, const QString& checkName) {
    auto* cb = get<CheckBox>(f, checkName);
    QVERIFY2(cb, qPrintable(checkName));
    // The box with no caption: a click on its square.
    clickAt(f, cb, QPoint(7, cb->height() / 2), Qt::LeftButton);
}

void key(const Form& f, Qt::Key k, Qt::KeyboardModifiers m) {
    QWidget* target = f.window() ? f.window()->focusWidget() : nullptr;
    if (!target) target = f.window();
    QTest::keyClick(target, k, m);
    settle();
}

void alt(const Form& f, char letter) {
    key(f, Qt::Key(Qt::Key_A + (QChar::toUpper(uint(letter)) - 'A')), Qt::AltModifier);
}

void dragTo(const Form& f, const QString& source, QPoint canvasPoint) {
    QWidget* src = widgetOf(f, source);
    QVERIFY2(src, qPrintable(source));
    QWidget* window = f.window();
    const QPoint target = f.canvas()->mapTo(window, canvasPoint);
    const QPoint start = src->rect().center();
    QTest::mousePress(src, Qt::LeftButton, Qt::NoModifier, start);
    // Moves arrive at the source, which holds the mouse while the button is down.
    const QPoint startInWindow = src->mapTo(window, start);
    for (int step = 1; step <= 4; ++step) {
        const QPoint p = startInWindow + (target - startInWindow) * step / 4;
        QTest::mouseMove(src, src->mapFrom(window, p));
    }
    QTest::mouseRelease(src, Qt::LeftButton, Qt::NoModifier, src->mapFrom(window, target));
    settle();
}

void drag(const Form& f, const QString& source, const QString& target, QPoint at) {
    QWidget* t = widgetOf(f, target);
    QVERIFY2(t, qPrintable(target));
    const QPoint p = at.x() < 0 ? t->rect().center() : at;
    dragTo(f, source, t->mapTo(f.canvas(), p));
}

void checkVerdict(Run& run, const ExerciseScreen& ex, bool right, const QString& message) {
    const int n = ex.info().number;
    QCOMPARE(text(ex, "lblInfo"), !message.isEmpty() ? message : right ? kSuccess : kFailure);
    QCOMPARE(visible(ex, "imgBon"), right);
    QCOMPARE(visible(ex, "imgfaux"), !right);
    QCOMPARE(visible(ex, "imgCorrection"), !right);
    QVERIFY(visible(ex, "imgContinuer"));
    QVERIFY(!visible(ex, "imgValidation"));
    QVERIFY(!visible(ex, "imgAbandon"));
    QCOMPARE(run.record().Resultat[n], right ? 1 : 0);
    const Form& home = run.nav().accueil;
    QCOMPARE(visible(home, QStringLiteral("imgFeuvert(%1)").arg(n - 1)), right);
    QCOMPARE(visible(home, QStringLiteral("imgFeurouge(%1)").arg(n - 1)), !right);
}

void checkNamesUnique(const Form& f) {
    QStringList names;
    for (QWidget* w : f.window()->findChildren<QWidget*>())
        if (dynamic_cast<Control*>(w)) names << w->objectName();
    const QStringList all = names;
    names.removeDuplicates();
    if (names.size() != all.size()) {
        for (const QString& n : names)
            if (all.count(n) > 1) qWarning("%s: %s stands twice", qPrintable(f.name()), qPrintable(n));
    }
    QCOMPARE(names.size(), all.size());
}

bool visible(const Form& f, const QString& name) {
    Control* c = control(f, name);
    return c && c->Visible() && f.window() && f.window()->isVisible();
}

bool enabled(const Form& f, const QString& name) {
    Control* c = control(f, name);
    return c && c->Enabled();
}

QStringList items(const Form& f, const QString& list) {
    QStringList out;
    if (auto* cb = get<ComboBox>(f, list))
        for (int i = 0; i < cb->ListCount(); ++i)
            out << cb->List(i);
    return out;
}

QString text(const Form& f, const QString& name) {
    Control* c = control(f, name);
    if (auto* l = dynamic_cast<Label*>(c)) return l->Caption();
    if (auto* t = dynamic_cast<TextBox*>(c)) return t->Text();
    if (auto* cb = dynamic_cast<ComboBox*>(c)) return cb->Text();
    if (auto* b = dynamic_cast<CommandButton*>(c)) return b->text();
    if (auto* k = dynamic_cast<CheckBox*>(c)) return k->text();
    return QString();
}

BgrColor fill(const Form& f, const QString& name) {
    auto* s = get<Shape>(f, name);
    return s ? s->FillColor() : 0xFFFFFFFFu;
}

BgrColor foreColor(const Form& f, const QString& name) {
    auto* l = get<Label>(f, name);
    return l ? l->ForeColor() : 0xFFFFFFFFu;
}

QWidget* focused(const Form& f) { return f.window() ? f.window()->focusWidget() : nullptr; }

void snapIfAsked(const Form& f, const QString& name) {
    const QString dir = qEnvironmentVariable("MORVELLE_SHOTS");
    if (dir.isEmpty() || !f.window()) return;
    QDir().mkpath(dir);
    f.window()->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace drv
