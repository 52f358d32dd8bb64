// A restless pupil on a restless desktop, from the splash screen to the summary: clicks, ticks, picks,
// typing, pastes, drags between every source and target, keys, right answers now and then, printing, and
// windows and dialogs closed or destroyed from outside. After every step the record, the lights, the boxes
// and the summary must agree, and Qt must have warned of nothing.
//   MONKEY_SEED  the seed (printed at the start, so that a failure can be replayed)
//   MONKEY_STEPS how many steps in all, over as many runs as they take
#include "tests/driver.h"

#include <QDialog>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace forms;

namespace {

QStringList g_unexpected;
QtMessageHandler g_previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // The offscreen platform says what it cannot do for a window; that is no fault of ours.
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (type != QtDebugMsg && type != QtInfoMsg) g_unexpected << message;
    if (g_previousHandler) g_previousHandler(type, context, message);
}

const QString kDna = QStringLiteral("🧬");
const QStringList kOddTexts = {QStringLiteral("noyau"),   QStringLiteral("A"),
                               QStringLiteral("a"),       QStringLiteral("XY"),
                               QStringLiteral("  "),      QString(),
                               QStringLiteral("é\u0301"), QStringLiteral("a") + kDna.repeated(60),
                               QStringLiteral("O'Brien"), QStringLiteral("Ma/rie\\*?"),
                               QStringLiteral("שלום"),    QStringLiteral("%1 <b>&Q"),
                               QStringLiteral("\t\n")};
const QString kVeryLong(5000, QLatin1Char('x'));

// The screen a pupil sees on top: the last loaded one that is showing.
Form* topScreen(drv::Run& run) {
    std::vector<Form*> screens{&run.nav().presentation, &run.nav().info1,  &run.nav().id,
                               &run.nav().accueil,      &run.nav().auteur, &run.nav().bilan};
    for (int n = 1; n <= 20; ++n)
        screens.push_back(&run.exercise(n));
    Form* top = nullptr;
    for (Form* f : screens)
        if (f->loaded() && f->window()->isVisible()) top = f;
    return top;
}

// The controls of a kind that a pupil can reach on the screen (the controls are not QObjects of their own
// kind, so they are told apart by their C++ type).
template <class T> QList<T*> shown(const Form& f) {
    QList<T*> found;
    for (QWidget* w : f.window()->findChildren<QWidget*>())
        if (auto* c = dynamic_cast<T*>(w); c && w->isVisible() && w->isEnabled()) found << c;
    return found;
}

// What one run looks like from outside, to compare before and after a step.
struct Snapshot {
    std::array<int, 21> result{};
    std::array<bool, 21> answering{}; // open, with Validation still offered
};

Snapshot snapshot(drv::Run& run) {
    Snapshot s;
    s.result = run.record().Resultat;
    for (int n = 1; n <= 20; ++n) {
        const ExerciseScreen& ex = run.exercise(n);
        s.answering[std::size_t(n)] = ex.loaded() && ex.imgValidation && ex.imgValidation->Visible();
    }
    return s;
}

class Monkey {
  public:
    explicit Monkey(quint32 seed) : rng_(seed) {}
    int below(int n) { return int(rng_.bounded(n)); }
    bool chance(int oneIn) { return below(oneIn) == 0; }
    template <class T> const T& any(const QList<T>& l) { return l[below(int(l.size()))]; }

    void note(const QString& action) {
        trail_ << QStringLiteral("%1: %2").arg(steps).arg(action);
        if (trail_.size() > 15) trail_.removeFirst();
    }
    QString trail() const { return trail_.join(QLatin1Char('\n')); }

