#include "tools/outline/words.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainterPath>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>
#include <vector>

namespace outline {

namespace {

// What a word takes from the elements around it.
const QStringList kInherited = {QStringLiteral("font-family"), QStringLiteral("font-size"),
                                QStringLiteral("font-weight"), QStringLiteral("font-style"),
                                QStringLiteral("text-anchor")};
// What the outline takes in place of the word's own attributes.
const QStringList kConsumed =
    kInherited + QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("transform")};

QString number(double v) {
    QString s = QString::number(v, 'f', 2);
    while (s.contains(QLatin1Char('.')) && (s.endsWith(QLatin1Char('0')) || s.endsWith(QLatin1Char('.'))))
        s.chop(1);
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    return s;
}

QString pathData(const QPainterPath& p) {
    QString d;
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element e = p.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += QLatin1Char('M') + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::LineToElement:
            d += QLatin1Char('L') + number(e.x) + QLatin1Char(' ') + number(e.y);
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = p.elementAt(i + 1), to = p.elementAt(i + 2);
            d += QLatin1Char('C') + number(e.x) + QLatin1Char(' ') + number(e.y) + QLatin1Char(' ') +
                 number(c2.x) + QLatin1Char(' ') + number(c2.y) + QLatin1Char(' ') + number(to.x) +
                 QLatin1Char(' ') + number(to.y);
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d;
}

bool toNumber(QString s, double* v) {
    s = s.trimmed();
    if (s.endsWith(QLatin1String("px"))) s.chop(2);
    bool ok = false;
    *v = s.toDouble(&ok);
    return ok;
}

// The outline of one word, or an empty string with the reason in *error.
QString outlined(const QXmlStreamAttributes& own, const QHash<QString, QString>& style, QString text,
                 QString* error) {
    // Spaces as the renderer shows them: line breaks dropped, runs of blanks made one, none at the ends.
    text.remove(QLatin1Char('\n'));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text = text.trimmed();
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    text.replace(blanks, QStringLiteral(" "));

    double x = 0, y = 0, size = 0;
    if ((own.hasAttribute(QLatin1String("x")) && !toNumber(own.value(QLatin1String("x")).toString(), &x)) ||
        (own.hasAttribute(QLatin1String("y")) && !toNumber(own.value(QLatin1String("y")).toString(), &y))) {
        *error = QStringLiteral("\"%1\": one position only").arg(text);
        return {};
    }
    QString family = style.value(QStringLiteral("font-family")).section(QLatin1Char(','), 0, 0).trimmed();
    family.remove(QLatin1Char('\'')).remove(QLatin1Char('"'));
    if (family.isEmpty() || !toNumber(style.value(QStringLiteral("font-size")), &size) || size <= 0) {
        *error = QStringLiteral("\"%1\": no font family or size").arg(text);
        return {};
    }
    // Drawn large and scaled down: the letters' own shapes and spacing, untouched by any fitting to pixels.
    constexpr int kDrawn = 1000;
    QFont font(family);
    font.setPixelSize(kDrawn);
    font.setHintingPreference(QFont::PreferNoHinting);
    const QString weight = style.value(QStringLiteral("font-weight"));
    font.setBold(weight == QLatin1String("bold") || weight == QLatin1String("bolder") ||
                 weight.toInt() >= 600);
    font.setItalic(style.value(QStringLiteral("font-style")) == QLatin1String("italic"));
    if (QFontInfo(font).family() != family) {
        *error = QStringLiteral("\"%1\": the font %2 is not installed").arg(text, family);
        return {};
    }
    const double scale = size / kDrawn;
    QPainterPath letters;
    letters.addText(0, 0, font, text);
    letters = QTransform::fromScale(scale, scale).map(letters);
    const double advance = QFontMetricsF(font).horizontalAdvance(text) * scale;
    const QString anchor = style.value(QStringLiteral("text-anchor"));
    if (anchor == QLatin1String("middle"))
        x -= advance / 2;
    else if (anchor == QLatin1String("end"))
        x -= advance;

    QString transform = own.value(QLatin1String("transform")).toString().trimmed();
    if (!transform.isEmpty()) transform += QLatin1Char(' ');
    transform += QStringLiteral("translate(%1,%2)").arg(number(x), number(y));
    QString path = QStringLiteral("<path");
    for (const QXmlStreamAttribute& a : own)
        if (!kConsumed.contains(a.qualifiedName().toString()))
            path += QStringLiteral(" %1=\"%2\"")
                        .arg(a.qualifiedName().toString(), a.value().toString().toHtmlEscaped());
    path += QStringLiteral(" transform=\"%1\" fill-rule=\"nonzero\" d=\"%2\"/>")
                .arg(transform, pathData(letters));
    return path;
}

} // namespace

QByteArray outlineWords(const QByteArray& svg, QString* error) {
    const QString source = QString::fromUtf8(svg);
    QXmlStreamReader xml(source);
    std::vector<QHash<QString, QString>> styles{{}};
    QString out;
    qint64 copied = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            QHash<QString, QString> style = styles.back();
            for (const QString& k : kInherited)
                if (xml.attributes().hasAttribute(k)) style.insert(k, xml.attributes().value(k).toString());
            if (xml.name() == QLatin1String("text")) {
                // The reader stands just past the start tag; no '<' can stand inside it.
                const qint64 start = source.lastIndexOf(QLatin1String("<text"), xml.characterOffset() - 1);
                const QXmlStreamAttributes own = xml.attributes();
                QString text;
                while (!xml.atEnd()) {
                    const QXmlStreamReader::TokenType t = xml.readNext();
                    if (t == QXmlStreamReader::Characters)
                        text += xml.text();
                    else if (t == QXmlStreamReader::EndElement)
                        break;
                    else if (t == QXmlStreamReader::StartElement) {
                        *error =
                            QStringLiteral("a word with an element of its own (<%1>) inside").arg(xml.name());
                        return {};
                    }
                }
                const QString path = outlined(own, style, text, error);
                if (path.isEmpty()) return {};
                out += QStringView(source).mid(copied, start - copied);
                out += path;
                copied = xml.characterOffset();
            } else {
                styles.push_back(style);
            }
        } else if (token == QXmlStreamReader::EndElement) {
            styles.pop_back();
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
        return {};
    }
    out += QStringView(source).mid(copied);
    return out.toUtf8();
}

} // namespace outline
