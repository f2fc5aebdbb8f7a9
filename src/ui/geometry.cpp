#include "ui/geometry.h"

#include "ui/value.h"

namespace ui {

namespace {

struct Member {
    const char* name;
    int Geometry::*value;
    Prop prop;
};

constexpr Member kMembers[] = {{"Left", &Geometry::Left, Prop::Left},
                               {"Top", &Geometry::Top, Prop::Top},
                               {"Width", &Geometry::Width, Prop::Width},
                               {"Height", &Geometry::Height, Prop::Height}};

// The member a property name stands for; null for any other name.
const Member* memberOf(const std::string& prop) {
    for (const Member& m : kMembers)
        if (prop == m.name)
            return &m;
    return nullptr;
}

} // namespace

void Geometry::setLeft(int v) {
    Left = v;
    geometryChanged(Prop::Left);
}
void Geometry::setTop(int v) {
    Top = v;
    geometryChanged(Prop::Top);
}
void Geometry::setWidth(int v) {
    Width = v;
    geometryChanged(Prop::Width);
}
void Geometry::setHeight(int v) {
    Height = v;
    geometryChanged(Prop::Height);
}
void Geometry::setGeometry(int left, int top, int width, int height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
    geometryChanged(Prop::Geometry);
}

bool Geometry::overlaps(const Geometry& o) const {
    return o.Left < Left + Width && Left < o.Left + o.Width && o.Top < Top + Height &&
           Top < o.Top + o.Height;
}

bool Geometry::getGeometryByName(const std::string& prop, std::string& out) const {
    const Member* m = memberOf(prop);
    if (!m)
        return false;
    out = std::to_string(this->*(m->value));
    return true;
}

bool Geometry::setGeometryByName(const std::string& prop, const std::string& value) {
    const Member* m = memberOf(prop);
    const auto v = m ? parseLong(value) : std::nullopt;
    if (!v)
        return false;
    this->*(m->value) = static_cast<int>(*v);
    geometryChanged(m->prop);
    return true;
}

} // namespace ui