    // Where the summary prints: a PDF in a temporary folder, or no printer at all; and where it saves.
    void arm(frmBilan& summary) {
        summary.printer = [this](const Page& page) {
            if (chance(3)) return false;
            QString why;
            if (!savePdf(page, dir_.filePath(QStringLiteral("imprime.pdf")), &why)) {
                g_unexpected << QStringLiteral("printing to a PDF failed: ") + why;
                return false;
            }
            ++printed;
            return true;
        };
        summary.choosePdfFile = [this](QWidget*, const QString& proposed) {
            const QString name = QFileInfo(proposed).fileName();
            if (name.contains(QChar::ReplacementCharacter) || name.toUtf8().size() > 255)
                g_unexpected << QStringLiteral("a broken file name was proposed: ") + name;
            return chance(4) ? QString() : dir_.filePath(name);
        };
    }

    // A dialog the summary opened: answered with one of its buttons, or closed from outside.
    void answerDialog() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (dialog->objectName() == QLatin1String("msgEnregistrement"))
            g_unexpected << QStringLiteral("saving in a temporary folder failed");
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box && !chance(3)) {
            const auto buttons = box->buttons();
            any(buttons)->click();
            ++dialogsAnswered;
        } else {
            dialog->close();
            ++dialogsClosedFromOutside;
        }
    }

    void act(drv::Run& run, Form& top);

    int steps = 0, runs = 0, inExercises = 0, onSummary = 0, validations = 0, successes = 0, drags = 0,
        printed = 0, desktop = 0;
    int dialogsAnswered = 0, dialogsClosedFromOutside = 0;

  private:
    void desktopActs(drv::Run& run, Form& top);
    bool answerRight(drv::Run& run, ExerciseScreen& ex);
    void drag(Form& top);
    void pressKeys(Form& top);
    void useControl(Form& top);
    void enterText(Form& top, const QString& name);

    QRandomGenerator rng_;
    QTemporaryDir dir_;
    QStringList trail_;
};

void Monkey::act(drv::Run& run, Form& top) {
    const int roll = below(100);
    auto* ex = dynamic_cast<ExerciseScreen*>(&top);
    if (top.name().startsWith(QLatin1String("Exercice"))) ++inExercises;
    if (&top == &run.nav().bilan) ++onSummary;
    if (roll < 2)
        desktopActs(run, top);
    else if (roll < 10 && ex && ex->imgValidation && ex->imgValidation->Visible() && answerRight(run, *ex))
        return;
    else if (roll < 20)
        pressKeys(top);
    else if (roll < 35)
        drag(top);
    else
        useControl(top);
}

void Monkey::desktopActs(drv::Run& run, Form& top) {
    ++desktop;
    Form& home = run.nav().accueil;
    switch (below(4)) {
    case 0:
        note(QStringLiteral("%1 closed from outside").arg(top.name()));
        top.window()->close();
        break;
    case 1:
        note(QStringLiteral("%1 destroyed from outside").arg(top.name()));
        delete top.window();
        break;
    case 2:
        note(QStringLiteral("native window of %1 destroyed").arg(top.name()));
        if (QWindow* w = top.window()->windowHandle()) w->destroy();
        break;
    default:
        // Alt+Tab to the home screen under an exercise, then Alt+F4 there.
        if (!home.loaded()) return;
        note(QStringLiteral("home screen closed from outside over %1").arg(top.name()));
        home.window()->close();
        break;
    }
}

bool Monkey::answerRight(drv::Run& run, ExerciseScreen& ex) {
    if (!ex.enterRightAnswers()) return false;
    const int n = ex.info().number;
    note(QStringLiteral("right answers on %1").arg(ex.name()));
    if (chance(4)) return true; // and then anything else may happen to them
    drv::click(ex, QStringLiteral("imgValidation"));
    if (run.record().Resultat[n] != 1)
        g_unexpected << ex.name() + QStringLiteral(" judged its right answers wrong");
    return true;
}

