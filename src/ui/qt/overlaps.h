// Where the designed rectangles meet on the screen: a control drawn clear of
// the siblings that overlap its edge by a sliver, and how much of a window
// the windows in front of it cover.
#pragma once

#include <vector>

#include <QRect>

namespace ui::qt {

// r with the slivers cut off that the rectangles in `over` (drawn above r)
// overlap along one of its edges: of the edges an overlap reaches, the cut
// that removes the least, provided it takes at most a quarter of r's
// height (or width). An overlap that reaches no edge, or only deeper,
// stays. Empty when one rectangle of `over` covers r whole.
QRect clearOf(QRect r, const std::vector<QRect>& over);

// The share (0 to 1) of r that the union of `above` covers.
double coveredShare(const QRect& r, const std::vector<QRect>& above);

} // namespace ui::qt
