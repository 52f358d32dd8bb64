#pragma once
#include <QPalette>
#include <QProxyStyle>
#include <vector>

namespace forms {

// The toolkit's look, with the parts it draws at a fixed size (check marks, list arrows, frames)
// following the run's scale like everything else.
class ScaledStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

    // The one palette of its colours that drawing goes by: the toolkit keeps the pictures of lists and
    // buttons under their palette's identity, and every opening of a screen builds new palettes with
    // the same colours, so without this each opening would fill the picture cache afresh.
    const QPalette& shared(const QPalette& p) const;

private:
    class SharedPalette;
    mutable std::vector<QPalette> palettes_;
};

} // namespace forms
