// The style: lists and buttons look the same at every opening, enabled or not, and reopening a screen
// does not make the toolkit keep a new picture of each of them.
#include "tests/driver.h"

#include "framework/style.h"

#include <QStyleFactory>

using namespace forms;

namespace {

// Lists and a button coloured as the exercise screens colour theirs.
class ListsForm : public Form {
public:
    ListsForm() : Form(QStringLiteral("frmListes")) {}
    QPointer<ComboBox> open, other;
    QPointer<CommandButton> button;

protected:
    WindowDesign design() const override { return {QStringLiteral("Listes"), WindowStyle::Sizable, 6000, 3000, 0xFDFFFF}; }
    void build() override {
        open = make<ComboBox>("cbOuvert")->kind(ComboBox::PickOnly)->colors(0x800000, 0xFFFFFF)->at(300, 300, 3000, 315);
        other = make<ComboBox>("cbAutre")->kind(ComboBox::PickOnly)->colors(0x800000, 0xFFFFFF)->at(300, 900, 3000, 315);
        button = make<CommandButton>("cmdOK")->setCaption("&OK")->face(0xE7E9EF)->at(300, 1500, 1200, 375);
        for (ComboBox* c : {open.data(), other.data()}) c->AddItem(QStringLiteral("des oreilles de sa mère"));
    }
};

const ScaledStyle* scaledStyle() { return dynamic_cast<const ScaledStyle*>(QApplication::style()); }

} // namespace

class TestStyle : public QObject {
    Q_OBJECT
private slots:
    void reopenedScreenDrawsFromTheSamePalettes();
    void drawnAsThePlainStyleDraws_data();
    void drawnAsThePlainStyleDraws();
    void listsDisabledByValidationLookDisabled();
};

void TestStyle::reopenedScreenDrawsFromTheSamePalettes() {
    drv::Run run;
    run.nav().presentation.Show(); // keeps the run going while the screen is away
    ListsForm f;
    QVERIFY(scaledStyle());
    QList<quint64> first;
    QImage before;
    for (int opening = 0; opening < 3; ++opening) {
        f.Show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window()));
        // The toolkit files its pictures of lists and buttons under the palette's identity: one identity
        // per colour scheme, whatever the opening, keeps that store from growing with every opening.
        QList<quint64> keys;
        for (QWidget* w : {static_cast<QWidget*>(f.open), static_cast<QWidget*>(f.other), static_cast<QWidget*>(f.button)})
            keys << scaledStyle()->shared(w->palette()).cacheKey();
        const QImage now = f.canvas()->grab().toImage();
        if (opening == 0) {
            first = keys;
            before = now;
        } else {
            QCOMPARE(keys, first);
            QCOMPARE(now, before);
        }
        f.Unload();
        drv::settle();
    }
    QCOMPARE(first[0], first[1]); // the two lists share their colours
    QVERIFY(first[0] != first[2]); // the button's face is another scheme
}

void TestStyle::drawnAsThePlainStyleDraws_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("list") << QStringLiteral("cbOuvert");
    QTest::newRow("button") << QStringLiteral("cmdOK");
}

void TestStyle::drawnAsThePlainStyleDraws() {
    QFETCH(QString, control);
    drv::Run run;
    ListsForm f;
    f.Show();
    QVERIFY(QTest::qWaitForWindowExposed(f.window()));
    // Every control is drawn once first, so a shared palette is in play for each of them.
    f.canvas()->grab();
    QWidget* w = drv::control(f, control)->widget();
    const QImage shared = w->grab().toImage();
    // At scale 1 the scaled style measures as the plain one; only the palette's identity differs.
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    w->setStyle(plain.get());
    const QImage own = w->grab().toImage();
    w->setStyle(nullptr);
    QCOMPARE(shared, own);
    f.Unload();
    drv::settle();
}

void TestStyle::listsDisabledByValidationLookDisabled() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(1);
    QVERIFY(QTest::qWaitForWindowExposed(ex.window()));
    ex.canvas()->grab(); // drawn enabled first
    ex.imgValidation_Click();
    std::unique_ptr<QStyle> plain(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QString& name : {QStringLiteral("cb1"), QStringLiteral("cb2"), QStringLiteral("cb3")}) {
        QWidget* w = drv::control(ex, name)->widget();
        QVERIFY(!w->isEnabled());
        const QImage shared = w->grab().toImage();
        w->setStyle(plain.get());
        const QImage own = w->grab().toImage();
        w->setStyle(nullptr);
        QCOMPARE(shared, own);
    }
}

QTEST_MAIN(TestStyle)
#include "test_style.moc"
