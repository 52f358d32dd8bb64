// Exercise 18: chromosomes dragged with the mouse into four places of a spermatozoon's head, judged by the
// sum of the numbers of the chromosomes placed; Effacer empties the places.
#include "exercises/exercice18.h"
#include "framework/dragdrop.h"
#include "tests/driver.h"

#include <QDir>

namespace {

using drv::kCorrection;

// The chromosomes' sizes in twips, index 1 .. 4 (9 with A, 9 with O, X, Y).
const QSize kChromosomeSize[] = {{}, {210, 1185}, {225, 1185}, {210, 855}, {210, 450}};
const QSize kEmptyPlace{255, 1215};

// One thing the pupil does: "k>i" drags chromosome k onto place i, "k>name" onto another control,
// "k>x,y" onto a point of the window in twips, "effacer" presses the button.
void perform(const forms::Form& ex, const QStringList& steps) {
    for (const QString& s : steps) {
        if (s == "effacer") {
            drv::click(ex, "cmdEffacer");
        } else {
            const QString source = QStringLiteral("Image1(%1)").arg(s.section('>', 0, 0));
            const QString target = s.section('>', 1);
            bool isPlace = false;
            target.toInt(&isPlace);
            if (target.contains(','))
                drv::dragTo(ex, source,
                            QPoint(target.section(',', 0, 0).toInt(), target.section(',', 1).toInt()) / 15);
            else
                drv::drag(ex, source, isPlace ? QStringLiteral("img(%1)").arg(target) : target);
        }
        if (QTest::currentTestFailed()) return;
    }
}

Exercice18& screen(drv::Run& run) {
    return dynamic_cast<Exercice18&>(run.open(18));
}

std::array<int, 4> numbers(const Exercice18& ex) {
    return {ex.numPlace1, ex.numPlace2, ex.numPlace3, ex.numPlace4};
}

// Each place shows what its number says: the chromosome at its own size without a border, or an empty
// bordered place of the design size.
void checkPlacesAgree(const Exercice18& ex) {
    const auto num = numbers(ex);
    for (int i = 1; i <= 4; ++i) {
        auto* place = drv::get<forms::Picture>(ex, QStringLiteral("img(%1)").arg(i));
        QVERIFY(place);
        const int k = num[std::size_t(i - 1)];
        QVERIFY2(k >= 0 && k <= 4, qPrintable(QStringLiteral("place %1 holds %2").arg(i).arg(k)));
        const QString expected =
            k ? drv::get<forms::Picture>(ex, QStringLiteral("Image1(%1)").arg(k))->Source() : QString();
        QCOMPARE(place->Source(), expected);
        // A screen reader hears the same as the pupil sees.
        QCOMPARE(place->accessibleText().contains(QStringLiteral("Chromosome")), k != 0);
        QCOMPARE(place->BorderStyle(), k == 0);
        QCOMPARE(QSize(place->Width(), place->Height()), k ? kChromosomeSize[k] : kEmptyPlace);
        QCOMPARE(place->widget()->size(), QSize(place->Width(), place->Height()) / 15);
    }
}

// With MORVELLE_SHOTS set to a folder, the states only a pupil's mouse reaches are saved there to look at.
void snapIfAsked(const forms::Form& ex, const QString& name) {
    const QString dir = qEnvironmentVariable("MORVELLE_SHOTS");
    if (dir.isEmpty() || !ex.window()) return;
    QDir().mkpath(dir);
    ex.window()->grab().save(QDir(dir).filePath(name + ".png"));
}

using Places = QList<int>;

} // namespace

class TestExercice18 : public QObject {
    Q_OBJECT

  private slots:
    void answers_data();
    void answers();
    void dragShowsTheChromosomeOutline();
    void validationKeyEndsADrag();
    void nothingMovesAfterValidation();
    void correction();
    void reopensWithEmptyPlaces();
};

