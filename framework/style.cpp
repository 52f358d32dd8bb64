#include "framework/style.h"

#include "framework/units.h"

#include <QStyleOption>
#include <cmath>

namespace forms {

namespace {
// Far more than the screens' few colour schemes; past it, drawing simply goes by the palette it was given.
constexpr std::size_t kMaxPalettes = 64;
} // namespace

// Lends the option the shared palette for the length of one drawing call.
class ScaledStyle::SharedPalette {
public:
    SharedPalette(const ScaledStyle& style, const QStyleOption* option)
        : option_(const_cast<QStyleOption*>(option)) {
        if (!option_) return;
        saved_ = option_->palette;
        option_->palette = style.shared(saved_);
        // Equal palettes may stand in different groups (a disabled list draws from the disabled colours).
        option_->palette.setCurrentColorGroup(saved_.currentColorGroup());
    }
    ~SharedPalette() {
        if (option_) option_->palette = saved_;
    }
    SharedPalette(const SharedPalette&) = delete;
    SharedPalette& operator=(const SharedPalette&) = delete;

private:
    QStyleOption* option_;
    QPalette saved_;
};

const QPalette& ScaledStyle::shared(const QPalette& p) const {
    for (const QPalette& known : palettes_)
        if (known.cacheKey() == p.cacheKey() || known == p) return known;
    if (palettes_.size() >= kMaxPalettes) return p;
    palettes_.push_back(p);
    return palettes_.back();
}

int ScaledStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_ScrollBarExtent:
    case PM_ComboBoxFrameWidth:
    case PM_DefaultFrameWidth:
    case PM_ButtonMargin:
    case PM_CheckBoxLabelSpacing:
    case PM_ButtonIconSize:
    case PM_SmallIconSize: return int(std::lround(base * scale()));
    default: return base;
    }
}

void ScaledStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    SharedPalette guard(*this, option);
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ScaledStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    SharedPalette guard(*this, option);
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ScaledStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                     const QWidget* widget) const {
    SharedPalette guard(*this, option);
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

} // namespace forms
