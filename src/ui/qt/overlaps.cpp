#include "ui/qt/overlaps.h"

#include <algorithm>
#include <optional>

namespace ui::qt {

namespace {

// r shortened at one edge by depth pixels, and the area that goes.
struct Cut {
    QRect kept;
    long long removed;
};

std::optional<Cut> bestCut(const QRect& r, const QRect& o) {
    const QRect overlap = r & o;
    if (overlap.isEmpty())
        return std::nullopt;
    std::optional<Cut> best;
    auto consider = [&](QRect kept, int depth, int extent, int across) {
        if (depth <= 0 || depth * 4 > extent)
            return;
        const long long removed = static_cast<long long>(depth) * across;
        if (!best || removed < best->removed)
            best = Cut{kept, removed};
    };
    // o reaches over r's top edge, its bottom edge, its left or its right.
    if (o.top() <= r.top() && o.bottom() < r.bottom())
        consider(r.adjusted(0, o.bottom() + 1 - r.top(), 0, 0), o.bottom() + 1 - r.top(),
                 r.height(), r.width());
    if (o.bottom() >= r.bottom() && o.top() > r.top())
        consider(r.adjusted(0, 0, 0, o.top() - 1 - r.bottom()), r.bottom() + 1 - o.top(),
                 r.height(), r.width());
    if (o.left() <= r.left() && o.right() < r.right())
        consider(r.adjusted(o.right() + 1 - r.left(), 0, 0, 0), o.right() + 1 - r.left(), r.width(),
                 r.height());
    if (o.right() >= r.right() && o.left() > r.left())
        consider(r.adjusted(0, 0, o.left() - 1 - r.right(), 0), r.right() + 1 - o.left(), r.width(),
                 r.height());
    return best;
}

} // namespace

QRect clearOf(QRect r, const std::vector<QRect>& over) {
    for (const QRect& o : over) {
        if (o.isEmpty() || r.isEmpty())
            continue;
        if (o.contains(r))
            return QRect();
        if (auto cut = bestCut(r, o))
            r = cut->kept;
    }
    return r;
}

double coveredShare(const QRect& r, const std::vector<QRect>& above) {
    if (r.isEmpty())
        return 0.0;
    // The union's area inside r, over the grid of every edge.
    std::vector<int> xs{r.left(), r.right() + 1}, ys{r.top(), r.bottom() + 1};
    std::vector<QRect> parts;
    for (const QRect& a : above) {
        const QRect part = a & r;
        if (part.isEmpty())
            continue;
        parts.push_back(part);
        xs.insert(xs.end(), {part.left(), part.right() + 1});
        ys.insert(ys.end(), {part.top(), part.bottom() + 1});
    }
    for (auto* v : {&xs, &ys}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    long long covered = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i)
        for (size_t j = 0; j + 1 < ys.size(); ++j) {
            const QPoint cell(xs[i], ys[j]);
            if (std::any_of(parts.begin(), parts.end(),
                            [&cell](const QRect& p) { return p.contains(cell); }))
                covered += static_cast<long long>(xs[i + 1] - xs[i]) * (ys[j + 1] - ys[j]);
        }
    return static_cast<double>(covered) / (static_cast<double>(r.width()) * r.height());
}

} // namespace ui::qt
