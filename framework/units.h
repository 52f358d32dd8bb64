#pragma once
// Design units of the screens: twips, colours written 0x00BBGGRR, fonts in points.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <cstdint>

namespace forms {

using BgrColor = std::uint32_t;

// 0x00BBGGRR: red in the lowest byte.
QColor toQColor(BgrColor c);
BgrColor fromQColor(const QColor& c);

// The display every screen was drawn for, in pixels; at any other size its frame is scaled and centred.
inline constexpr int kDesignDisplayWidth = 1024;
inline constexpr int kDesignDisplayHeight = 768;

// The one scale of the run: 1 on a 1024 x 768 display.
double scale();
void setScale(double s);
// The area maximised screens fill and normal ones centre in; by default the primary screen's available area.
QRect display();
void setDisplay(const QRect& r); // also sets the scale from the area's size
double scaleFor(const QSize& area);

// Twips to device-independent pixels at the run's scale. Edges are rounded, not sizes, so that
// controls that touch at design time still touch at any scale.
int px(double twips);
QRect pxRect(int left, int top, int width, int height);
// The same at another scale than the run's, to compare a design with itself at scale 1.
int px(double twips, double atScale);
QRect pxRect(int left, int top, int width, int height, double atScale);
inline double twipsPerPixel() { return 15.0; }
// Pixels at the run's scale back to twips.
int twipsOf(int pixels);

enum class Weight { Regular = 400, Bold = 700 };
struct FontDef {
    QString family = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    Weight weight = Weight::Regular;
    bool underline = false;
};
// The family that stands in for a design family on this machine.
QString resolveFamily(const QString& family);
QFont makeFont(const FontDef& def);
QFont makeFont(const FontDef& def, double atScale);
// The design font at the run's scale for a caption, no larger than leaves the text within the room, in
// lines and in width, that it takes at scale 1, scaled. box is the label's, in twips. A wrapped caption
// is wrapped to the room's width, in pixels, given in wrapWidth (0: the whole box).
QFont captionFont(const FontDef& def, const QString& caption, bool wraps, const QRect& box, int* wrapWidth);
void installFontSubstitutes();

} // namespace forms
