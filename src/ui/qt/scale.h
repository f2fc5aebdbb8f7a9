// How the screen model's units become pixels on the screen: window geometry
// in twips and control geometry in pixels (or twips, for the help box) are
// multiplied by the zoom, and across by the stretch that widens the panes
// when the main window is wider than designed.
#pragma once

#include <QRect>

namespace ui {
class Control;
class Window;
} // namespace ui

namespace ui::qt {

class Scale {
public:
    Scale() = default;
    // zoom in percent; stretch 1 or more, applied across only.
    Scale(int zoom, double stretch) : m_zoom(zoom), m_stretch(stretch) {}

    int zoom() const { return m_zoom; }
    double stretch() const { return m_stretch; }

    // The rectangle of a child window (model twips) in pixels. Edges are
    // rounded on their own, so that windows that touch in the model touch on
    // the screen.
    QRect window(const ui::Window& w) const;
    // The rectangle of a control in pixels of its window's client area;
    // twips says the control's geometry is in twips rather than pixels.
    QRect control(const ui::Control& c, bool twips) const;
    // A length in model pixels at this zoom (down, not across).
    int pixels(int modelPixels) const;
    // A length in twips at this zoom (down, not across), and back.
    int twipsToPixels(int twips) const;
    int pixelsToTwips(int pixels) const;
    // A position across in pixels as twips.
    int pixelsToTwipsAcross(int pixels) const;

private:
    QRect rect(double left, double top, double width, double height, double unit) const;
    int m_zoom = 100;
    double m_stretch = 1.0;
};

} // namespace ui::qt
