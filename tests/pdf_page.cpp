#include "tests/pdf_page.h"

#include "tests/driver.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace pdf {

Text words(const QString& path) {
    Text t;
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return t;
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        auto num = [&a](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            ++t.pages;
            t.page = QSizeF(num("width"), num("height"));
        } else if (xml.name() == QLatin1String("word")) {
            const QRectF box(QPointF(num("xMin"), num("yMin")), QPointF(num("xMax"), num("yMax")));
            t.words.append({xml.readElementText(), box});
        }
    }
    return t;
}

QImage picture(const QString& path) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"),
                                         QStringLiteral("-singlefile"), QStringLiteral("-png"), path, stem});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return QImage();
    return QImage(stem + QStringLiteral(".png"));
}

namespace {

const Word* find(const Text& t, const QString& text, bool last = false) {
    const Word* found = nullptr;
    for (const Word& w : t.words)
        if (w.text == text && (!found || last)) found = &w;
    return found;
}

QRect onCanvas(const forms::Form& f, const QString& name) {
    QWidget* w = drv::control(f, name)->widget();
    return QRect(w->mapTo(f.canvas(), QPoint(0, 0)), w->size());
}

} // namespace

void checkSummaryPage(const QString& path, const forms::Form& s) {
    const Text t = words(path);
    QCOMPARE(t.pages, 1);
    QVERIFY2(t.page.width() > t.page.height(), "a wide window is printed across the page");
    const QRectF sheet(QPointF(0, 0), t.page);
    for (const Word& w : t.words)
        QVERIFY2(sheet.contains(w.box),
                 qPrintable(QStringLiteral("« %1 » lies beyond the page").arg(w.text)));

    QStringList expected;
    for (const char* label :
         {"lblNom", "lblPrenom", "lblClasse", "lblScore", "lblNote", "Label22", "Label11"})
        expected << drv::text(s, label).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int k = 1; k <= 20; ++k) {
        expected << QString::number(k) << drv::text(s, QStringLiteral("lbl%1").arg(k))
                 << drv::text(s, QStringLiteral("lblConseils%1").arg(k))
                        .split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    QStringList seen;
    for (const Word& w : t.words)
        seen << w.text;
    for (const QString& word : expected)
        QVERIFY2(seen.contains(word), qPrintable(word));
    QCOMPARE(seen.count(QStringLiteral("Exercice")), 20);
    QVERIFY(!seen.contains(QStringLiteral("Quitter")));

    // The page is the window scaled: two words far apart along each axis give the scale and the origin.
    const Word* nom = find(t, drv::text(s, "lblNom"));
    const Word* note = find(t, drv::text(s, "lblNote"));
    const Word* lastRow = find(t, QStringLiteral("Exercice"), true);
    QVERIFY(nom && note && lastRow);
    const QRect nomAt = onCanvas(s, "lblNom"), noteAt = onCanvas(s, "lblNote"),
                lastRowAt = onCanvas(s, "Label21");
    const double kx = (note->box.left() - nom->box.left()) / (noteAt.left() - nomAt.left());
    const double ky = (lastRow->box.top() - nom->box.top()) / (lastRowAt.top() - nomAt.top());
    QVERIFY2(std::abs(kx / ky - 1) < 0.03, qPrintable(QStringLiteral("scales %1 and %2").arg(kx).arg(ky)));
    const QSizeF drawn = QSizeF(s.canvas()->size()) * kx;
    const QPointF origin(nom->box.left() - nomAt.left() * kx, nom->box.top() - nomAt.top() * ky);
    QVERIFY2(drawn.width() <= t.page.width() && drawn.height() <= t.page.height(),
             "the window fits the page");
    QVERIFY2(std::max(drawn.width() / t.page.width(), drawn.height() / t.page.height()) > 0.85,
             "the window fills the page along one side");
    const QPointF middle = origin + QPointF(drawn.width(), drawn.height()) / 2;
    QVERIFY2(std::abs(middle.x() - t.page.width() / 2) < 0.03 * t.page.width(), "centred across");
    QVERIFY2(std::abs(middle.y() - t.page.height() / 2) < 0.03 * t.page.height(), "centred down");

    // Where the print button stands on screen, the page is blank.
    const QImage page = picture(path);
    QVERIFY(!page.isNull());
    const QRect button = onCanvas(s, "cmdPrint");
    const QRectF there(origin + QPointF(button.topLeft()) * kx, QSizeF(button.size()) * kx);
    for (int y = int(there.top()) + 1; y < int(there.bottom()); ++y)
        for (int x = int(there.left()) + 1; x < int(there.right()); ++x)
            QVERIFY2(page.pixelColor(x, y) == Qt::white, "nothing printed where the print button stands");
}

namespace {

// Where anything is drawn on the page.
QRect inked(const QImage& page) {
    QRect r;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 224) r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

namespace {

// How far the picture drawn on one page is from the one on another, once both are brought to the same size:
// 0 for the same picture, 1 for its negative.
double difference(const QImage& page, const QImage& expected) {
    const QRect ink = inked(page), expectedInk = inked(expected);
    if (ink.isEmpty() || expectedInk.isEmpty()) return 1;
    const QImage a =
        page.copy(ink).scaled(expectedInk.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage b = expected.copy(expectedInk);
    double sum = 0;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (255.0 * b.width() * b.height());
}

} // namespace

void checkSamePicture(const QString& path, const QString& reference) {
    QImage page = picture(path);
    const QImage expected = picture(reference);
    QVERIFY(!page.isNull() && !expected.isNull());
    QVERIFY2(expected.width() > expected.height(), "a wide window is printed across the page");
    // A queue may turn the sheet instead of the page: the picture is then read turned back.
    if (page.height() > page.width()) {
        const QImage left = page.transformed(QTransform().rotate(-90)),
                     right = page.transformed(QTransform().rotate(90));
        page = difference(left, expected) < difference(right, expected) ? left : right;
    }
    const QRect ink = inked(page), expectedInk = inked(expected);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(page.rect().adjusted(2, 2, -2, -2).contains(ink), "the picture stays within the sheet");
    QVERIFY2(std::max(double(ink.width()) / page.width(), double(ink.height()) / page.height()) > 0.75,
             "the picture fills the sheet along one side");
    // Proportions kept, and as large as the page allows, give or take the printer's margins.
    const double ratio = double(ink.width()) / ink.height();
    const double expectedRatio = double(expectedInk.width()) / expectedInk.height();
    QVERIFY2(std::abs(ratio / expectedRatio - 1) < 0.03,
             qPrintable(QStringLiteral("proportions %1 against %2").arg(ratio).arg(expectedRatio)));
    const double size = double(ink.width()) / expectedInk.width();
    QVERIFY2(size > 0.85 && size < 1.1, qPrintable(QStringLiteral("drawn %1 times as large").arg(size)));
    const QPointF offCentre = QRectF(ink).center() - QPointF(page.width(), page.height()) / 2;
    const QPointF expectedOffCentre =
        QRectF(expectedInk).center() - QPointF(expected.width(), expected.height()) / 2;
    QVERIFY2((offCentre - expectedOffCentre).manhattanLength() < 0.03 * page.width(),
             "placed as the reference is");
    const double d = difference(page, expected);
    QVERIFY2(d < 0.06, qPrintable(QStringLiteral("the pictures differ by %1").arg(d)));
}

} // namespace pdf
