#include "framework/style.h"

#include "framework/units.h"

#include <cmath>

namespace forms {

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

} // namespace forms
