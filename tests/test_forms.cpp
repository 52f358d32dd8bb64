// The forms layer: units, fonts, scale, stacking, drag and drop, text input, accessibility, the run's end.
#include "tests/driver.h"

#include "framework/dragdrop.h"
#include "framework/pictures.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFontInfo>
#include <QPainter>
#include <QStyleFactory>
#include <QSvgRenderer>

using namespace forms;

namespace {

// A small screen with what the drag tests need: two sources, a target with a shape lying over it,
// a plain picture and a label.
class DragForm : public Form {
public:
    DragForm() : Form(QStringLiteral("frmDrag")) {}
    QPointer<Picture> target, plain;
    ControlArray<Picture> tags;
    QList<QPair<int, int>> drops; // (source index, target index)
    int mouseDowns = 0;

protected:
    WindowDesign design() const override { return {QStringLiteral("Drag"), WindowStyle::Sizable, 9000, 6000, 0xFFFFFF}; }
    void build() override {
        target = make<Picture>("imgTarget")
                     ->source(":/assets/common/coccinelle.svg")
                     ->index(7)
                     ->drop([this](Control* src, int, int) { drops.append({src->Index(), 7}); })
                     ->at(4500, 300, 3000, 3000);
        make<Shape>("shpOver")->kind(ShapeKind::Oval)->fill(0xFFFFFF)->at(5000, 800, 2000, 2000);
        plain = make<Picture>("imgPlain")->source(":/assets/common/tick.svg")->at(4500, 4000, 1500, 1500);
        make<Label>("lblNote")->setCaption("note")->at(7000, 4000, 1500, 600);
        for (int i = 1; i <= 2; ++i)
            make(tags, "imgTag", i)
                ->source(":/assets/common/btn_validation.svg")
                ->draggable(i == 1 ? QStringLiteral(":/assets/common/app_icon.svg") : QString())
                ->mouseDown([this](int, int, int, int) { ++mouseDowns; })
                ->at(300, 300 + 900 * (i - 1), 1710, 495);
    }
};

// The picture drawn straight from its file, on a clear ground; null if it is not there.
QImage drawing(const QString& resource, const QSize& size) {
    QSvgRenderer* r = renderer(resource);
    if (!r) return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    r->render(&p, QRectF(image.rect()));
    return image;
}

// A picture as a screen with a white ground shows it.
QImage onWhite(const QImage& picture, const QSize& size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter(&image).drawImage(0, 0, picture);
    return image;
}

QPoint centreOf(QWidget* w, QWidget* canvas) { return w->mapTo(canvas, w->rect().center()); }
// Where a control stands in its window's client area, as positions are given.
QRect inClientArea(QWidget* w) { return QRect(w->mapTo(w->window(), QPoint()), w->size()); }

} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void fonts_data();
    void fonts();
    void scaleFollowsDisplay_data();
    void scaleFollowsDisplay();
    void geometryAtScaleOne();
    void checkBoxAnswersOnItsWholeBox_data();
    void checkBoxAnswersOnItsWholeBox();
    void windowedControlsStandInFront();
    void dropOnTarget_data();
    void dropOnTarget();
    void dragShowsIconOrOutlineAndSourceStays();
    void dragEndsWhenWindowUnloads();
    void dragEndsAtOnceWhateverEndsIt_data();
    void dragEndsAtOnceWhateverEndsIt();
    void textBoxesTakeAnyText_data();
    void textBoxesTakeAnyText();
    void editableListKeepsTypedTextAndAddItemChoosesNothing();
    void dropDownShowsTheListsFont_data();
    void dropDownShowsTheListsFont();
    void accessibleNamesAndRoles();
    void runEndsWhenLastScreenUnloads();
    void picturesAreValid();
    void picturesDrawnOffTheGuiThread_data();
    void picturesDrawnOffTheGuiThread();
    void oneLineCaptions_data();
    void oneLineCaptions();
    void pictureIcons_data();
    void pictureIcons();
};

void TestForms::colours_data() {
    QTest::addColumn<uint>("bgr");
    QTest::addColumn<QColor>("qt");
    QTest::newRow("red") << 0x000000FFu << QColor(255, 0, 0);
    QTest::newRow("title band") << 0x001010D6u << QColor(0xD6, 0x10, 0x10);
    QTest::newRow("navy") << 0x00800000u << QColor(0, 0, 0x80);
    QTest::newRow("lavender") << 0x00FFC0C0u << QColor(0xC0, 0xC0, 0xFF);
}

