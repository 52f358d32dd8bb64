// A pupil who clicks, ticks, picks, types, drags and presses keys anywhere, in any order: nothing may crash,
// hang or record anything but a result of 0 or 1, and each exercise's light must agree with its result.
#include "tests/driver.h"

#include <QDialog>
#include <QRandomGenerator>

using namespace forms;

namespace {

const QString kOddTexts[] = {QStringLiteral("noyau"), QStringLiteral("A"), QStringLiteral("a"),
                             QStringLiteral("masculin"), QStringLiteral("  "), QStringLiteral("🧬é\u0301"),
                             QString(5000, QLatin1Char('x'))};

// The screen a pupil sees on top: the last loaded one that is showing.
Form* topScreen(drv::Run& run) {
    std::vector<Form*> screens{&run.nav().presentation, &run.nav().info1, &run.nav().id, &run.nav().accueil,
                               &run.nav().auteur, &run.nav().bilan};
    Form* top = nullptr;
    for (Form* f : screens)
        if (f->loaded() && f->window()->isVisible()) top = f;
    for (int n = 1; n <= 20; ++n)
        if (run.exercise(n).loaded() && run.exercise(n).window()->isVisible()) top = &run.exercise(n);
    return top;
}

void act(Form& f, QRandomGenerator& rng) {
    QList<Control*> controls;
    for (QWidget* w : f.window()->findChildren<QWidget*>())
        if (auto* c = dynamic_cast<Control*>(w); c && w->isVisible() && w->isEnabled()) controls << c;
    if (controls.isEmpty()) return;
    Control* c = controls[int(rng.bounded(controls.size()))];
    const QString name = c->widget()->objectName();
    switch (rng.bounded(7)) {
    case 0:
    case 1: drv::click(f, name, rng.bounded(4) == 0 ? Qt::RightButton : Qt::LeftButton); break;
    case 2:
        if (auto* cb = dynamic_cast<ComboBox*>(c); cb && cb->count() > 0)
            drv::pick(f, name, cb->itemText(int(rng.bounded(cb->count()))));
        else if (dynamic_cast<CheckBox*>(c)) drv::tick(f, name);
        break;
    case 3:
        if (dynamic_cast<TextBox*>(c) || (dynamic_cast<ComboBox*>(c) && static_cast<ComboBox*>(c)->isEditable()))
            drv::setText(f, name, kOddTexts[rng.bounded(int(std::size(kOddTexts)))]);
        break;
    case 4: {
        const QSize s = f.canvas()->size();
        if (auto* p = dynamic_cast<Picture*>(c); p && p->dragAutomatic())
            drv::dragTo(f, name, QPoint(int(rng.bounded(s.width())), int(rng.bounded(s.height()))));
        break;
    }
    case 5: {
        static const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Down};
        drv::key(f, keys[rng.bounded(int(std::size(keys)))]);
        break;
    }
    default: drv::alt(f, "LSQ"[rng.bounded(3)]); break;
    }
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void anySequenceOfActions();
};

void TestMonkey::anySequenceOfActions() {
    QRandomGenerator rng(20261210);
    // The summary's print button may open its message about the printer: the pupil answers it at once.
    QTimer answerer;
    connect(&answerer, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) d->reject();
    });
    answerer.start(20);
    int runs = 0, steps = 0, opened = 0, summaries = 0;
    while (steps < 6000) {
        drv::Run run;
        ++runs;
        run.toHome();
        for (int i = 0; i < 300 && !run.ended(); ++i, ++steps) {
            Form* top = topScreen(run);
            if (!top) break;
            if (dynamic_cast<ExerciseScreen*>(top)) ++opened;
            if (top == &run.nav().bilan) ++summaries;
            act(*top, rng);
            // Now and then the window on top is closed from outside.
            if (rng.bounded(60) == 0 && (top = topScreen(run))) {
                top->window()->close();
                drv::settle();
            }
            for (int n = 1; n <= 20; ++n) {
                const int r = run.record().Resultat[n];
                QVERIFY(r == 0 || r == 1);
                const Form& home = run.nav().accueil;
                if (home.loaded() && r == 1) QVERIFY(drv::visible(home, QStringLiteral("imgFeuvert(%1)").arg(n - 1)));
            }
        }
    }
    qInfo("%d runs, %d steps, %d in exercises, %d on the summary", runs, steps, opened, summaries);
    QVERIFY(runs >= 1);
}

QTEST_MAIN(TestMonkey)
#include "test_monkey.moc"
