#include <QtTest>
class TestForms : public QObject { Q_OBJECT private slots: void nothing() {} };
QTEST_MAIN(TestForms)
#include "test_forms.moc"
