#include "ui/qt/zoom_style.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QProxyStyle>

namespace ui::qt {

namespace {

// The height of one line of text at 100 %.
constexpr int kDesignLine = 13;

class ZoomStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int line = QFontMetrics(QApplication::font()).height();
        switch (metric) {
        // As thin as the designed windows assume: a title one and a half
        // lines high, a border a sixth of a line wide.
        case PM_TitleBarHeight:
            return line * 3 / 2;
        case PM_MdiSubWindowFrameWidth:
            return std::max(1, line / 6);
        case PM_ScrollBarExtent:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
            return std::max(QProxyStyle::pixelMetric(metric, option, widget),
                            QProxyStyle::pixelMetric(metric, option, widget) * line / kDesignLine);
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

} // namespace

void useZoomStyle() {
    if (dynamic_cast<ZoomStyle*>(QApplication::style()))
        return;
    // The application takes the style over and deletes it at its end.
    QApplication::setStyle(new ZoomStyle);
}

} // namespace ui::qt
