// What a pupil reads in a list or a text box he is not typing in: the start of his answer, a wheel that
// leaves alone the lists it merely passes over, and a disabled field he can still read.
#include "tests/driver.h"

#include <QLineEdit>
#include <QWheelEvent>
#include <cmath>
#include <optional>

using namespace forms;

namespace {

// The screen's controls of a kind (the controls declare no meta-object of their own to look them up by).
template <class T> QList<T*> all(const Form& f) {
    QList<T*> out;
    for (QWidget* w : f.window()->findChildren<QWidget*>())
        if (auto* c = dynamic_cast<T*>(w)) out << c;
    return out;
}

// The editable fields of a screen: the text boxes and the text fields of the editable lists.
QList<QLineEdit*> fields(const Form& f) {
    QList<QLineEdit*> out;
    for (auto* t : all<TextBox>(f))
        out << t;
    for (auto* cb : all<ComboBox>(f))
        if (cb->lineEdit()) out << cb->lineEdit();
    return out;
}

QString nameOf(const QLineEdit* field) {
    const QObject* o = dynamic_cast<const ComboBox*>(field->parent()) ? field->parent() : field;
    return o->objectName();
}

// The position of the first character standing at the field's left edge: 0 when the field shows the start.
int firstVisible(QLineEdit* field) {
    field->grab(); // the field works out what it shows when it draws itself
    const QRect r = field->contentsRect().marginsRemoved(field->textMargins());
    return field->cursorPositionAt(QPoint(r.left() + 2, r.center().y()));
}

// Every field but the one the pupil is in.
void checkStartShown(const Form& f, const char* when) {
    for (QLineEdit* field : fields(f))
        QVERIFY2(field->text().isEmpty() || drv::focused(f) == field || firstVisible(field) == 0,
                 qPrintable(QStringLiteral("%1 %2 shows \"%3\" from character %4")
                                .arg(nameOf(field), QString::fromLatin1(when), field->text())
                                .arg(firstVisible(field))));
}

// The pupil steps to the item with the arrow keys in the closed list, as the keyboard picks.
void pickWithKeys(ComboBox* cb, int i) {
    cb->setFocus(Qt::TabFocusReason);
    QVERIFY(cb->window()->focusWidget() == cb || cb->window()->focusWidget() == cb->lineEdit());
    QWidget* keys = cb->window()->focusWidget();
    for (int guard = 0; cb->currentIndex() != i && guard <= cb->count(); ++guard)
        QTest::keyClick(keys, cb->currentIndex() < i ? Qt::Key_Down : Qt::Key_Up);
    drv::settle();
    QCOMPARE(cb->currentIndex(), i);
}

int longestItem(const ComboBox* cb) {
    int best = 0;
    for (int i = 1; i < cb->count(); ++i)
        if (cb->itemText(i).size() > cb->itemText(best).size()) best = i;
    return best;
}

// WCAG relative luminance and contrast.
double luminance(QColor c) {
    auto lin = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The field's background as drawn (its commonest colour inside the frame) and the colour of its text
// (the drawn colour farthest from it).
std::pair<QColor, QColor> drawnColours(QWidget* w) {
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect inside = img.rect().adjusted(3, 3, -3, -3);
    QHash<QRgb, int> count;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++count[img.pixel(x, y)];
    QRgb back = 0;
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (it.value() > count.value(back)) back = it.key();
    QColor text = QColor(back);
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (contrast(QColor(it.key()), QColor(back)) > contrast(text, QColor(back))) text = QColor(it.key());
    return {QColor(back), text};
}

} // namespace

class TestFields : public QObject {
    Q_OBJECT
  private slots:
    void startOfTextShown_data();
    void startOfTextShown();
    void wheelTurnsOnlyTheFocusedList();
    void disabledListsReadable_data();
    void disabledListsReadable();
    void oneDisabledLookOnEveryScreen();
};

void TestFields::startOfTextShown_data() {
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 20; ++n)
        QTest::addRow("exercice %d", n) << n;
}

void TestFields::startOfTextShown() {
    QFETCH(int, n);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    ex.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ex.window()));
    // As the screen set them.
    checkStartShown(ex, "at the opening");
    // Each list's longest item, picked with the keys: the list keeps the focus, yet shows the pick.
    for (ComboBox* cb : all<ComboBox>(ex)) {
        if (!cb->isVisible() || !cb->isEnabled() || cb->count() == 0) continue;
        pickWithKeys(cb, longestItem(cb));
        if (QTest::currentTestFailed()) return;
        if (cb->lineEdit())
            QVERIFY2(firstVisible(cb->lineEdit()) == 0, qPrintable(cb->objectName() + " after the pick"));
    }
    // A long text typed in a box shows its end while the pupil types, its start once he has left it.
    const QList<TextBox*> boxes = all<TextBox>(ex);
    for (TextBox* t : boxes) {
        if (!t->isVisible() || !t->isEnabled()) continue;
        drv::type(ex, t->objectName(),
                  QStringLiteral("une réponse bien plus longue que la case qui la montre"));
        QCOMPARE(drv::focused(ex), t);
        if (t->fontMetrics().horizontalAdvance(t->text()) > t->contentsRect().width())
            QVERIFY2(firstVisible(t) > 0, qPrintable(t->objectName() + " scrolls as it is typed in"));
        QTest::keyClick(t, Qt::Key_Tab);
        QVERIFY(drv::focused(ex) != t);
        QVERIFY2(firstVisible(t) == 0, qPrintable(t->objectName() + " after the focus left"));
    }
    checkStartShown(ex, "before Validation");
    ex.imgValidation_Click();
    checkStartShown(ex, "after Validation");
    if (ex.imgCorrection->Visible()) {
        ex.imgCorrection_Click();
        checkStartShown(ex, "in the correction");
    }
}

