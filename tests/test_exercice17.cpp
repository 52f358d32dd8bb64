// Exercise 17: karyotype tags dragged with the mouse onto three cells, a viewer shown by the right button,
// and the sex of the child in a list.
#include "framework/dragdrop.h"
#include "tests/driver.h"

using forms::BgrColor;

namespace {

constexpr BgrColor kWhite = 0xFFFFFF;
constexpr BgrColor kLavender = 0xE6C6C4; // karyotype 1
constexpr BgrColor kPink = 0xD0D6E8;     // karyotype 2
constexpr BgrColor kGreen = 0xD0E3C8;    // karyotype 3

using drv::kCorrection;

// One thing the pupil does, written "drag imgCaryo(1) rond1" (onto a control's centre),
// "drag imgCaryo(1) 3600,6600" (onto a point of the window, in twips), "press imgCaryo(2) right",
// "pick masculin" or "type Masculin".
void perform(const forms::Form& ex, const QString& step) {
    const QString verb = step.section(' ', 0, 0);
    const QString rest = step.section(' ', 1);
    if (verb == "drag") {
        const QString source = rest.section(' ', 0, 0), target = rest.section(' ', 1);
        if (target.contains(',')) {
            const QPoint twips(target.section(',', 0, 0).toInt(), target.section(',', 1).toInt());
            drv::dragTo(ex, source, twips / 15);
        } else {
            drv::drag(ex, source, target);
        }
    } else if (verb == "press") {
        const QString b = rest.section(' ', 1);
        drv::click(ex, rest.section(' ', 0, 0),
                   b == "right"    ? Qt::RightButton
                   : b == "middle" ? Qt::MiddleButton
                                   : Qt::LeftButton);
    } else if (verb == "pick") {
        drv::pick(ex, "cb1", rest);
    } else if (verb == "type") {
        drv::type(ex, "cb1", rest);
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

void performAll(const forms::Form& ex, const QStringList& steps) {
    for (const QString& s : steps) {
        perform(ex, s);
        if (QTest::currentTestFailed()) return;
    }
}

// Which karyotype the viewer shows: 0 while the empty frame covers them.
int viewed(const forms::Form& ex) {
    if (drv::visible(ex, "cadre1")) return 0;
    int shown = 0, count = 0;
    for (int k = 1; k <= 3; ++k)
        if (drv::visible(ex, QStringLiteral("img%1").arg(k))) shown = k, ++count;
    return count == 1 ? shown : -1;
}

const QStringList kRightDrops = {"drag imgCaryo(3) imgCellule(3)", "drag imgCaryo(2) imgCellule(2)",
                                 "drag imgCaryo(1) imgCellule(1)"};

} // namespace

class TestExercice17 : public QObject {
    Q_OBJECT

  private slots:
    void drops_data();
    void drops();
    void viewer_data();
    void viewer();
    void dragShowsTheCardUnderThePointer();
    void verdict_data();
    void verdict();
    void nothingDragsOrShowsAfterValidation();
    void correction();
    void reopensInItsDesignState();
};

void TestExercice17::drops_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<uint>("spermatozoon"); // rond1
    QTest::addColumn<uint>("ovule");        // rond2
    QTest::addColumn<uint>("eggCell");      // rond3

    QTest::newRow("each tag on its cell") << kRightDrops << uint(kGreen) << uint(kPink) << uint(kLavender);
    QTest::newRow("the last drop counts")
        << QStringList{"drag imgCaryo(1) imgCellule(3)", "drag imgCaryo(3) imgCellule(3)"} << uint(kGreen)
        << uint(kWhite) << uint(kWhite);
    QTest::newRow("one tag on two cells")
        << QStringList{"drag imgCaryo(2) imgCellule(2)", "drag imgCaryo(2) imgCellule(1)"} << uint(kWhite)
        << uint(kPink) << uint(kPink);
    QTest::newRow("released over the nuclei")
        << QStringList{"drag imgCaryo(1) rond1", "drag imgCaryo(3) rond2", "drag imgCaryo(2) rond3"}
        << uint(kLavender) << uint(kGreen) << uint(kPink);
    QTest::newRow("released on the rim of a cell, off its nucleus")
        << QStringList{"drag imgCaryo(2) 11160,2880"} << uint(kWhite) << uint(kPink) << uint(kWhite);
    QTest::newRow("released over the empty viewer")
        << QStringList{"drag imgCaryo(1) cadre1"} << uint(kWhite) << uint(kWhite) << uint(kWhite);
    QTest::newRow("released over a karyotype on show")
        << QStringList{"press imgCaryo(2) right", "drag imgCaryo(2) img2"} << uint(kWhite) << uint(kWhite)
        << uint(kWhite);
    QTest::newRow("released over labels, arrows and the list")
        << QStringList{"drag imgCaryo(1) Label9", "drag imgCaryo(1) Label6", "drag imgCaryo(1) Image8",
                       "drag imgCaryo(1) cb1", "drag imgCaryo(1) lblInfo"}
        << uint(kWhite) << uint(kWhite) << uint(kWhite);
    QTest::newRow("released over another tag or the background")
        << QStringList{"drag imgCaryo(1) imgCaryo(2)", "drag imgCaryo(3) 13500,9000",
                       "drag imgCaryo(3) 1000,10500"}
        << uint(kWhite) << uint(kWhite) << uint(kWhite);
}

void TestExercice17::drops() {
    QFETCH(QStringList, steps);
    QFETCH(uint, spermatozoon);
    QFETCH(uint, ovule);
    QFETCH(uint, eggCell);
    drv::Run run;
    run.toHome();
    auto& ex = run.open(17);
    performAll(ex, steps);
    QCOMPARE(drv::fill(ex, "rond1"), spermatozoon);
    QCOMPARE(drv::fill(ex, "rond2"), ovule);
    QCOMPARE(drv::fill(ex, "rond3"), eggCell);
    // The tags never move.
    for (int k = 1; k <= 3; ++k) {
        auto* tag = drv::get<forms::Picture>(ex, QStringLiteral("imgCaryo(%1)").arg(k));
        QCOMPARE(QPoint(tag->Left(), tag->Top()), QPoint(8040, 7800 + 480 * k));
    }
}

void TestExercice17::viewer_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("shown");