void TestForms::colours() {
    QFETCH(uint, bgr);
    QFETCH(QColor, qt);
    QCOMPARE(toQColor(bgr), qt);
    QCOMPARE(fromQColor(qt), BgrColor(bgr));
}

void TestForms::fonts_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Liberation Sans";
    QTest::newRow("Arial") << "Arial" << "Liberation Sans";
    QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
    QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
}

void TestForms::fonts() {
    QFETCH(QString, family);
    QFETCH(QString, resolved);
    setScale(1.0);
    const QFont f = makeFont({family, 9.75, Weight::Bold});
    QCOMPARE(QFontInfo(f).family(), resolved);
    QCOMPARE(f.pixelSize(), 13); // 9.75 pt at 96 dpi
    QVERIFY(QFontInfo(f).bold());
}

void TestForms::scaleFollowsDisplay_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<double>("scale");
    QTest::newRow("1024 x 768") << QRect(0, 0, 1024, 768) << 1.0;
    QTest::newRow("1280 x 1024") << QRect(0, 0, 1280, 1024) << 1.25;
    QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1080) << 1080 / 768.0;
    QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << 800 / 1024.0;
}

void TestForms::scaleFollowsDisplay() {
    QFETCH(QRect, area);
    QFETCH(double, scale);
    drv::Run run;
    setDisplay(area);
    QCOMPARE(forms::scale(), scale);
    run.toHome();
    Form& home = run.nav().accueil;
    // The 1024 x 768 frame the screens were drawn for, scaled, stands in the middle of the screen, and every
    // design starts at its corner, so the home screen and the exercises line up; fonts and lines follow the
    // same scale.
    QCOMPARE(home.window()->geometry(), area);
    const QPoint corner((area.width() - qRound(1024 * scale)) / 2, (area.height() - qRound(768 * scale)) / 2);
    QCOMPARE(home.canvas()->pos(), corner);
    QCOMPARE(home.canvas()->width(), px(15270));
    for (int n : {1, 7, 20}) {
        ExerciseScreen& ex = run.open(n);
        QCOMPARE(ex.window()->geometry(), area);
        QCOMPARE(ex.canvas()->pos(), corner);
        ex.imgAbandon_Click();
        drv::settle();
    }
    // A caption's font may come out a pixel smaller than the scale asks, where the larger one would set
    // its text wider than it is at scale 1, scaled; never larger.
    const int title = drv::get<Label>(home, "lblTitre2")->QWidget::font().pixelSize();
    QVERIFY2(title <= qRound(29 * scale) && title >= qRound(29 * scale) - 1, qPrintable(QString::number(title)));
    // So do the parts the toolkit draws itself, such as the check boxes' squares.
    std::unique_ptr<QStyle> plain(QStyleFactory::create("Fusion"));
    QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth),
             qRound(plain->pixelMetric(QStyle::PM_IndicatorWidth) * scale));
}

void TestForms::geometryAtScaleOne() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(7);
    struct Expect {
        const char* name;
        QRect tw;
    };
    for (const Expect& e : {Expect{"imgValidation", {240, 1680, 1710, 495}}, Expect{"imgAbandon", {14640, 120, 390, 405}},
                            Expect{"imgfaux", {2400, 3600, 435, 435}}, Expect{"lblInfo", {360, 3840, 2175, 1935}}}) {
        QCOMPARE(inClientArea(drv::control(ex, e.name)->widget()),
                 QRect(e.tw.x() / 15, e.tw.y() / 15, e.tw.width() / 15, e.tw.height() / 15));
    }
    // The home screen's boxes stand in their frame, which stands at its own design place.
    Form& home = run.nav().accueil;
    const QPoint frame2(85, 136); // (1268, 2040) twips
    QCOMPARE(inClientArea(drv::control(home, "Frame2")->widget()).topLeft(), frame2);
    QCOMPARE(inClientArea(drv::control(home, "chkExo12")->widget()), QRect(frame2 + QPoint(784, 24 + 56), QSize(25, 25)));
    QCOMPARE(inClientArea(drv::control(home, "imgFeuvert(19)")->widget()),
             QRect(frame2 + QPoint(808, 16 + 9 * 56), QSize(32, 32)));
}

