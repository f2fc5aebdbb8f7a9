// The properties whose changes the screen model reports to its view.
#pragma once

namespace ui {

// All stands for every property at once: a window or control the view meets
// for the first time. Geometry is Left, Top, Width and Height together.
enum class Prop {
    All,
    Caption,
    Left,
    Top,
    Width,
    Height,
    Geometry,
    Visible,
    Enabled,
    Loaded,
    WindowState,
    ZOrder,
    Focus,
    ToolTipText,
    AccessibleName,
    AccessibleDescription,
    List,
    ListIndex,
    Text,
    SelStart,
    SelLength,
    ForeColor,
    BackColor,
    Locked,
    Refresh,
    Value,
};

// Whether a change of changed touches what; All touches everything.
constexpr bool touches(Prop changed, Prop what) {
    return changed == Prop::All || changed == what;
}

// Whether a change of p moves or resizes what it is reported for.
constexpr bool isGeometry(Prop p) {
    return p == Prop::All || p == Prop::Left || p == Prop::Top || p == Prop::Width ||
           p == Prop::Height || p == Prop::Geometry;
}

} // namespace ui
