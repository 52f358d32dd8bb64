// The screens away from 1024 x 768: in the area a compositor gives a maximised screen, and at scales where
// rounding the fonts to the pixel would let a caption run on past where it ends at scale 1.
#include "tests/driver.h"

#include <QMap>
#include <QtMath>

using namespace forms;

namespace {

const double kScales[] = {1.04, 1.25, 1.5, 2.0};

// Every state of the screens in which labels show: the start-up chain, the home screen, its about box,
// the summary with nothing validated (every notion to revise listed), and each exercise in its design
// state and with its correction shown.
QStringList screenStates() {
    QStringList s = {"frmPresentation", "frmInfo1", "frmId", "frmAccueil", "frmAuteur", "frmBilan"};
    for (int n = 1; n <= 20; ++n)
        s << QStringLiteral("Exercice%1").arg(n) << QStringLiteral("Exercice%1 corrigé").arg(n);
    return s;
}

Form& show(drv::Run& run, const QString& state) {
    Navigation& nav = run.nav();
    if (state == "frmPresentation") {
        nav.presentation.Show();
        nav.presentation.Timer1_Timer(); // the invitation to go on, shown after a moment
        return nav.presentation;
    }
    if (state == "frmInfo1") {
        nav.info1.Show();
        return nav.info1;
    }
    if (state == "frmId") {
        nav.id.Show();
        return nav.id;
    }
    run.toHome();
    if (state == "frmAccueil") return nav.accueil;
    if (state == "frmAuteur") {
        nav.auteur.Show();
        return nav.auteur;
    }
    if (state == "frmBilan") {
        nav.accueil.cmdQuitter_Click();
        drv::settle();
        return nav.bilan;
    }
    const int n = state.mid(8).section(' ', 0, 0).toInt();
    ExerciseScreen& ex = run.open(n);
    if (state.endsWith(QStringLiteral("corrigé"))) {
        ex.enterWrongAnswers();
        ex.imgValidation_Click();
        ex.imgCorrection_Click();
    }
    return ex;
}

// Where each showing caption's text stands on the canvas, by label.
QMap<QString, QRect> captions(const Form& f) {
    QMap<QString, QRect> m;
    for (QWidget* w : f.canvas()->findChildren<QWidget*>()) {
        const auto* l = dynamic_cast<const Label*>(w);
        if (!l || !l->isVisibleTo(f.window()) || l->Caption().isEmpty()) continue;
        const QRect r = l->captionRect();
        m.insert(l->objectName(), QRect(l->mapTo(f.canvas(), r.topLeft()), r.size()));
    }
    return m;
}

QMap<QString, QRect> captionsAt(double s, const QString& state) {
    drv::Run run;
    setDisplay(QRect(0, 0, qCeil(1024 * s), qCeil(768 * s)));
    setScale(s);
    Form& f = show(run, state);
    drv::settle();
    return captions(f);
}

// Every part of the screen the pupil needs, on the canvas: its controls except those a design hides.
void checkWhole(const Form& f) {
    const QRect window = f.window()->rect();
    for (QWidget* w : f.canvas()->findChildren<QWidget*>()) {
        const Control* c = controlOf(w);
        if (!c || c->widget() != w || !w->isVisibleTo(f.window())) continue;
        const QRect r(w->mapTo(f.window(), QPoint(0, 0)), w->size());
        QVERIFY2(window.contains(r), qPrintable(QStringLiteral("%1 of %2 at %3,%4 %5x%6 in %7x%8")
                                                    .arg(w->objectName(), f.name())
                                                    .arg(r.x())
                                                    .arg(r.y())
                                                    .arg(r.width())
                                                    .arg(r.height())
                                                    .arg(window.width())
                                                    .arg(window.height())));
    }
}

} // namespace

class TestScale : public QObject {
    Q_OBJECT
private slots:
    void captionsKeepTheirRoom_data();
    void captionsKeepTheirRoom();
    void maximisedScreensFitTheAreaGiven_data();
    void maximisedScreensFitTheAreaGiven();
    void aScreenInUseKeepsItsControls();
};

void TestScale::captionsKeepTheirRoom_data() {
    QTest::addColumn<QString>("state");
    for (const QString& s : screenStates())
        QTest::newRow(qPrintable(s)) << s;
}