void TestForms::checkBoxAnswersOnItsWholeBox_data() {
    QTest::addColumn<QPoint>("corner"); // in the box's pixels; the box is 25 x 25
    QTest::newRow("top left") << QPoint(0, 0);
    QTest::newRow("top right") << QPoint(24, 0);
    QTest::newRow("bottom left") << QPoint(0, 24);
    QTest::newRow("bottom right") << QPoint(24, 24);
}

void TestForms::checkBoxAnswersOnItsWholeBox() {
    QFETCH(QPoint, corner);
    drv::Run run;
    run.toHome();
    QWidget* box = drv::control(run.nav().accueil, "chkExo20")->widget();
    QTest::mouseClick(box, Qt::LeftButton, {}, corner);
    drv::settle();
    QCOMPARE(drv::get<CheckBox>(run.nav().accueil, "chkExo20")->Value(), 1);
    QVERIFY(run.exercise(20).loaded());
}

void TestForms::windowedControlsStandInFront() {
    drv::Run run;
    run.toHome();
    Form& home = run.nav().accueil;
    // Inside the frame the check box stands in front of the labels and shapes, which keep their creation order.
    QWidget* frame = drv::control(home, "Frame2")->widget();
    const QObjectList kids = frame->children();
    const int shape = int(kids.indexOf(drv::control(home, "Shape2")->widget()));
    const int title = int(kids.indexOf(drv::control(home, "lblExo1")->widget()));
    const int box = int(kids.indexOf(drv::control(home, "chkExo1")->widget()));
    QVERIFY(shape < title);
    QVERIFY(title < box);
    QCOMPARE(frame->childAt(drv::control(home, "chkExo1")->widget()->geometry().center()),
             drv::control(home, "chkExo1")->widget());
}

void TestForms::dropOnTarget_data() {
    QTest::addColumn<QString>("over");
    QTest::addColumn<int>("drops");
    QTest::newRow("target") << "imgTarget" << 1;
    QTest::newRow("shape over the target") << "shpOver" << 1;
    QTest::newRow("picture without drop handler") << "imgPlain" << 0;
    QTest::newRow("label") << "lblNote" << 0;
    QTest::newRow("background") << "" << 0;
}

void TestForms::dropOnTarget() {
    QFETCH(QString, over);
    QFETCH(int, drops);
    drv::Run run;
    DragForm f;
    f.Show();
    const QPoint at = over.isEmpty() ? QPoint(60, 360) : centreOf(drv::control(f, over)->widget(), f.canvas());
    drv::dragTo(f, "imgTag(2)", at);
    QCOMPARE(f.drops.size(), drops);
    if (drops) QCOMPARE(f.drops.first(), qMakePair(2, 7));
    QCOMPARE(f.mouseDowns, 0); // a left press drags, it raises no MouseDown
    QVERIFY(!DragController::instance().active());
}

void TestForms::dragShowsIconOrOutlineAndSourceStays() {
    drv::Run run;
    DragForm f;
    f.Show();
    for (int i : {1, 2}) {
        QWidget* src = f.tags[i];
        const QRect before = src->geometry();
        QTest::mousePress(src, Qt::LeftButton, Qt::NoModifier, src->rect().center());
        QTest::mouseMove(src, src->rect().center() + QPoint(100, 40));
        QWidget* ind = DragController::instance().indicator();
        QVERIFY(ind && ind->isVisible());
        // With an icon: a 32 x 32 icon under the pointer; without: the source's outline.
        QCOMPARE(ind->size(), i == 1 ? QSize(32, 32) : src->size());
        QVERIFY(ind->geometry().contains(src->mapTo(f.window(), src->rect().center() + QPoint(100, 40))));
        QTest::mouseRelease(src, Qt::LeftButton, Qt::NoModifier, src->rect().center() + QPoint(100, 40));
        drv::settle();
        QCOMPARE(src->geometry(), before);
        QVERIFY(!DragController::instance().active());
    }
    // The right button reaches MouseDown and drags nothing.
    drv::click(f, "imgTag(1)", Qt::RightButton);
    QCOMPARE(f.mouseDowns, 1);
    QVERIFY(!DragController::instance().active());
}

void TestForms::dragEndsWhenWindowUnloads() {
    drv::Run run;
    DragForm f;
    f.Show();
    QWidget* src = f.tags[1];
    QTest::mousePress(src, Qt::LeftButton, Qt::NoModifier, src->rect().center());
    QVERIFY(DragController::instance().active());
    f.Unload();
    drv::settle();
    QVERIFY(!DragController::instance().active());
    QVERIFY(f.drops.isEmpty());
}

