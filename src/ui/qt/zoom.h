// The zoom of the binding: every window, control and font is drawn at one
// of the steps 100 % to 500 % of its designed size. The screen model keeps
// its own units; only the binding multiplies. The chosen step lives in the
// user's settings, never in the library.
#pragma once

#include <functional>
#include <optional>

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QSize>
#include <QStringList>

class QSettings;

namespace ui::qt {

constexpr int kMinZoom = 100;
constexpr int kMaxZoom = 500;
constexpr int kZoomStep = 25;

// The step for a first start: the one nearest to the zoom at which a window
// designed at `designed` pixels (at 100 %) takes five sixths of `available`
// across or down, whichever is tighter (the share 225 % gives on a 1920x1080
// screen), but never one at which it would not fit within 90 % of it; 100
// at the least.
int automaticZoom(QSize designed, QSize available);

// The largest step at which the window designed at `designed` pixels fits
// within `available` whole; 100 when none does.
int largestFittingZoom(QSize designed, QSize available);

// The step after zoom in direction (positive: larger), held within 100..500;
// a zoom between steps moves to the next step in that direction.
int nextZoom(int zoom, int direction);

// The step stored in settings; nothing when none is stored or the stored
// value is not a step.
std::optional<int> storedZoom(const QSettings& settings);
// Stores zoom, or removes the stored step when zoom is empty (the automatic
// step applies again).
void storeZoom(QSettings& settings, std::optional<int> zoom);

// The designed line of text is 13 pixels high at 100 %. The font of base's
// family at the largest pixel size whose line height fits 13 × zoom / 100
// pixels.
QFont designFont(const QFont& base, int zoom);

// The width of a text at a font, estimated as the sum of its letters'
// advances; shaping and kerning move it by a pixel or two. Each letter is
// measured once, so that a long list costs little.
class LetterWidths {
public:
    explicit LetterWidths(const QFont& font);
    const QFont& font() const { return m_font; }
    int of(const QString& text);

private:
    QFont m_font;
    QFontMetrics m_metrics;
    QHash<char16_t, int> m_advances;
};

// The count lines of widest estimate (all of them when there are fewer):
// the widest line is among them, and they are all a width fit needs to
// measure.
QStringList widestLines(const QFont& font, const QStringList& lines, int count = 200);

// The largest pixel size, from font's own down to 75 % of it, at which every
// line of text is at most width pixels wide; nothing when none is.
std::optional<QFont> fittingFont(const QFont& font, const QStringList& lines, int width);

// The font for a caption that must show whole: font's own size or smaller
// down to 75 % of it, then at that size ever narrower letters down to 60 %
// of their width, until fits accepts its metrics; the narrowest when none.
QFont captionFont(const QFont& font, const std::function<bool(const QFontMetrics&)>& fits);

} // namespace ui::qt
