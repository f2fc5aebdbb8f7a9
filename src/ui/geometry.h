// Where a window or control stands and how large it is: a window's
// rectangle in twips, a child window's controls in pixels. Windows and
// controls are placed, read and set by name through this one type.
#pragma once

#include <string>

#include "ui/property.h"

namespace ui {

class Geometry {
public:
    int Left = 0, Top = 0, Width = 0, Height = 0;

    void setLeft(int v);
    void setTop(int v);
    void setWidth(int v);
    void setHeight(int v);
    void setGeometry(int left, int top, int width, int height);
    // Whether the two rectangles share an area (touching edges do not).
    bool overlaps(const Geometry& other) const;

protected:
    Geometry() = default;
    Geometry(int width, int height) : Width(width), Height(height) {}
    virtual ~Geometry() = default;
    // Reports a change to the view: Left, Top, Width, Height or Geometry.
    virtual void geometryChanged(Prop prop) = 0;
    // Left, Top, Width or Height read by name as decimal text; false for
    // any other name.
    bool getGeometryByName(const std::string& prop, std::string& out) const;
    // Left, Top, Width or Height set by name from decimal text; false for
    // any other name or for a value that is no number (nothing changes).
    bool setGeometryByName(const std::string& prop, const std::string& value);
};

} // namespace ui
