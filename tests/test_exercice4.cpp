// Exercise 4: a chromatid and the centromere named by typing, with one accent forgiven.
#include "tests/driver.h"

#include "framework/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

using namespace forms;

namespace {

const QString kChromatid = QStringLiteral("chromatide");
const QString kCentromere = QStringLiteral("centromère");

// The picture as the screen shows it, one pixel per design pixel.
QImage shown(const Picture& pic) {
    QImage img(pic.Width() / 15, pic.Height() / 15, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    renderer(pic.Source())->render(&p, QRectF(img.rect()));
    return img;
}

// Mean grey of the 3 x 3 pixels round a point of the window given in twips, on the picture below it.
int greyAt(const QImage& img, const Picture& pic, int x, int y) {
    const QPoint c((x - pic.Left()) / 15, (y - pic.Top()) / 15);
    int sum = 0;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            sum += qGray(img.pixel(c + QPoint(dx, dy)));
    return sum / 9;
}

} // namespace

class TestExercice4 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { drv::Run warmUp; }
    void designState();
    void pointersEndOnTheirParts();
    void answers_data();
    void answers();
    void reopenedAfterAbandon();
};

void TestExercice4::designState() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(4);
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kInstruction);
    for (const char* box : {"txt1", "txt2"}) {
        QVERIFY(drv::enabled(ex, box));
        QCOMPARE(drv::text(ex, box), QString());
    }
    const QString words[2] = {kChromatid, kCentromere};
    for (int k = 0; k < 2; ++k) {
        const QString rep = QStringLiteral("lblRep%1").arg(k + 1);
        QVERIFY(!drv::visible(ex, rep));
        QCOMPARE(drv::text(ex, rep), words[k]);
        QCOMPARE(drv::foreColor(ex, rep), BgrColor(0x0000FF));
    }
    QCOMPARE(drv::text(ex, "Label4"), QStringLiteral("Chromosome observé au MEB (x3000)"));
    QCOMPARE(drv::text(ex, "Label2"), QStringLiteral("Schéma"));
    QCOMPARE(drv::text(ex, "lblQuestion"),
             QStringLiteral("Complète la légende. Veille à ne pas faire de fautes d'orthographe."));
    QCOMPARE(drv::foreColor(ex, "lblQuestion"), BgrColor(0x254189));
    // Both pictures at their own size, 60 x 134 pixels, stretched to their place.
    for (const char* name : {"Image4", "Image5"}) {
        auto* pic = drv::get<Picture>(ex, name);
        QVERIFY(pic);
        QCOMPARE(pictureSize(pic->Source()), QSize(60, 134));
        QCOMPARE(QSize(pic->Width(), pic->Height()), QSize(1740, 3210));
    }
    // Focus starts in the upper box and Tab goes to the lower one.
    QCOMPARE(drv::focused(ex), drv::control(ex, "txt1")->widget());
    drv::key(ex, Qt::Key_Tab);
    QCOMPARE(drv::focused(ex), drv::control(ex, "txt2")->widget());
}

void TestExercice4::pointersEndOnTheirParts() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(4);
    auto* photo = drv::get<Picture>(ex, "Image4");
    auto* drawing = drv::get<Picture>(ex, "Image5");
    QVERIFY(photo && drawing);
    const QImage photoImg = shown(*photo), drawingImg = shown(*drawing);
    for (const char* name : {"Line11", "Line12", "Line9", "Line10"}) {
        auto* l = drv::get<Line>(ex, name);
        QVERIFY2(l && l->BorderColor() == 0x0000C0 && l->BorderWidth() == 3, name);
        QCOMPARE(l->Y1(), l->Y2());
    }

    // On the micrograph both rows come in over the dark background and end on the bright chromosome.
    for (const char* name : {"Line11", "Line9"}) {
        auto* l = drv::get<Line>(ex, name);
        const int y = l->Y1(), tip = l->X1(), entry = photo->Left() + photo->Width() - 45;
        QVERIFY2(greyAt(photoImg, *photo, entry, y) < 90, name);
        for (int x : {tip, tip - 45})
            QVERIFY2(greyAt(photoImg, *photo, x, y) > 110, name);
    }
    // On the drawing the upper row ends on the pale chromatid, the lower one on the dark centromere.
    auto* toChromatid = drv::get<Line>(ex, "Line12");
    auto* toCentromere = drv::get<Line>(ex, "Line10");
    for (auto* l : {toChromatid, toCentromere})
        QCOMPARE(greyAt(drawingImg, *drawing, drawing->Left() + 45, l->Y1()), 255);
    for (int x : {toChromatid->X2(), toChromatid->X2() + 45}) {
        const int grey = greyAt(drawingImg, *drawing, x, toChromatid->Y1());
        QVERIFY2(grey > 150 && grey < 240, qPrintable(QString::number(grey)));
    }
    for (int x : {toCentromere->X2(), toCentromere->X2() + 45})
        QVERIFY(greyAt(drawingImg, *drawing, x, toCentromere->Y1()) < 130);
}

void TestExercice4::answers_data() {
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<bool>("right");
    QTest::newRow("the two words") << kChromatid << kCentromere << true;
    QTest::newRow("centromere without its accent") << kChromatid << "centromere" << true;
    QTest::newRow("capital C") << kChromatid << "Centromère" << false;
    QTest::newRow("acute accent") << kChromatid << "centromére" << false;
    QTest::newRow("words swapped") << kCentromere << kChromatid << false;
    QTest::newRow("trailing blank") << "chromatide " << kCentromere << false;
    QTest::newRow("plural") << "chromatides" << kCentromere << false;
    QTest::newRow("lower box blank") << kChromatid << "" << false;
    QTest::newRow("both blank") << ""
                                << "" << false;
}

void TestExercice4::answers() {
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(4);
    drv::type(ex, "txt1", upper);
    drv::type(ex, "txt2", lower);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
    for (const char* name : {"txt1", "txt2"})
        QVERIFY(!drv::enabled(ex, name));
    QVERIFY(!drv::visible(ex, "lblRep1"));
    QVERIFY(!drv::visible(ex, "lblRep2"));
    if (right) return;

    drv::click(ex, "imgCorrection");
    QCOMPARE(drv::text(ex, "lblInfo"), drv::kCorrection);
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    // Both words, whichever was wrong; the boxes keep the pupil's texts and stay disabled.
    QVERIFY(drv::visible(ex, "lblRep1"));
    QVERIFY(drv::visible(ex, "lblRep2"));
    QCOMPARE(drv::text(ex, "txt1"), upper);
    QCOMPARE(drv::text(ex, "txt2"), lower);
    QVERIFY(!drv::enabled(ex, "txt1"));
    QCOMPARE(run.record().Resultat[4], 0);
}

void TestExercice4::reopenedAfterAbandon() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(4);
    drv::type(ex, "txt1", kChromatid);
    drv::type(ex, "txt2", QStringLiteral("centro"));
    drv::click(ex, "imgAbandon");
    QVERIFY(!ex.loaded());
    ExerciseScreen& again = run.open(4);
    QCOMPARE(drv::text(again, "txt1"), QString());
    QCOMPARE(drv::text(again, "txt2"), QString());
    QCOMPARE(drv::focused(again), drv::control(again, "txt1")->widget());
}

QTEST_MAIN(TestExercice4)
#include "test_exercice4.moc"
