#pragma once
#include <QProxyStyle>

namespace forms {

// The toolkit's look, with the parts it draws at a fixed size (check marks, list arrows, frames)
// following the run's scale like everything else.
class ScaledStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace forms