void Monkey::drag(Form& top) {
    QList<Picture*> sources;
    for (Picture* p : shown<Picture>(top))
        if (p->dragAutomatic()) sources << p;
    if (sources.isEmpty()) return useControl(top);
    QList<QWidget*> targets;
    for (QWidget* w : shown<QWidget>(top))
        if (Control* c = controlOf(w); c && c->widget() == w && c->onDragDrop) targets << w;
    const QString source = any(sources)->objectName();
    ++drags;
    if (targets.isEmpty() || chance(4)) {
        const QSize s = top.canvas()->size();
        const QPoint at(below(s.width()), below(s.height()));
        note(QStringLiteral("drag %1 to %2,%3").arg(source).arg(at.x()).arg(at.y()));
        drv::dragTo(top, source, at);
    } else {
        const QString target = any(targets)->objectName();
        note(QStringLiteral("drag %1 onto %2").arg(source, target));
        drv::drag(top, source, target);
    }
}

void Monkey::pressKeys(Form& top) {
    static const QList<Qt::Key> keys = {Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return,
                                        Qt::Key_Escape, Qt::Key_Down,    Qt::Key_Up,    Qt::Key_Backspace,
                                        Qt::Key_Delete, Qt::Key_End,     Qt::Key_F4};
    if (chance(3)) {
        const char letter = "LSQLSQAZ"[below(8)];
        note(QStringLiteral("Alt+%1 on %2").arg(letter).arg(top.name()));
        drv::alt(top, letter);
    } else {
        const Qt::Key k = any(keys);
        note(QStringLiteral("key %1 on %2").arg(int(k), 0, 16).arg(top.name()));
        drv::key(top, k);
    }
}

void Monkey::enterText(Form& top, const QString& name) {
    const int how = below(6);
    const QString text = how == 5 ? kVeryLong : any(kOddTexts);
    note(QStringLiteral("%1 %2 chars into %3")
             .arg(QLatin1String(how < 3 ? "type" : "paste"))
             .arg(text.size())
             .arg(name));
    if (how < 3)
        drv::type(top, name, text);
    else
        drv::setText(top, name, text);
}

void Monkey::useControl(Form& top) {
    // Controls that do something are far likelier to be used than labels, shapes and lines.
    QList<Control*> pool;
    for (QWidget* w : shown<QWidget>(top)) {
        Control* c = controlOf(w);
        if (!c || c->widget() != w || dynamic_cast<Frame*>(c)) continue;
        int weight = 1;
        if (c->windowed())
            weight = 20;
        else if (auto* p = dynamic_cast<Picture*>(c); p && (p->reactsToMouse() || p->dragAutomatic()))
            weight = 12;
        else if (auto* l = dynamic_cast<Label*>(c); l && l->reactsToMouse())
            weight = 8;
        for (int i = 0; i < weight; ++i)
            pool << c;
    }
    if (pool.isEmpty()) return;
    Control* c = any(pool);
    const QString name = c->widget()->objectName();
    if (auto* cb = dynamic_cast<ComboBox*>(c)) {
        if (cb->count() > 0 && !chance(3)) {
            const QString item = cb->itemText(below(cb->count()));
            note(QStringLiteral("pick %1 in %2").arg(item, name));
            drv::pick(top, name, item);
        } else if (cb->isEditable()) {
            enterText(top, name);
        } else {
            note(QStringLiteral("click %1").arg(name));
            drv::click(top, name);
        }
    } else if (dynamic_cast<TextBox*>(c)) {
        enterText(top, name);
    } else if (dynamic_cast<CheckBox*>(c)) {
        note(QStringLiteral("tick %1").arg(name));
        drv::tick(top, name);
    } else {
        const bool right = chance(6);
        note(QStringLiteral("%1 click %2 on %3")
                 .arg(QLatin1String(right ? "right" : "left"), name, top.name()));
        drv::click(top, name, right ? Qt::RightButton : Qt::LeftButton);
    }
}