    QTest::newRow("at load") << QStringList{} << 0;
    for (int k = 1; k <= 3; ++k)
        QTest::addRow("right button on tag %d", k)
            << QStringList{QStringLiteral("press imgCaryo(%1) right").arg(k)} << k;
    QTest::newRow("any button but the left") << QStringList{"press imgCaryo(2) middle"} << 2;
    QTest::newRow("the left button drags instead") << QStringList{"press imgCaryo(1) left"} << 0;
    QTest::newRow("a drop leaves the view")
        << QStringList{"press imgCaryo(3) right", "drag imgCaryo(1) imgCellule(1)"} << 3;
    QTest::newRow("the next tag replaces it")
        << QStringList{"press imgCaryo(3) right", "press imgCaryo(1) right"} << 1;
}

void TestExercice17::viewer() {
    QFETCH(QStringList, steps);
    QFETCH(int, shown);
    drv::Run run;
    run.toHome();
    auto& ex = run.open(17);
    drv::pick(ex, "cb1", "féminin");
    performAll(ex, steps);
    QCOMPARE(viewed(ex), shown);
    drv::snapIfAsked(ex, QStringLiteral("Exercice17_caryotype%1").arg(shown));
    // Viewing answers nothing.
    QCOMPARE(drv::text(ex, "cb1"), QStringLiteral("féminin"));
    if (!steps.join(' ').contains("drag")) {
        for (const char* oval : {"rond1", "rond2", "rond3"})
            QCOMPARE(drv::fill(ex, oval), kWhite);
    }
}

