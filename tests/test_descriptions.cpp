// What a screen reader says of a picture describes the drawing and never tells the answer: a pupil who
// listens learns no more than one who looks.
#include "tests/driver.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace forms;

namespace {

// Lower case, one kind of apostrophe, words joined by single blanks.
QString plain(QString s) {
    s = s.toLower();
    s.replace(QChar(0x2019), QLatin1Char('\''));
    s.replace(QRegularExpression(QStringLiteral("[^\\w']+"), QRegularExpression::UseUnicodePropertiesOption),
              QStringLiteral(" "));
    return QLatin1Char(' ') + s.simplified() + QLatin1Char(' ');
}

// The phrase, or its plural, among the words of the text.
bool says(const QString& text, const QString& phrase) {
    const QString p = plain(phrase).trimmed();
    return plain(text).contains(
        QRegularExpression(QStringLiteral(" %1[sx]? ").arg(QRegularExpression::escape(p))));
}

// Words that tell nothing on their own, so that two answers sharing one are not taken for one phrase.
bool linking(const QString& w) {
    static const QStringList words = {
        QStringLiteral("de"),  QStringLiteral("d'"),  QStringLiteral("la"),  QStringLiteral("le"),
        QStringLiteral("les"), QStringLiteral("l'"),  QStringLiteral("un"),  QStringLiteral("une"),
        QStringLiteral("des"), QStringLiteral("du"),  QStringLiteral("à"),   QStringLiteral("et"),
        QStringLiteral("en"),  QStringLiteral("sur"), QStringLiteral("par"), QStringLiteral("sous"),
        QStringLiteral("aux"), QStringLiteral("au"),  QStringLiteral("avec")};
    return words.contains(w);
}

// What an answer gives away: the whole of it, and each pair of its words that both carry meaning.
QStringList phrasesOf(const QString& answer) {
    QStringList out = {answer};
    const QStringList words = plain(answer).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < words.size(); ++i)
        if (!linking(words[i]) && !linking(words[i + 1])) out << words[i] + QLatin1Char(' ') + words[i + 1];
    return out;
}

// The words a picture prints, from the text elements of its drawing as written (the program carries them
// as outlines).
QString printedBy(const Picture* p) {
    QFile f(QStringLiteral(QT_TESTCASE_SOURCEDIR "/..") + p->Source().mid(1));
    if (!f.open(QIODevice::ReadOnly)) {
        qWarning("no drawing %s", qPrintable(f.fileName()));
        return QString();
    }
    QXmlStreamReader xml(&f);
    QString out;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
            out += xml.readElementText(QXmlStreamReader::IncludeChildElements) + QLatin1String(" | ");
    return out;
}

// The screen's controls of a kind (the controls declare no meta-object of their own to look them up by).
template <class T> QList<T*> all(const Form& f) {
    QList<T*> out;
    for (QWidget* w : f.window()->findChildren<QWidget*>())
        if (auto* c = dynamic_cast<T*>(w)) out << c;
    return out;
}

} // namespace

class TestDescriptions : public QObject {
    Q_OBJECT
  private slots:
    void noDescriptionTellsTheAnswer_data();
    void noDescriptionTellsTheAnswer();
};

void TestDescriptions::noDescriptionTellsTheAnswer_data() {
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 20; ++n)
        QTest::addRow("exercice %d", n) << n;
}

void TestDescriptions::noDescriptionTellsTheAnswer() {
    QFETCH(int, n);
    drv::Run run;
    run.toHome();
    ExerciseScreen& ex = run.open(n);
    QVERIFY(QTest::qWaitForWindowExposed(ex.window()));
    // What the pupil sees before answering: the pictures he may have described, and the captions the
    // screen prints beside them ("A" by a cell), which a description may name as the looker reads them.
    QList<const Picture*> pictures;
    QStringList captions;
    for (const Picture* p : all<Picture>(ex))
        if (p->isVisible() && !p->isButton() && !p->accessibleText().isEmpty()) pictures << p;
    for (const Label* l : all<Label>(ex))
        if (l->isVisible()) captions << plain(l->Caption());
    // The answers, as the screen itself fills them in.
    ex.enterRightAnswers();
    QStringList answers;
    for (const ComboBox* cb : all<ComboBox>(ex))
        if (!cb->Text().isEmpty()) answers << cb->Text();
    for (const TextBox* t : all<TextBox>(ex))
        if (!t->text().isEmpty()) answers << t->text();
    for (const Picture* p : pictures) {
        const QString said = p->accessibleText();
        const QString printed = printedBy(p);
        for (const QString& answer : answers)
            for (const QString& phrase : phrasesOf(answer))
                QVERIFY2(!says(said, phrase) || says(printed, phrase) || captions.contains(plain(phrase)),
                         qPrintable(QStringLiteral("%1 says \"%2\": \"%3\" answers \"%4\"")
                                        .arg(p->objectName(), said, phrase.trimmed(), answer)));
    }
}

QTEST_MAIN(TestDescriptions)
#include "test_descriptions.moc"