void TestForms::dragEndsAtOnceWhateverEndsIt_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Escape") << 0;
    QTest::newRow("a function key, as F5 validates") << 1;
    QTest::newRow("the source locked") << 2;
    QTest::newRow("the source hidden") << 3;
}

void TestForms::dragEndsAtOnceWhateverEndsIt() {
    QFETCH(int, how);
    drv::Run run;
    DragForm f;
    f.Show();
    QWidget* src = f.tags[2];
    const QPoint over = src->mapFromGlobal(f.target->mapToGlobal(f.target->rect().center()));
    QTest::mousePress(src, Qt::LeftButton, Qt::NoModifier, src->rect().center());
    QTest::mouseMove(src, over);
    QPointer<QWidget> outline = DragController::instance().indicator();
    QVERIFY(outline && outline->isVisible());
    switch (how) {
    case 0: QTest::keyClick(f.window(), Qt::Key_Escape); break;
    case 1: QTest::keyClick(f.window(), Qt::Key_F5); break;
    case 2: f.tags[2]->SetEnabled(false); break;
    default: f.tags[2]->SetVisible(false); break;
    }
    // Gone while the button is still held and the pointer still: the pupil sees nothing left to drop.
    QVERIFY(!DragController::instance().active());
    QVERIFY(!outline || !outline->isVisible());
    QTest::mouseRelease(src, Qt::LeftButton, Qt::NoModifier, over);
    drv::settle();
    QVERIFY(f.drops.isEmpty());
}

void TestForms::textBoxesTakeAnyText_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("a megabyte") << QString(1 << 20, QLatin1Char('a'));
    QTest::newRow("emoji") << QStringLiteral("noyau 🧬🔬");
    QTest::newRow("combining accent") << QStringLiteral("me\u0301mbrane");
    QTest::newRow("blanks only") << QStringLiteral("   ");
    QTest::newRow("right to left") << QStringLiteral("\u05E9\u05DC\u05D5\u05DD");
}

void TestForms::textBoxesTakeAnyText() {
    QFETCH(QString, text);
    drv::Run run;
    run.app().start();
    drv::click(run.nav().presentation, "Image1");
    drv::click(run.nav().info1, "cmdOK");
    drv::setText(run.nav().id, "txtNom", text);
    drv::click(run.nav().id, "Command1");
    QCOMPARE(run.record().Nom, text); // stored exactly, not cut or normalised
}

void TestForms::editableListKeepsTypedTextAndAddItemChoosesNothing() {
    drv::Run run;
    DragForm f;
    f.Show();
    auto* cb = new ComboBox(f.canvas());
    cb->setObjectName("cbTest");
    int clicks = 0;
    cb->click([&] { ++clicks; });
    cb->show();
    cb->AddItem("caractères héréditaires");
    cb->AddItem("caractères individuels");
    QCOMPARE(cb->Text(), QString());
    QCOMPARE(cb->ListIndex(), -1);
    drv::type(f, "cbTest", "Caractères");
    drv::key(f, Qt::Key_Return);
    // Typing and Enter are not a pick: no Click, no completion, no new item.
    QCOMPARE(cb->Text(), QStringLiteral("Caractères"));
    QCOMPARE(clicks, 0);
    QCOMPARE(cb->ListCount(), 2);
    // Nor is leaving the field with an item's text typed in it.
    cb->setTextValue(QString());
    drv::type(f, "cbTest", "caractères individuels");
    cb->lineEdit()->clearFocus();
    drv::settle();
    QCOMPARE(clicks, 0);
    QCOMPARE(cb->Text(), QStringLiteral("caractères individuels"));
    drv::pick(f, "cbTest", "caractères individuels");
    QCOMPARE(clicks, 1);
    QCOMPARE(cb->Text(), QStringLiteral("caractères individuels"));
    cb->kind(ComboBox::PickOnly);
    QCOMPARE(cb->Text(), QString());
}

void TestForms::dropDownShowsTheListsFont_data() {
    QTest::addColumn<bool>("editable");
    QTest::addColumn<bool>("viewFirst");  // the drop-down's view asked for before the font is set
    QTest::addColumn<bool>("openedFirst"); // opened once before the font is set
    QTest::newRow("pick-only") << false << false << false;
    QTest::newRow("editable") << true << false << false;
    QTest::newRow("view asked for first") << false << true << false;
    QTest::newRow("font changed after an opening") << false << false << true;
    QTest::newRow("editable, font changed after an opening") << true << false << true;
}