void TestExercice18::answers_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<Places>("places"); // numPlace1 .. numPlace4 afterwards
    QTest::addColumn<bool>("right");

    // Every sum the places can make decides alone, whatever the set behind it.
    QTest::newRow("9 with A and X, S = 4") << QStringList{"1>1", "3>2"} << Places{1, 3, 0, 0} << true;
    QTest::newRow("9 with A and Y, S = 5") << QStringList{"1>4", "4>1"} << Places{4, 0, 0, 1} << true;
    QTest::newRow("9 with O and Y in the last places, S = 6")
        << QStringList{"2>3", "4>4"} << Places{0, 0, 2, 4} << true;
    QTest::newRow("Y alone, S = 4") << QStringList{"4>2"} << Places{0, 4, 0, 0} << true;
    QTest::newRow("9 with O twice, S = 4") << QStringList{"2>1", "2>2"} << Places{2, 2, 0, 0} << true;
    QTest::newRow("both 9s, S = 3") << QStringList{"1>1", "2>2"} << Places{1, 2, 0, 0} << false;
    QTest::newRow("X and Y, S = 7") << QStringList{"3>1", "4>2"} << Places{3, 4, 0, 0} << false;
    QTest::newRow("both 9s and Y, S = 7") << QStringList{"1>1", "2>2", "4>3"} << Places{1, 2, 4, 0} << false;
    QTest::newRow("nothing, S = 0") << QStringList{} << Places{0, 0, 0, 0} << false;
    QTest::newRow("X alone, S = 3") << QStringList{"3>4"} << Places{0, 0, 0, 3} << false;
    QTest::newRow("four chromosomes, S = 10")
        << QStringList{"1>1", "2>2", "3>3", "4>4"} << Places{1, 2, 3, 4} << false;
    // A later drop on a place replaces the earlier one.
    QTest::newRow("X then Y on place 1") << QStringList{"3>1", "4>1"} << Places{4, 0, 0, 0} << true;
    QTest::newRow("both 9s, then X over the second")
        << QStringList{"1>1", "2>2", "3>2"} << Places{1, 3, 0, 0} << true;
    QTest::newRow("Y, then Y replaced by X") << QStringList{"4>1", "3>1"} << Places{3, 0, 0, 0} << false;
    // Effacer empties every place, and the places take drops again afterwards.
    QTest::newRow("a right answer cleared")
        << QStringList{"1>1", "3>2", "effacer"} << Places{0, 0, 0, 0} << false;
    QTest::newRow("a wrong answer cleared and mended")
        << QStringList{"3>1", "4>2", "1>3", "effacer", "2>4", "4>2"} << Places{0, 4, 0, 2} << true;
    // Released anywhere but on a place, a chromosome changes nothing.
    QTest::newRow("released over the head, the letters and the cell")
        << QStringList{"1>8100,6400", "4>Image3", "2>Label5", "3>Shape7", "4>Image1(2)", "1>cmdEffacer"}
        << Places{0, 0, 0, 0} << false;
    QTest::newRow("released where place 1 stood before Y shrank it")
        << QStringList{"4>1", "1>8527,6600"} << Places{4, 0, 0, 0} << true;
}

void TestExercice18::answers() {
    QFETCH(QStringList, steps);
    QFETCH(Places, places);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    Exercice18& ex = screen(run);
    perform(ex, steps);

    const auto num = numbers(ex);
    QCOMPARE(Places(num.begin(), num.end()), places);
    checkPlacesAgree(ex);
    // The chromosomes never leave the mother cell.
    for (int k = 1; k <= 4; ++k)
        QVERIFY(drv::visible(ex, QStringLiteral("Image1(%1)").arg(k)));

    drv::click(ex, "imgValidation");
    drv::checkVerdict(run, ex, right);
}

void TestExercice18::dragShowsTheChromosomeOutline() {
    drv::Run run;
    run.toHome();
    Exercice18& ex = screen(run);
    auto* y = drv::get<forms::Picture>(ex, "Image1(4)");
    QWidget* window = ex.window();
    const QPoint over = drv::control(ex, "img(3)")->widget()->geometry().center();
    const QPoint pointer = ex.canvas()->mapTo(window, over);
    QTest::mousePress(y, Qt::LeftButton, Qt::NoModifier, y->rect().center());
    QTest::mouseMove(y, y->mapFrom(window, pointer - QPoint(60, 40)));
    QTest::mouseMove(y, y->mapFrom(window, pointer));
    QApplication::processEvents();

    QWidget* outline = forms::DragController::instance().indicator();
    QVERIFY(outline && outline->isVisible());
    QCOMPARE(outline->size(), y->size()); // no icon: the chromosome's own outline
    QVERIFY(outline->geometry().contains(pointer));
    snapIfAsked(ex, "Exercice18_glisser");

    QTest::mouseRelease(y, Qt::LeftButton, Qt::NoModifier, y->mapFrom(window, pointer));
    drv::settle();
    QVERIFY(!forms::DragController::instance().active());
    QCOMPARE(ex.numPlace3, 4);
    QCOMPARE(QPoint(y->Left(), y->Top()), QPoint(9480, 3360)); // the source stays where it was
}

