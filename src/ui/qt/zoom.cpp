#include "ui/qt/zoom.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <QFontMetrics>
#include <QSettings>
#include <QStringList>

namespace ui::qt {

namespace {

const QString kZoomKey = QStringLiteral("view/zoom");
constexpr int kDesignLineHeight = 13;

bool isStep(int zoom) {
    return zoom >= kMinZoom && zoom <= kMaxZoom && (zoom - kMinZoom) % kZoomStep == 0;
}

} // namespace

int automaticZoom(QSize designed, QSize available) {
    if (designed.isEmpty())
        return kMinZoom;
    // The zoom in percent at which the window takes five sixths of the
    // screen in the tighter direction.
    const double share = std::min(available.width() * 5.0 / 6.0 / designed.width(),
                                  available.height() * 5.0 / 6.0 / designed.height()) *
                         100.0;
    // The nearest step; of two equally near, the smaller.
    const int steps = static_cast<int>(std::ceil((share - kMinZoom) / kZoomStep - 0.5));
    int zoom = std::clamp(kMinZoom + steps * kZoomStep, kMinZoom, kMaxZoom);
    for (; zoom > kMinZoom; zoom -= kZoomStep) {
        // Whole pixels: the designed size at zoom within 90 % of the screen.
        const bool fitsWidth = designed.width() * zoom * 10 <= available.width() * 9 * 100;
        const bool fitsHeight = designed.height() * zoom * 10 <= available.height() * 9 * 100;
        if (fitsWidth && fitsHeight)
            break;
    }
    return zoom;
}

int largestFittingZoom(QSize designed, QSize available) {
    int zoom = kMaxZoom;
    while (zoom > kMinZoom && (designed.width() * zoom > available.width() * 100 ||
                               designed.height() * zoom > available.height() * 100))
        zoom -= kZoomStep;
    return zoom;
}

int nextZoom(int zoom, int direction) {
    const int below =
        kMinZoom + (std::clamp(zoom, kMinZoom, kMaxZoom) - kMinZoom) / kZoomStep * kZoomStep;
    int next = zoom;
    if (direction > 0)
        next = below + kZoomStep;
    else if (direction < 0)
        next = below == zoom ? below - kZoomStep : below;
    return std::clamp(next, kMinZoom, kMaxZoom);
}

std::optional<int> storedZoom(const QSettings& settings) {
    bool ok = false;
    const int zoom = settings.value(kZoomKey).toInt(&ok);
    if (!ok || !isStep(zoom))
        return std::nullopt;
    return zoom;
}

void storeZoom(QSettings& settings, std::optional<int> zoom) {
    if (zoom)
        settings.setValue(kZoomKey, *zoom);
    else
        settings.remove(kZoomKey);
    settings.sync();
}

QFont designFont(const QFont& base, int zoom) {
    const int line = kDesignLineHeight * zoom / 100;
    QFont font = base;
    int size = std::max(6, line);
    for (; size > 6; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= line)
            break;
    }
    font.setPixelSize(size);
    return font;
}

namespace {

int ownPixelSize(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
}

int smallestPixelSize(const QFont& font) {
    return std::max(6, ownPixelSize(font) * 3 / 4);
}

// The first size from font's own down to 75 % of it that fits; none when none.
std::optional<QFont> smallerFitting(const QFont& font,
                                    const std::function<bool(const QFontMetrics&)>& fits) {
    const int own = ownPixelSize(font);
    const int smallest = smallestPixelSize(font);
    QFont candidate = font;
    for (int size = own; size >= smallest; --size) {
        candidate.setPixelSize(size);
        if (fits(QFontMetrics(candidate)))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

LetterWidths::LetterWidths(const QFont& font) : m_font(font), m_metrics(font) {}

int LetterWidths::of(const QString& text) {
    int width = 0;
    for (const QChar c : text) {
        auto at = m_advances.constFind(c.unicode());
        if (at == m_advances.constEnd())
            at = m_advances.insert(c.unicode(), m_metrics.horizontalAdvance(c));
        width += *at;
    }
    return width;
}

QStringList widestLines(const QFont& font, const QStringList& lines, int count) {
    if (lines.size() <= count)
        return lines;
    LetterWidths widths(font);
    std::vector<std::pair<int, qsizetype>> estimates;
    estimates.reserve(static_cast<size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i)
        estimates.emplace_back(widths.of(lines[i]), i);
    std::partial_sort(estimates.begin(), estimates.begin() + count, estimates.end(),
                      [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList widest;
    for (int i = 0; i < count; ++i)
        widest << lines[estimates[static_cast<size_t>(i)].second];
    return widest;
}

std::optional<QFont> fittingFont(const QFont& font, const QStringList& lines, int width) {
    // A line far wider than width at the smallest size fits at none: a
    // long line is not measured again and again.
    QFont smallest = font;
    smallest.setPixelSize(smallestPixelSize(font));
    LetterWidths estimate(smallest);
    if (std::any_of(lines.begin(), lines.end(),
                    [&](const QString& line) { return estimate.of(line) > width * 5 / 4; }))
        return std::nullopt;
    return smallerFitting(font, [&lines, width](const QFontMetrics& metrics) {
        return std::all_of(lines.begin(), lines.end(), [&](const QString& line) {
            return metrics.horizontalAdvance(line) <= width;
        });
    });
}

QFont captionFont(const QFont& font, const std::function<bool(const QFontMetrics&)>& fits) {
    if (auto fitting = smallerFitting(font, fits))
        return *fitting;
    QFont narrow = font;
    narrow.setPixelSize(std::max(6, ownPixelSize(font) * 3 / 4));
    for (int stretch = 90; stretch >= 60; stretch -= 10) {
        narrow.setStretch(stretch);
        if (fits(QFontMetrics(narrow)))
            break;
    }
    return narrow;
}

} // namespace ui::qt