void TestExercice17::dragShowsTheCardUnderThePointer() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(17);
    auto* tag = drv::get<forms::Picture>(ex, "imgCaryo(2)");
    QWidget* window = ex.window();
    const QPoint over = drv::control(ex, "imgCellule(2)")->widget()->geometry().center();
    QTest::mousePress(tag, Qt::LeftButton, Qt::NoModifier, tag->rect().center());
    QTest::mouseMove(tag, tag->mapFrom(window, ex.canvas()->mapTo(window, over) - QPoint(40, 0)));
    QTest::mouseMove(tag, tag->mapFrom(window, ex.canvas()->mapTo(window, over)));
    QApplication::processEvents();

    QWidget* card = forms::DragController::instance().indicator();
    QVERIFY(card && card->isVisible());
    QCOMPARE(card->size(), QSize(32, 32)); // the card icon, not the tag's outline
    QCOMPARE(card->geometry().topLeft() + QPoint(16, 16),
             ex.canvas()->mapTo(window, over)); // centred on the pointer
    QCOMPARE(viewed(ex), 0);                    // dragging is not viewing
    drv::snapIfAsked(ex, "Exercice17_glisser");

    QTest::mouseRelease(tag, Qt::LeftButton, Qt::NoModifier,
                        tag->mapFrom(window, ex.canvas()->mapTo(window, over)));
    drv::settle();
    QVERIFY(!forms::DragController::instance().active());
    QCOMPARE(drv::fill(ex, "rond2"), kPink);
}

void TestExercice17::verdict_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("right");

    QTest::newRow("all right, sex picked") << kRightDrops + QStringList{"pick masculin"} << true;
    QTest::newRow("all right, sex typed") << kRightDrops + QStringList{"type masculin"} << true;
    QTest::newRow("all right, with a wrong drop mended")
        << QStringList{"drag imgCaryo(1) imgCellule(3)", "pick féminin"} + kRightDrops +
               QStringList{"pick masculin"}
        << true;
    QTest::newRow("nothing done") << QStringList{} << false;
    QTest::newRow("drops only") << kRightDrops << false;
    QTest::newRow("sex only") << QStringList{"pick masculin"} << false;
    QTest::newRow("féminin") << kRightDrops + QStringList{"pick féminin"} << false;
    QTest::newRow("capital M typed") << kRightDrops + QStringList{"type Masculin"} << false;
    QTest::newRow("blank after the word") << kRightDrops + QStringList{"type masculin "} << false;
    QTest::newRow("spermatozoon and ovule swapped")
        << QStringList{"drag imgCaryo(2) imgCellule(3)", "drag imgCaryo(3) imgCellule(2)",
                       "drag imgCaryo(1) imgCellule(1)", "pick masculin"}
        << false;
    QTest::newRow("egg cell left empty")
        << QStringList{"drag imgCaryo(3) imgCellule(3)", "drag imgCaryo(2) imgCellule(2)", "pick masculin"}
        << false;
    QTest::newRow("a wrong drop last")
        << kRightDrops + QStringList{"drag imgCaryo(2) imgCellule(1)", "pick masculin"} << false;
}

void TestExercice17::verdict() {
    QFETCH(QStringList, steps);
    QFETCH(bool, right);
    drv::Run run;
    run.toHome();
    auto& ex = run.open(17);
    performAll(ex, steps);
    drv::click(ex, "imgValidation");

    drv::checkVerdict(run, ex, right);
}

