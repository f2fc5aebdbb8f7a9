#include "ui/qt/scale.h"

#include <algorithm>
#include <cmath>

#include "ui/controls.h"
#include "ui/units.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

constexpr double kTwipsPerPixel = ui::kTwipsPerPixel;

int round(double v) {
    return static_cast<int>(std::lround(v));
}

} // namespace

QRect Scale::rect(double left, double top, double width, double height, double unit) const {
    const double down = unit * m_zoom / 100.0;
    const double across = down * m_stretch;
    const int l = round(left * across), t = round(top * down);
    const int r = round((left + std::max(0.0, width)) * across);
    const int b = round((top + std::max(0.0, height)) * down);
    return QRect(l, t, r - l, b - t);
}

QRect Scale::window(const ui::Window& w) const {
    return rect(w.Left, w.Top, w.Width, w.Height, 1.0 / kTwipsPerPixel);
}

QRect Scale::control(const ui::Control& c, bool twips) const {
    return rect(c.Left, c.Top, c.Width, c.Height, twips ? 1.0 / kTwipsPerPixel : 1.0);
}

int Scale::pixels(int modelPixels) const {
    return round(modelPixels * m_zoom / 100.0);
}

int Scale::twipsToPixels(int twips) const {
    return round(twips / kTwipsPerPixel * m_zoom / 100.0);
}

int Scale::pixelsToTwips(int pixels) const {
    return round(pixels * kTwipsPerPixel * 100.0 / m_zoom);
}

int Scale::pixelsToTwipsAcross(int pixels) const {
    return round(pixels * kTwipsPerPixel * 100.0 / m_zoom / m_stretch);
}

} // namespace ui::qt