void TestExercice18::validationKeyEndsADrag() {
    drv::Run run;
    run.toHome();
    Exercice18& ex = screen(run);
    ex.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ex.window()));
    auto* y = drv::get<forms::Picture>(ex, "Image1(4)");
    QWidget* place = drv::control(ex, "img(3)")->widget();
    const QPoint over = y->mapFromGlobal(place->mapToGlobal(place->rect().center()));
    QTest::mousePress(y, Qt::LeftButton, Qt::NoModifier, y->rect().center());
    QTest::mouseMove(y, over);
    QPointer<QWidget> outline = forms::DragController::instance().indicator();
    QVERIFY(outline && outline->isVisible());
    // F5 in the middle of the drag: the screen is validated and the outline goes with the drag, at once.
    QTest::keyClick(ex.window(), Qt::Key_F5);
    QVERIFY(!drv::visible(ex, "imgValidation"));
    QVERIFY(!forms::DragController::instance().active());
    QVERIFY(!outline || !outline->isVisible());
    QTest::mouseRelease(y, Qt::LeftButton, Qt::NoModifier, over);
    drv::settle();
    QCOMPARE(numbers(ex), (std::array<int, 4>{0, 0, 0, 0}));
}

void TestExercice18::nothingMovesAfterValidation() {
    drv::Run run;
    run.toHome();
    Exercice18& ex = screen(run);
    perform(ex, {"1>1", "1>2"});
    drv::click(ex, "imgValidation");
    for (int k = 1; k <= 4; ++k)
        QVERIFY(!drv::enabled(ex, QStringLiteral("Image1(%1)").arg(k)));
    QVERIFY(!drv::enabled(ex, "cmdEffacer"));

    perform(ex, {"4>3", "3>4", "effacer"});
    QVERIFY(!forms::DragController::instance().active());
    const auto num = numbers(ex);
    QCOMPARE(Places(num.begin(), num.end()), (Places{1, 1, 0, 0}));
    checkPlacesAgree(ex);
    QCOMPARE(run.record().Resultat[18], 0);
}

void TestExercice18::correction() {
    drv::Run run;
    run.toHome();
    Exercice18& ex = screen(run);
    QVERIFY(!drv::visible(ex, "frameRep"));
    perform(ex, {"3>1", "4>3"});
    drv::click(ex, "imgValidation");
    drv::click(ex, "imgCorrection");

    QVERIFY(drv::visible(ex, "frameRep"));
    QCOMPARE(drv::text(ex, "Label9"), QStringLiteral("Exemple de spermatozoïde"));
    // The example holds chromosome 9 with A and Y.
    auto* image6 = drv::get<forms::Picture>(ex, "Image6");
    auto* image7 = drv::get<forms::Picture>(ex, "Image7");
    QCOMPARE(image6->Source(), drv::get<forms::Picture>(ex, "Image1(1)")->Source());
    QCOMPARE(image7->Source(), drv::get<forms::Picture>(ex, "Image1(4)")->Source());
    QVERIFY(image6->isVisible() && image7->isVisible());
    // The pupil's spermatozoon stays as built.
    const auto num = numbers(ex);
    QCOMPARE(Places(num.begin(), num.end()), (Places{3, 0, 4, 0}));
    checkPlacesAgree(ex);
    QVERIFY(!drv::visible(ex, "imgfaux"));
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QCOMPARE(drv::text(ex, "lblInfo"), kCorrection);
    QCOMPARE(run.record().Resultat[18], 0);
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(17)"));
}

void TestExercice18::reopensWithEmptyPlaces() {
    drv::Run run;
    run.toHome();
    Exercice18* ex = &screen(run);
    perform(*ex, {"1>1", "3>2"});
    drv::click(*ex, "imgAbandon");
    QCOMPARE(ex->numPlace1 + ex->numPlace2, 4); // the screen object outlives its window
    ex = &screen(run);

    const auto num = numbers(*ex);
    QCOMPARE(Places(num.begin(), num.end()), (Places{0, 0, 0, 0}));
    checkPlacesAgree(*ex);
    QVERIFY(!drv::visible(*ex, "frameRep"));
    drv::checkNamesUnique(*ex);
    drv::click(*ex, "imgValidation");
    drv::checkVerdict(run, *ex, false);
}

QTEST_MAIN(TestExercice18)
#include "test_exercice18.moc"
