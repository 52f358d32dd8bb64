// Under a real X server: the summary's dialogs destroyed by another program, as `xdotool windowclose` or a
// window manager's kill does. Skipped where there is no X display (set DISPLAY to run it).
#include "tests/driver.h"

#include <QDialog>
#include <QMessageBox>
#include <xcb/xcb.h>

using namespace forms;

namespace {

// Destroys the window through a connection of its own, as another program on the same display would.
void destroyFromOutside(QWidget* w) {
    xcb_connection_t* other = xcb_connect(nullptr, nullptr);
    QVERIFY(!xcb_connection_has_error(other));
    xcb_destroy_window(other, xcb_window_t(w->winId()));
    free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr)); // done once answered
    xcb_disconnect(other);
}

// A connection to the display, if there is one. Held until Qt has its own: a server whose last client
// leaves starts afresh, and refuses connections for a moment.
xcb_connection_t* openDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return nullptr;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(c)) return c;
    xcb_disconnect(c);
    return nullptr;
}

} // namespace

class TestX11 : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void dialogsDestroyedFromOutside();
};

void TestX11::initTestCase() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) QSKIP("needs an X server: set DISPLAY");
}

void TestX11::dialogsDestroyedFromOutside() {
    drv::Run run;
    run.toHome();
    drv::click(run.nav().accueil, "cmdQuitter");
    frmBilan& s = run.nav().bilan;
    s.printer = [](const Page&) { return false; };
    // The print message goes first; the second time it is answered, and the save dialog goes.
    QString goes = QStringLiteral("msgImpression");
    QStringList destroyed;
    QTimer outside;
    QObject::connect(&outside, &QTimer::timeout, [&] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || !d->isVisible() || d->property("seen").toBool()) return;
        d->setProperty("seen", true);
        if (d->objectName() == goes) {
            destroyed << goes;
            destroyFromOutside(d);
        } else if (auto* box = qobject_cast<QMessageBox*>(d)) {
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QLatin1String("Enregistrer en PDF")) b->click();
        }
    });
    outside.start(50);
    bool stuck = false;
    for (const char* dialog : {"msgImpression", "dlgEnregistrer"}) {
        goes = QString::fromLatin1(dialog);
        QTimer::singleShot(10000, &outside, [&stuck] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                stuck = true, d->reject();
        });
        drv::click(s, "cmdPrint");
        QVERIFY2(!stuck, dialog);
        QVERIFY(!QApplication::activeModalWidget() && !QGuiApplication::modalWindow());
        QVERIFY(s.loaded() && drv::visible(s, "cmdPrint") && drv::visible(s, "cmdQuitter"));
    }
    QCOMPARE(destroyed, QStringList({"msgImpression", "dlgEnregistrer"}));
    // Alt+Q reaches the summary through the window system, which a modal dialog would have refused.
    QTRY_COMPARE(QApplication::activeWindow(), s.window());
    QTest::keyClick(s.window()->windowHandle(), Qt::Key_Q, Qt::AltModifier);
    drv::settle();
    QVERIFY(run.ended());
}

int main(int argc, char** argv) {
    xcb_connection_t* probe = openDisplay();
    qputenv("QT_QPA_PLATFORM", probe ? "xcb" : "offscreen");
    QApplication app(argc, argv);
    if (probe) xcb_disconnect(probe);
    TestX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_x11.moc"