void TestFields::wheelTurnsOnlyTheFocusedList() {
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(5);
    ex.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(ex.window()));
    auto* cb1 = drv::get<ComboBox>(ex, "cb1");
    auto* cb3 = drv::get<ComboBox>(ex, "cb3");
    drv::pick(ex, "cb3", "2 chromosomes");
    cb1->setFocus(Qt::MouseFocusReason);
    // Over the list, with the pointer at its middle.
    auto turn = [](ComboBox* cb, int steps) {
        QWidget* under = cb;
        for (int k = 0; k < steps; ++k) {
            const QPointF at = QPointF(under->rect().center());
            QWheelEvent e(at, under->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(under, &e);
        }
        drv::settle();
    };
    turn(cb3, 3);
    QCOMPARE(cb3->currentIndex(), 1);
    QCOMPARE(cb3->Text(), QStringLiteral("2 chromosomes"));
    QVERIFY(drv::focused(ex) == cb1 || drv::focused(ex) == cb1->lineEdit());
    // The list the pupil is in turns, and says its item from the start.
    drv::pick(ex, "cb1", "d'un homme");
    cb1->setFocus(Qt::MouseFocusReason);
    turn(cb1, 1);
    QCOMPARE(cb1->Text(), QStringLiteral("d'une femme"));
    QCOMPARE(firstVisible(cb1->lineEdit()), 0);
}

void TestFields::disabledListsReadable_data() {
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("item");
    QTest::newRow("pick-only, exercise 2")
        << 2 << QStringLiteral("cb4") << QStringLiteral("cellule pancréatique");
    QTest::newRow("editable, exercise 9") << 9 << QStringLiteral("cb9") << QStringLiteral("interphase");
}

void TestFields::disabledListsReadable() {
    QFETCH(int, n);
    QFETCH(QString, list);
    QFETCH(QString, item);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    QVERIFY(QTest::qWaitForWindowExposed(ex.window()));
    drv::pick(ex, list, item);
    auto* cb = drv::get<ComboBox>(ex, list);
    QWidget* field = cb->lineEdit() ? static_cast<QWidget*>(cb->lineEdit()) : cb;
    const auto enabled = drawnColours(field);
    ex.imgValidation_Click();
    QVERIFY(!cb->isEnabled());
    const auto [back, text] = drawnColours(field);
    QVERIFY2(contrast(text, back) >= 4.5, qPrintable(QStringLiteral("%1 on %2: %3 to 1")
                                                         .arg(text.name(), back.name())
                                                         .arg(contrast(text, back), 0, 'f', 2)));
    // Grey on a light field, and not the field in use.
    QVERIFY(text.red() == text.green() && text.green() == text.blue());
    QVERIFY(luminance(back) > 0.8);
    QVERIFY(enabled != std::make_pair(back, text));
}

void TestFields::oneDisabledLookOnEveryScreen() {
    drv::Run run;
    run.toHome();
    std::optional<std::pair<QColor, QColor>> look;
    QString first;
    for (int n = 1; n <= 20; ++n) {
        ExerciseScreen& ex = run.open(n);
        ex.imgValidation_Click();
        QList<QWidget*> disabled;
        for (auto* w : all<Control>(ex))
            if (w->windowed() && (dynamic_cast<ComboBox*>(w) || dynamic_cast<TextBox*>(w)) && !w->Enabled())
                disabled << w->widget();
        for (QWidget* w : disabled) {
            const QWidget* field = w;
            if (auto* cb = dynamic_cast<ComboBox*>(w); cb && cb->lineEdit()) field = cb->lineEdit();
            const QPalette& p = field->palette();
            const auto colours = std::make_pair(p.color(QPalette::Disabled, QPalette::Base),
                                                p.color(QPalette::Disabled, QPalette::Text));
            const auto label = std::make_pair(p.color(QPalette::Disabled, QPalette::Button),
                                              p.color(QPalette::Disabled, QPalette::ButtonText));
            const QString where = QStringLiteral("%1.%2").arg(ex.name(), w->objectName());
            if (!look) look = colours, first = where;
            QVERIFY2(colours == *look, qPrintable(where + " is not drawn as " + first));
            if (!dynamic_cast<ComboBox*>(w) || !static_cast<ComboBox*>(w)->lineEdit())
                QVERIFY2(label == *look, qPrintable(where + " is not drawn as " + first));
        }
        ex.imgContinuer_Click();
        drv::settle();
    }
    QVERIFY(look);
}

QTEST_MAIN(TestFields)
#include "test_fields.moc"
