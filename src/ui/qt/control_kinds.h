// The bindings of the controls that need more than a few lines each: list
// boxes and text boxes. Shared helpers of every binding.
#pragma once

#include <cstdint>
#include <string>

#include <QColor>

class QWidget;

namespace ui {
class ListBox;
class TextBox;
} // namespace ui

namespace ui::qt {

class ControlBinding;
class QtView;

QColor toQColor(std::uint32_t rgb);
// A scroll bar needs room for its two arrows and a handle; a control less
// than this many pixels across (or high) gets none.
int scrollBarRoom(const QWidget& widget);

ControlBinding* makeListBinding(QtView& view, ui::ListBox& list, QWidget* parent);
// A text box of a window that takes input (multi-line or one-line), or the
// text of the help box, which takes none and fits its font to its box.
ControlBinding* makeTextBinding(QtView& view, ui::TextBox& box, QWidget* parent, bool noInput);

} // namespace ui::qt