void TestForms::dropDownShowsTheListsFont() {
    QFETCH(bool, editable);
    QFETCH(bool, viewFirst);
    QFETCH(bool, openedFirst);
    drv::Run run;
    DragForm f;
    f.Show();
    auto* cb = new ComboBox(f.canvas(), editable ? ComboBox::Editable : ComboBox::PickOnly);
    cb->AddItem("XX");
    cb->AddItem("XY");
    cb->show();
    if (viewFirst) QVERIFY(cb->view());
    if (openedFirst) {
        cb->showPopup();
        cb->hidePopup();
    }
    cb->font({QStringLiteral("Times New Roman"), 14.25, Weight::Bold});
    cb->showPopup();
    QVERIFY(cb->view()->isVisible());
    QCOMPARE(cb->view()->font(), cb->QWidget::font());
    QCOMPARE(cb->view()->window()->font(), cb->QWidget::font());
    cb->hidePopup();
}

void TestForms::accessibleNamesAndRoles() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(2);
    struct Expect {
        const Form* form;
        const char* name;
        QAccessible::Role role;
        QString text;
    };
    const Expect cases[] = {
        {&ex, "imgValidation", QAccessible::Button, "Validation"},
        {&ex, "imgAbandon", QAccessible::Button, "Abandon"},
        {&ex, "lblInfo", QAccessible::StaticText, drv::kInstruction},
        {&run.nav().accueil, "Image2", QAccessible::Graphic, QStringLiteral("Une coccinelle rouge à points noirs")},
        {&run.nav().accueil, "cmdQuitter", QAccessible::Button, "Quitter"},
        {&run.nav().accueil, "chkExo2", QAccessible::CheckBox,
         QStringLiteral("Exercice 2 - La localisation du programme génétique (1)")},
    };
    for (const Expect& e : cases) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(drv::control(*e.form, e.name)->widget());
        QVERIFY2(a, e.name);
        QCOMPARE(a->role(), e.role);
        QCOMPARE(a->text(QAccessible::Name), e.text);
    }
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(drv::control(run.nav().accueil, "chkExo2")->widget());
    QVERIFY(box->state().checked);
    QVERIFY(box->state().disabled);
    QVERIFY(QAccessible::queryAccessibleInterface(drv::control(ex, "imgCorrection")->widget())->state().invisible);
    // Named as the pupil reads them, the controls are found and work.
    QCOMPARE(drv::named(ex, "Validation"), drv::control(ex, "imgValidation"));
    const QString title7 = QStringLiteral("Exercice 7 - Programme génétique et divisions cellulaires");
    QCOMPARE(drv::named(run.nav().accueil, title7, QAccessible::CheckBox), drv::control(run.nav().accueil, "chkExo7"));
    QCOMPARE(drv::named(run.nav().accueil, title7, QAccessible::StaticText), drv::control(run.nav().accueil, "lblExo7"));
}

void TestForms::runEndsWhenLastScreenUnloads() {
    drv::Run run;
    run.app().start();
    // One screen unloading itself and showing the next is not the end of the run.
    drv::click(run.nav().presentation, "Image1");
    QVERIFY(!run.ended());
    QVERIFY(run.nav().info1.loaded());
    run.nav().info1.window()->close();
    drv::settle();
    QVERIFY(run.ended());
    QVERIFY(!run.nav().id.loaded());
}

void TestForms::picturesAreValid() {
    // Every picture a screen names is there and draws.
    drv::Run run;
    QDirIterator it(":/assets", {"*.svg"}, QDir::Files, QDirIterator::Subdirectories);
    int seen = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QVERIFY2(renderer(path), qPrintable(path));
        QVERIFY2(!pictureSize(path).isEmpty(), qPrintable(path));
        ++seen;
    }
    QVERIFY(seen > 0);
}

void TestForms::picturesDrawnOffTheGuiThread_data() {
    // However the picture was asked for before, the screen shows the drawing itself, at its size.
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("before"); // what happened to the picture before the screen paints it
    QTest::addColumn<QSize>("size");     // none a screen uses, one per row: nothing drawn earlier answers
    const QString tick = QStringLiteral(":/assets/common/tick.svg");
    QTest::newRow("never asked for") << tick << "" << QSize(37, 29);
    QTest::newRow("queued for the background") << tick << "queue" << QSize(38, 29);
    QTest::newRow("hurried twice") << tick << "hurry hurry" << QSize(39, 29);
    QTest::newRow("queued, then hurried") << tick << "queue hurry" << QSize(40, 29);
    QTest::newRow("a resource that is not there")
        << QStringLiteral(":/assets/none.svg") << "queue hurry" << QSize(41, 29);
}

