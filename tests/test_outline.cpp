// The pictures' words turned into outlines when the program is built: drawn as the words were, refused
// where they cannot be outlined exactly, and no picture in the program left with words.
#include "tools/outline/words.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

namespace {

QImage drawn(const QByteArray& svg) {
    QSvgRenderer r(svg);
    QImage image(r.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    r.render(&p);
    return image;
}

// Pixels that differ by more than a quarter of full scale, against the pixels inked at all.
QPair<int, int> difference(const QImage& a, const QImage& b) {
    int differ = 0, inked = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor ca = a.pixelColor(x, y), cb = b.pixelColor(x, y);
            if (ca != Qt::white || cb != Qt::white) ++inked;
            const int d = std::max({std::abs(ca.red() - cb.red()), std::abs(ca.green() - cb.green()),
                                    std::abs(ca.blue() - cb.blue())});
            if (d > 64) ++differ;
        }
    return {differ, inked};
}

QByteArray picture(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"160\" height=\"60\" "
           "viewBox=\"0 0 160 60\">\n<title>Caryotype : 10 µm</title>\n" +
           body + "\n</svg>\n";
}

} // namespace

class TestOutline : public QObject {
    Q_OBJECT
  private slots:
    void drawnAsTheWords_data() {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("font from the group, centred")
            << QByteArray("<g font-family=\"Liberation Sans\" font-size=\"10\" font-weight=\"bold\">"
                          "<text x=\"40\" y=\"30\" fill=\"#1A1A1A\" text-anchor=\"middle\">12</text>"
                          "<text x=\"100\" y=\"30\" fill=\"#D61010\" text-anchor=\"middle\">X</text></g>");
        QTest::newRow("own font, ending at x, half transparent") << QByteArray(
            "<text x=\"150\" y=\"40\" font-family=\"Liberation Sans\" font-size=\"16\" font-weight=\"bold\" "
            "fill=\"#5a0402\" fill-opacity=\"0.55\" text-anchor=\"end\">Validation</text>");
        QTest::newRow("a size between pixels, starting at x") << QByteArray(
            "<text x=\"5\" y=\"35\" font-family=\"Liberation Sans\" font-size=\"12.5\" font-weight=\"bold\" "
            "fill=\"#000000\">caryotype 1</text>");
        QTest::newRow("turned, regular weight, accents") << QByteArray(
            "<text transform=\"translate(20,55) rotate(-90)\" font-family=\"Liberation Sans\" "
            "font-size=\"10\" "
            "fill=\"#000000\" text-anchor=\"start\">Matériel</text>"
            "<g font-family=\"Liberation Sans\" font-size=\"8\" font-weight=\"normal\" fill=\"#222222\">"
            "<text x=\"90\" y=\"50\">10  µm\n </text></g>");
    }
    void drawnAsTheWords() {
        QFETCH(QByteArray, body);
        const QByteArray svg = picture(body);
        QString error;
        const QByteArray outlined = outline::outlineWords(svg, &error);
        QVERIFY2(!outlined.isEmpty(), qPrintable(error));
        QVERIFY(!outlined.contains("<text"));
        QVERIFY(outlined.contains("<path"));
        // Everything around the words is left as it was.
        QVERIFY(outlined.startsWith(svg.left(svg.indexOf("<text"))));
        QVERIFY(outlined.endsWith(svg.mid(svg.lastIndexOf("</text>") + 7)));
        const auto [differ, inked] = difference(drawn(svg), drawn(outlined));
        QVERIFY(inked > 40);
        QVERIFY2(differ * 20 <= inked,
                 qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(differ).arg(inked)));
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("svg");
        QTest::newRow("a word with an element inside")
            << picture("<text x=\"5\" y=\"30\" font-family=\"Liberation Sans\" "
                       "font-size=\"10\">1<tspan>2</tspan></text>");
        QTest::newRow("one position per letter") << picture(
            "<text x=\"5 12\" y=\"30\" font-family=\"Liberation Sans\" font-size=\"10\">12</text>");
        QTest::newRow("a font this machine lacks")
            << picture("<text x=\"5\" y=\"30\" font-family=\"Zzyzx Nowhere\" font-size=\"10\">12</text>");
        QTest::newRow("no size") << picture(
            "<text x=\"5\" y=\"30\" font-family=\"Liberation Sans\">12</text>");
        QTest::newRow("not a picture") << QByteArray("<svg><text>1</svg>");
    }
    void refused() {
        QFETCH(QByteArray, svg);
        QString error;
        QVERIFY(outline::outlineWords(svg, &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void noPictureInTheProgramHasWords() {
        int pictures = 0;
        for (QDirIterator it(QStringLiteral(":/assets"), {QStringLiteral("*.svg")}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext(); ++pictures) {
            QFile f(it.next());
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray svg = f.readAll();
            QVERIFY2(!svg.contains("<text"), qPrintable(f.fileName()));
            QVERIFY2(QSvgRenderer(svg).isValid(), qPrintable(f.fileName()));
        }
        QVERIFY(pictures > 0);
    }
};

QTEST_MAIN(TestOutline)
#include "test_outline.moc"
