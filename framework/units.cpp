#include "framework/units.h"

#include <QGuiApplication>
#include <QScreen>
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

int px(double twips) { return int(std::lround(twips * scale() / twipsPerPixel())); }

QRect pxRect(int left, int top, int width, int height) {
    const int x = px(left), y = px(top);
    return QRect(x, y, std::max(0, px(left + width) - x), std::max(0, px(top + height) - y));
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

QFont makeFont(const FontDef& def) {
    QFont font(resolveFamily(def.family));
    // Points at 96 dpi, then the run's scale; pixel sizes keep the design exact whatever dpi the screen reports.
    font.setPixelSize(std::max(1, int(std::lround(def.points * 96.0 / 72.0 * scale()))));
    font.setWeight(def.weight == Weight::Bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(def.underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    // Hinted advances, as the screens were laid out with: unhinted text runs a few per cent wider and
    // pushes the last word of a snug caption onto a line of its own.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

int twipsOf(int pixels) { return int(std::lround(pixels * twipsPerPixel() / scale())); }

} // namespace forms
