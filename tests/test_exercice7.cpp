// Exercise 7: five small karyotypes shown large in a viewer by any mouse button; the proposal pressed last
// is the answer.
#include "framework/pictures.h"
#include "tests/driver.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

using namespace forms;

namespace {

const QString kCorrectionTypo =
    QStringLiteral("Regarde la corection puis clique sur Continuer pour passer à la suite.");
const QString kCaptions[6] = {QString(),
                              QStringLiteral("Caryotype 1"),
                              QStringLiteral("Caryotype 2"),
                              QStringLiteral("Caryotype 3"),
                              QStringLiteral("Caryotype de cellule-oeuf"),
                              QStringLiteral("Caryotype de cellule embryonnaire")};

// Presses written "1" (left button on img1), "4r" (right), "2m" (middle).
void press(const Form& ex, const QString& step) {
    const Qt::MouseButton b = step.endsWith('r')   ? Qt::RightButton
                              : step.endsWith('m') ? Qt::MiddleButton
                                                   : Qt::LeftButton;
    drv::click(ex, "img" + step.left(1), b);
}

// The large picture the viewer shows: 0 for none, -1 if more than one shows.
int viewed(const Form& ex) {
    int shown = 0, count = 0;
    for (int k = 1; k <= 5; ++k)
        if (drv::visible(ex, QStringLiteral("Image%1").arg(k))) shown = k, ++count;
    return count > 1 ? -1 : shown;
}

} // namespace

class TestExercice7 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void presses_data();
    void presses();
    void nothingReactsAfterValidation();
    void correction();
    void correctionCaptionsOnBlankPaper();
    void reopenedStartsWithNoChoice();
};

void TestExercice7::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    drv::checkNamesUnique(ex);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    QCOMPARE(viewed(ex), 0);
    QCOMPARE(drv::text(ex, "lblCaryo"), QString());
    QVERIFY(!drv::visible(ex, "frameRep"));
    // Each small picture and its large copy draw the same karyotype, at the source size it was drawn for.
    const struct {
        int k;
        const char* file;
        QSize size;
    } pictures[] = {{1, "caryotype1", {309, 279}},
                    {2, "caryotype2", {262, 279}},
                    {3, "caryotype3", {200, 180}},
                    {4, "caryotype_oeuf", {298, 279}},
                    {5, "caryotype_embryon", {367, 233}}};
    for (const auto& p : pictures) {
        const QString source = QStringLiteral(":/assets/ex07/%1.svg").arg(p.file);
        QCOMPARE(drv::get<Picture>(ex, QStringLiteral("img%1").arg(p.k))->Source(), source);
        QCOMPARE(drv::get<Picture>(ex, QStringLiteral("Image%1").arg(p.k))->Source(), source);
        QCOMPARE(pictureSize(source), p.size);
    }
    // The correction repeats caryotype 1 at its own size, so that the ring falls on its X and Y.
    auto* image13 = drv::get<Picture>(ex, "Image13");
    QCOMPARE(image13->Source(), QStringLiteral(":/assets/ex07/caryotype1.svg"));
    QCOMPARE(QSize(image13->Width(), image13->Height()), QSize(4635, 4185));
}

void TestExercice7::presses_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("right");
    QTest::newRow("nothing pressed") << QStringList{} << 0 << false;
    QTest::newRow("caryotype 1") << QStringList{"1"} << 1 << true;
    QTest::newRow("caryotype 2") << QStringList{"2"} << 2 << false;
    QTest::newRow("caryotype 3") << QStringList{"3"} << 3 << false;
    QTest::newRow("1 then 3: the last counts") << QStringList{"1", "3"} << 3 << false;
    QTest::newRow("3 then 1: the last counts") << QStringList{"3", "1"} << 1 << true;
    QTest::newRow("1 then the egg cell keeps 1") << QStringList{"1", "4"} << 4 << true;
    QTest::newRow("2 then the embryonic cell keeps 2") << QStringList{"2", "5"} << 5 << false;
    QTest::newRow("the egg cell alone is no choice") << QStringList{"4", "5", "4"} << 4 << false;
    QTest::newRow("a right press chooses") << QStringList{"3", "1r"} << 1 << true;
    QTest::newRow("a middle press chooses") << QStringList{"1", "2m"} << 2 << false;
}