void TestScale::captionsKeepTheirRoom() {
    // Fonts and boxes scale together: a caption stands, at any scale, within the room it takes at scale 1,
    // scaled, and so runs into no list, text box or label it keeps clear of at scale 1. A pixel of slack
    // on each side is the rounding of the boxes' edges.
    QFETCH(QString, state);
    const QMap<QString, QRect> atOne = captionsAt(1.0, state);
    QVERIFY(!atOne.isEmpty());
    for (double s : kScales) {
        const QMap<QString, QRect> scaled = captionsAt(s, state);
        QCOMPARE(scaled.keys(), atOne.keys());
        for (auto it = atOne.cbegin(); it != atOne.cend(); ++it) {
            const QRectF room = QRectF(it->x() * s, it->y() * s, it->width() * s, it->height() * s)
                                    .adjusted(-1.5, -1.5, 1.5, 1.5);
            const QRect r = scaled.value(it.key());
            QVERIFY2(room.contains(QRectF(r)),
                     qPrintable(QStringLiteral("%1 at %2: %3,%4 %5x%6 beyond %7,%8 %9x%10")
                                    .arg(it.key())
                                    .arg(s)
                                    .arg(r.x())
                                    .arg(r.y())
                                    .arg(r.width())
                                    .arg(r.height())
                                    .arg(room.x())
                                    .arg(room.y())
                                    .arg(room.width())
                                    .arg(room.height())));
        }
    }
}

void TestScale::maximisedScreensFitTheAreaGiven_data() {
    QTest::addColumn<QSize>("area");
    // What a compositor leaves a maximised window, below or beside its panels.
    QTest::newRow("1024 x 768, a panel of 32") << QSize(1024, 736);
    QTest::newRow("1280 x 800, a bar of 32") << QSize(1280, 768);
    QTest::newRow("1366 x 768, a bar of 27") << QSize(1366, 741);
    QTest::newRow("1024 x 768, a dock of 64 at the side") << QSize(960, 768);
    QTest::newRow("1920 x 1080, a bar of 32") << QSize(1920, 1048);
}

void TestScale::maximisedScreensFitTheAreaGiven() {
    // A Wayland compositor maximises the screens into the area its panels leave, which the program cannot
    // learn beforehand: the whole screen is taken for the display, and the home screen comes out too big
    // until its window is given its size. Built again at that size, it shows whole, and so does every
    // exercise after it, in a window of that same size.
    QFETCH(QSize, area);
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    home.window()->resize(area);
    drv::settle();
    QCOMPARE(home.window()->size(), area);
    QCOMPARE(forms::scale(), scaleFor(area));
    QCOMPARE(home.canvas()->size(), pxRect(0, 0, 15270, 11265).size());
    checkWhole(home);
    for (int n : {1, 5, 20}) {
        ExerciseScreen& ex = run.open(n);
        drv::settle();
        QVERIFY(ex.loaded());
        QCOMPARE(ex.window()->size(), area);
        checkWhole(ex);
        ex.imgAbandon_Click();
        drv::settle();
    }
    // The summary keeps its own size at the run's new scale, in the middle of the area.
    run.nav().accueil.cmdQuitter_Click();
    drv::settle();
    const QWidget* bilan = run.nav().bilan.window();
    QVERIFY(bilan);
    QVERIFY(QRect(QPoint(0, 0), area).contains(bilan->geometry()));
    const QRect g = bilan->geometry();
    QVERIFY(std::abs(g.left() - (area.width() - g.x() - g.width())) <= 2);
}

void TestScale::aScreenInUseKeepsItsControls() {
    // The area changes once the pupil has begun (a panel added, another display): what the screen shows
    // stays as it is, the next screens take the new area.
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    ExerciseScreen& ex = run.open(3);
    QTest::mouseClick(ex.window()->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ex.enterWrongAnswers();
    ex.imgValidation_Click();
    Control* cross = drv::control(ex, "imgfaux");
    ex.window()->resize(1024, 736);
    drv::settle();
    QCOMPARE(drv::control(ex, "imgfaux"), cross);
    QVERIFY(drv::visible(ex, "imgfaux"));
    QCOMPARE(forms::scale(), 736 / 768.0);
    ex.imgContinuer_Click();
    drv::settle();
    QVERIFY(drv::visible(home, "imgFeurouge(2)"));
}

QTEST_MAIN(TestScale)
#include "test_scale.moc"