// What must hold after every step. validated[n]: exercise n went through Validation in this run.
void checkInvariants(drv::Run& run, const Snapshot& before, std::array<bool, 21>& validated, Monkey& m) {
    const frmAccueil& home = run.nav().accueil;
    const Module1& record = run.record();
    for (int n = 1; n <= 20; ++n) {
        const std::size_t i = std::size_t(n);
        const ExerciseScreen& ex = run.exercise(n);
        const int r = record.Resultat[i];
        QVERIFY2(r == 0 || r == 1, qPrintable(QStringLiteral("Resultat(%1) = %2").arg(n).arg(r)));
        const bool justValidated = before.answering[i] && ex.loaded() && !ex.imgValidation->Visible();
        if (justValidated) {
            validated[i] = true;
            ++m.validations;
            if (r == 1) ++m.successes;
        }
        QVERIFY2(r == before.result[i] || justValidated,
                 qPrintable(QStringLiteral("Resultat(%1) changed without its Validation").arg(n)));
        if (!home.loaded()) continue;
        const bool green = home.imgFeuvert[n - 1]->Visible(), red = home.imgFeurouge[n - 1]->Visible();
        QVERIFY2(green == (validated[i] && r == 1) && red == (validated[i] && r == 0),
                 qPrintable(QStringLiteral("lights of exercise %1 disagree with its result").arg(n)));
        const CheckBox* box = home.chkExo[i];
        const bool taken = box->Value() == 1 && !box->isEnabled();
        const bool available = box->Value() == 0 && box->isEnabled();
        QVERIFY2(taken == (ex.loaded() || validated[i]) && (taken || available),
                 qPrintable(QStringLiteral("box %1 is wrong for its exercise").arg(n)));
        QCOMPARE(home.lblExo[i]->isEnabled(), available);
    }
    const frmBilan& summary = run.nav().bilan;
    if (summary.loaded()) {
        int t = 0;
        for (int k = 1; k <= 20; ++k) {
            QVERIFY2(!run.exercise(k).loaded(), "an exercise is open beside the summary");
            const int r = record.Resultat[std::size_t(k)];
            t += r;
            QCOMPARE(summary.lbl[std::size_t(k)]->Caption(),
                     r ? QStringLiteral("Réussite") : QStringLiteral("Echec"));
        }
        QCOMPARE(summary.lblScore->Caption(), QStringLiteral("%1 %").arg(5 * t));
        QCOMPARE(summary.lblNote->Caption(), QStringLiteral("%1/20").arg(t));
    }
    if (!run.ended()) QVERIFY2(topScreen(run), "the run goes on with no window showing");
    QVERIFY2(g_unexpected.isEmpty(), qPrintable(g_unexpected.join(QLatin1Char('\n'))));
}

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
  private slots:
    void anySequenceOfActions();
};

void TestMonkey::anySequenceOfActions() {
    const quint32 seed = quint32(fromEnvironment("MONKEY_SEED", 20261210));
    const int steps = fromEnvironment("MONKEY_STEPS", 3000);
    qInfo("seed %u, %d steps", seed, steps);
    Monkey m(seed);
    g_unexpected.clear();
    g_previousHandler = qInstallMessageHandler(recordWarnings);
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [&m] { m.answerDialog(); });
    answerer.start(15);
    bool failed = false;
    while (m.steps < steps && !failed) {
        drv::Run run;
        ++m.runs;
        m.arm(run.nav().bilan);
        run.app().start();
        std::array<bool, 21> validated{};
        for (; m.steps < steps && !run.ended() && !failed; ++m.steps) {
            Form* top = topScreen(run);
            QVERIFY2(top, "the run goes on with no window showing");
            const Snapshot before = snapshot(run);
            m.act(run, *top);
            drv::settle();
            if (!QTest::currentTestFailed()) checkInvariants(run, before, validated, m);
            failed = QTest::currentTestFailed();
        }
    }
    qInstallMessageHandler(g_previousHandler);
    if (failed) qInfo("seed %u, the last steps:\n%s", seed, qPrintable(m.trail()));
    qInfo("%d runs, %d steps (%d in exercises, %d on the summary), %d validations (%d right), %d drags, %d "
          "pages printed, %d desktop acts, "
          "%d dialogs answered and %d closed from outside",
          m.runs, m.steps, m.inExercises, m.onSummary, m.validations, m.successes, m.drags, m.printed,
          m.desktop, m.dialogsAnswered, m.dialogsClosedFromOutside);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
