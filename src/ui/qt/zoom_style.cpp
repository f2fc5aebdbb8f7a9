#include "ui/qt/zoom_style.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionTitleBar>

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

    // The child windows are never maximized. Were they, each would keep its
    // own title bar; with that, Qt leaves the main window's title alone when
    // a child window hides, instead of sending title and icon name to the X
    // server again for every window hidden.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_Workspace_FillSpaceOnMaximize)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }

    // A menu bar item's room around its caption grows with the font.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem)
            result.rwidth() += QFontMetrics(QApplication::font()).height() / 2;
        return result;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
        if (control != CC_TitleBar || !bar || bar->text.isEmpty()) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        // The bar without its text, then the text from the left.
        QStyleOptionTitleBar plain(*bar);
        plain.text.clear();
        QProxyStyle::drawComplexControl(control, &plain, painter, widget);
        const QRect label = subControlRect(CC_TitleBar, bar, SC_TitleBarLabel, widget);
        const int indent = painter->fontMetrics().height() / 3;
        const QRect text = label.adjusted(indent, 0, -indent, 0);
        const QString title =
            painter->fontMetrics().elidedText(bar->text, Qt::ElideRight, text.width());
        const bool active = bar->titleBarState & State_Active;
        painter->save();
        painter->setPen(active ? QColor(Qt::white) : bar->palette.color(QPalette::Text));
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title);
        painter->restore();
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