void TestForms::picturesDrawnOffTheGuiThread() {
    QFETCH(QString, resource);
    QFETCH(QString, before);
    QFETCH(QSize, size);
    drv::Run run;
    for (const QString& step : before.split(' ', Qt::SkipEmptyParts))
        (step == "queue" ? preparePicture : hurryPicture)(resource, QSizeF(size), 1.0);
    QImage shown(size, QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    QPainter p(&shown);
    drawPicture(p, resource, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    QCOMPARE(shown, onWhite(drawing(resource, size), size));
}

void TestForms::pictureIcons_data() {
    // A window's or a button's icon is the picture drawn on a clear ground at the size asked for, its shape
    // kept; greyed on a disabled button; nothing for a picture that is not there.
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("asked");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("title bar") << ":/assets/common/app_icon.svg" << QSize(16, 16) << QSize(16, 16);
    QTest::newRow("button") << ":/assets/common/printer.svg" << QSize(24, 24) << QSize(24, 24);
    QTest::newRow("wider than the picture") << ":/assets/common/printer.svg" << QSize(40, 20) << QSize(20, 20);
    QTest::newRow("not there") << ":/assets/none.svg" << QSize(16, 16) << QSize(0, 0);
}

void TestForms::pictureIcons() {
    QFETCH(QString, resource);
    QFETCH(QSize, asked);
    QFETCH(QSize, drawn);
    drv::Run run;
    const QIcon icon = pictureIcon(resource);
    const QImage normal = icon.pixmap(asked).toImage();
    QCOMPARE(normal.size(), drawn);
    if (drawn.isEmpty()) return;
    QImage expected(drawn, normal.format());
    expected.fill(Qt::transparent);
    QPainter p(&expected);
    renderer(resource)->render(&p);
    p.end();
    QCOMPARE(normal, expected);
    QCOMPARE(icon.pixmap(asked).toImage(), normal); // asked again, at every paint of its button
    const QImage disabled = icon.pixmap(asked, QIcon::Disabled).toImage();
    QCOMPARE(disabled.size(), drawn);
    QVERIFY(disabled != normal);
}

void TestForms::oneLineCaptions_data() {
    QTest::addColumn<double>("boxShare"); // the box's width, as a share of the caption's
    QTest::addColumn<bool>("runsPast");
    QTest::addColumn<bool>("hiddenFirst"); // built hidden, as a correction is, and shown later
    for (bool hidden : {false, true}) {
        const char* when = hidden ? ", shown later" : "";
        QTest::addRow("room to spare%s", when) << 1.2 << false << hidden;
        QTest::addRow("a letter short, as with a stand-in font%s", when) << 0.95 << true << hidden;
        QTest::addRow("cut short by design%s", when) << 0.55 << false << hidden;
    }
}

void TestForms::oneLineCaptions() {
    // A one-line caption a little too wide shows whole; one far too wide shows only what its box holds.
    QFETCH(double, boxShare);
    QFETCH(bool, runsPast);
    QFETCH(bool, hiddenFirst);
    drv::Run run;
    QWidget host;
    auto* label = new Label(&host);
    if (hiddenFirst) label->hidden();
    const QString caption = QStringLiteral("préalable des chromosomes permettant ainsi la ");
    label->font({QStringLiteral("Arial"), 9.75, Weight::Bold})->setCaption(caption);
    const int textPx = QFontMetrics(label->QWidget::font()).horizontalAdvance(caption);
    const int boxTw = int(textPx * boxShare) * 15;
    label->at(1500, 1500, boxTw, 255);
    host.show();
    if (hiddenFirst) label->SetVisible(true);
    const QRect box(100, 100, boxTw / 15, 17);
    QCOMPARE(label->geometry().topLeft(), box.topLeft());
    QCOMPARE(label->geometry().height(), box.height());
    if (runsPast) QVERIFY(label->geometry().width() > textPx);
    else QCOMPARE(label->geometry().width(), box.width());
    // A new caption is judged afresh.
    label->setCaption(QStringLiteral("la"));
    QCOMPARE(label->geometry(), box);
}

QTEST_MAIN(TestForms)
#include "test_forms.moc"
