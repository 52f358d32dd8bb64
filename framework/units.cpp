#include "framework/units.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <climits>
#include <cmath>
#include <optional>

namespace forms {

namespace {
std::optional<QRect> g_display;
std::optional<double> g_scale;
} // namespace

QColor toQColor(BgrColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

BgrColor fromQColor(const QColor& c) {
    return BgrColor(c.red()) | (BgrColor(c.green()) << 8) | (BgrColor(c.blue()) << 16);
}

QRect display() {
    if (g_display) return *g_display;
    if (QScreen* s = QGuiApplication::primaryScreen()) return s->availableGeometry();
    return QRect(0, 0, kDesignDisplayWidth, kDesignDisplayHeight);
}

double scaleFor(const QSize& area) {
    if (area.isEmpty()) return 1.0;
    return std::min(area.width() / double(kDesignDisplayWidth), area.height() / double(kDesignDisplayHeight));
}

double scale() {
    if (!g_scale) g_scale = scaleFor(display().size());
    return *g_scale;
}

void setScale(double s) { g_scale = s > 0 ? s : 1.0; }

void setDisplay(const QRect& r) {
    g_display = r;
    g_scale = scaleFor(r.size());
}

int px(double twips) { return px(twips, scale()); }

int px(double twips, double atScale) { return int(std::lround(twips * atScale / twipsPerPixel())); }

QRect pxRect(int left, int top, int width, int height) { return pxRect(left, top, width, height, scale()); }

QRect pxRect(int left, int top, int width, int height, double atScale) {
    const int x = px(left, atScale), y = px(top, atScale);
    return QRect(x, y, std::max(0, px(left + width, atScale) - x), std::max(0, px(top + height, atScale) - y));
}

QString resolveFamily(const QString& family) {
    const QString f = family.toLower();
    if (f == QLatin1String("ms sans serif") || f == QLatin1String("arial")) return QStringLiteral("Liberation Sans");
    if (f == QLatin1String("times new roman")) return QStringLiteral("Liberation Serif");
    if (f == QLatin1String("courier new")) return QStringLiteral("Liberation Mono");
    return family;
}

void installFontSubstitutes() {
    for (const char* f : {"MS Sans Serif", "Arial", "Times New Roman", "Courier New"})
        QFont::insertSubstitution(QString::fromLatin1(f), resolveFamily(QString::fromLatin1(f)));
}

QFont makeFont(const FontDef& def) { return makeFont(def, scale()); }

QFont makeFont(const FontDef& def, double atScale) {
    QFont font(resolveFamily(def.family));
    // Points at 96 dpi, then the scale; pixel sizes keep the design exact whatever dpi the screen reports.
    font.setPixelSize(std::max(1, int(std::lround(def.points * 96.0 / 72.0 * atScale))));
    font.setWeight(def.weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(def.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Hinted advances, as the screens were laid out with: unhinted text runs a few per cent wider and
    // pushes the last word of a snug caption onto a line of its own.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int twipsOf(int pixels) { return int(std::lround(pixels * twipsPerPixel() / scale())); }

namespace {

// The room a caption takes: one line, or the lines it wraps to in a box of that width.
QSize room(const QFont& font, const QString& caption, bool wraps, int boxWidthPx) {
    const QFontMetrics fm(font);
    if (!wraps) return QSize(fm.horizontalAdvance(caption), fm.height());
    return fm.boundingRect(QRect(0, 0, std::max(1, boxWidthPx), INT_MAX / 4), Qt::TextWordWrap, caption).size();
}

} // namespace

QFont captionFont(const FontDef& def, const QString& caption, bool wraps, const QRect& box, int* wrapWidth) {
    QFont font = makeFont(def);
    const double s = scale();
    *wrapWidth = 0;
    if (s == 1.0 || caption.isEmpty()) return font;
    // A size rounded to the pixel can grow more than the box around it (13 pixels at 1.04 become 14), and
    // hinted advances are rounded glyph by glyph: such a caption runs on past where it ended at scale 1,
    // under the list or into the label beside it. One pixel smaller at a time, it keeps to its room.
    const int widthAtOne = pxRect(box.x(), box.y(), box.width(), box.height(), 1.0).width();
    const QSize design = room(makeFont(def, 1.0), caption, wraps, widthAtOne);
    const QSize allowed(int(std::ceil(design.width() * s)), int(std::ceil(design.height() * s)));
    // Wrapped in the whole of a box wider by the scale, lines could take up words they left for the next
    // one at scale 1, and grow past their room: they wrap within the room's width instead.
    if (wraps) *wrapWidth = std::max(1, allowed.width());
    for (int size = font.pixelSize(); size > 1; --size) {
        font.setPixelSize(size);
        const QSize r = room(font, caption, wraps, *wrapWidth);
        if (r.width() <= allowed.width() && r.height() <= allowed.height()) break;
    }
    return font;
}

} // namespace forms