void TestExercice17::nothingDragsOrShowsAfterValidation() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(17);
    performAll(ex, {"press imgCaryo(2) right", "drag imgCaryo(1) imgCellule(3)"});
    drv::click(ex, "imgValidation");
    for (int k = 1; k <= 3; ++k)
        QVERIFY(!drv::enabled(ex, QStringLiteral("imgCaryo(%1)").arg(k)));
    QVERIFY(!drv::enabled(ex, "cb1"));

    performAll(ex, {"drag imgCaryo(3) imgCellule(3)", "drag imgCaryo(2) rond3", "press imgCaryo(1) right",
                    "press imgCaryo(3) middle"});
    QVERIFY(!forms::DragController::instance().active());
    QCOMPARE(drv::fill(ex, "rond1"), kLavender);
    QCOMPARE(drv::fill(ex, "rond3"), kWhite);
    QCOMPARE(viewed(ex), 2); // the karyotype last viewed stays on show
}

void TestExercice17::correction() {
    drv::Run run;
    run.toHome();
    auto& ex = run.open(17);
    performAll(ex, {"drag imgCaryo(1) imgCellule(2)", "drag imgCaryo(1) imgCellule(3)", "type Masculin"});
    drv::click(ex, "imgValidation");
    drv::snapIfAsked(ex, "Exercice17_echec_reponses");
    drv::click(ex, "imgCorrection");

    QCOMPARE(drv::fill(ex, "rond1"), kGreen);
    QCOMPARE(drv::fill(ex, "rond2"), kPink);
    QCOMPARE(drv::fill(ex, "rond3"), kLavender);
    const std::pair<const char*, QString> answers[] = {
        {"lblRep1", "masculin"},    {"lblRep2", "22 chromosomes + Y"}, {"lblRep3", "caryotype 3"},
        {"lblRep4", "caryotype 2"}, {"lblRep5", "22 chromosomes + X"}, {"lblRep6", "44 chromosomes + XY"},
        {"lblRep7", "caryotype 1"},
    };
    for (const auto& [name, caption] : answers) {
        QVERIFY2(drv::visible(ex, name), name);
        QCOMPARE(drv::text(ex, name), caption);
        QCOMPARE(drv::foreColor(ex, name), BgrColor(0x1010D6));
    }
    QCOMPARE(drv::text(ex, "cb1"), QStringLiteral("Masculin")); // the pupil's text stays
    QVERIFY(drv::visible(ex, "imgfaux"));                       // and so does the cross
    QVERIFY(!drv::visible(ex, "imgCorrection"));
    QCOMPARE(drv::text(ex, "lblInfo"), kCorrection);
    QCOMPARE(run.record().Resultat[17], 0);
    QVERIFY(drv::visible(run.nav().accueil, "imgFeurouge(16)"));
    QVERIFY(!drv::visible(run.nav().accueil, "imgFeuvert(16)"));
}

void TestExercice17::reopensInItsDesignState() {
    drv::Run run;
    run.toHome();
    auto* ex = &run.open(17);
    performAll(*ex, {"press imgCaryo(1) right", "drag imgCaryo(1) imgCellule(1)", "pick masculin"});
    drv::click(*ex, "imgAbandon");
    ex = &run.open(17);

    for (const char* oval : {"rond1", "rond2", "rond3"})
        QCOMPARE(drv::fill(*ex, oval), kWhite);
    QCOMPARE(viewed(*ex), 0);
    auto* cb1 = drv::get<forms::ComboBox>(*ex, "cb1");
    QVERIFY(cb1);
    QCOMPARE(cb1->Text(), QString());
    QCOMPARE(cb1->ListCount(), 2);
    QCOMPARE(cb1->List(0), QStringLiteral("masculin"));
    QCOMPARE(cb1->List(1), QStringLiteral("féminin"));
    for (int n = 1; n <= 7; ++n)
        QVERIFY(!drv::visible(*ex, QStringLiteral("lblRep%1").arg(n)));
    // The tags of the new screen still drag and show.
    performAll(*ex, {"drag imgCaryo(2) imgCellule(2)", "press imgCaryo(3) right"});
    QCOMPARE(drv::fill(*ex, "rond2"), kPink);
    QCOMPARE(viewed(*ex), 3);
}

QTEST_MAIN(TestExercice17)
#include "test_exercice17.moc"