void TestExercice7::presses() {
    QFETCH(QStringList, steps);
    QFETCH(int, shown);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    for (const QString& s : steps)
        press(ex, s);
    QCOMPARE(viewed(ex), shown);
    QCOMPARE(drv::text(ex, "lblCaryo"), kCaptions[shown]);
    if (shown) drv::snapIfAsked(ex, QStringLiteral("Exercice07_visionneuse_%1").arg(shown));
    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
    QCOMPARE(viewed(ex), shown);
}

void TestExercice7::nothingReactsAfterValidation() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    press(ex, "2");
    drv::click(ex, "imgValidation");
    for (const char* step : {"1", "1r", "4", "5m"})
        press(ex, step);
    QCOMPARE(viewed(ex), 2);
    QCOMPARE(drv::text(ex, "lblCaryo"), kCaptions[2]);
    drv::checkVerdict(run, ex, false);
    for (int k = 1; k <= 5; ++k)
        QVERIFY(!drv::enabled(ex, QStringLiteral("img%1").arg(k)));
}

void TestExercice7::correction() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    press(ex, "3");
    press(ex, "5");
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");
    QCOMPARE(drv::text(ex, "lblInfo"), kCorrectionTypo);
    QVERIFY(drv::visible(ex, "frameRep"));
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QVERIFY(drv::visible(ex, "imgContinuer"));
    // The viewer keeps what it showed, the small pictures stay dead, and the failure stands.
    press(ex, "1");
    QCOMPARE(viewed(ex), 5);
    QCOMPARE(run.record().Resultat[7], 0);
    drv::click(ex, "imgContinuer");
    QVERIFY(!ex.loaded());
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(6)"));
}

// The correction writes its red captions over caryotype 1: under them, and under the line to the ring, the
// picture must be bare paper, or the captions stand over chromosomes.
void TestExercice7::correctionCaptionsOnBlankPaper() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");
    QWidget* picture = drv::control(ex, "Image13")->widget();
    const QString source = drv::get<Picture>(ex, "Image13")->Source();
    QImage drawn(pictureSize(source), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    renderer(source)->render(&painter, QRectF(drawn.rect()));
    painter.end();
    const double k = double(drawn.width()) / picture->width(); // widget pixels to picture pixels
    auto blank = [&](const QPoint& widgetPoint) {
        const QPoint p = (QPointF(widgetPoint) * k).toPoint();
        return !drawn.rect().contains(p) || drawn.pixel(p) == qRgb(255, 255, 255);
    };
    for (const char* name : {"Label6", "Label7"}) {
        QWidget* label = drv::control(ex, name)->widget();
        QVERIFY(label->isVisible());
        const QRect area(picture->mapFrom(picture->window(), label->mapTo(label->window(), QPoint())),
                         label->size());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                QVERIFY2(blank({x, y}),
                         qPrintable(QStringLiteral("%1 covers ink at %2,%3").arg(name).arg(x).arg(y)));
    }
    // Line1 runs from the caption to the ring, in frame twips; it may end on the ring's edge.
    const double twip = picture->width() / 4635.0;
    const QPointF from(2520, 4920), to(3600, 4680), image13(240, 1080);
    for (int i = 0; i <= 20; ++i) {
        const QPointF t = (from + (to - from) * (0.9 * i / 20) - image13) * twip;
        QVERIFY2(blank(t.toPoint()), qPrintable(QStringLiteral("the line crosses ink at step %1").arg(i)));
    }
}

void TestExercice7::reopenedStartsWithNoChoice() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    press(ex, "1");
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    ExerciseScreen& again = run.open(7);
    QCOMPARE(viewed(again), 0);
    QCOMPARE(drv::text(again, "lblCaryo"), QString());
    // Caryotype 1 was chosen before the abandon; the new opening must not remember it.
    drv::click(again, "imgValidation");
    drv::checkVerdict(run, again, false);
}

QTEST_MAIN(TestExercice7)
#include "test_exercice7.moc"
