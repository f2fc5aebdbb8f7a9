// Where the main window stood when the reader left it: its frame and client
// size as a normal window, and whether it was maximised. It is kept in the
// user's settings beside the zoom (never in the library) and put back only
// where a screen can show it.
#pragma once

#include <optional>
#include <vector>

#include <QRect>

class QSettings;

namespace ui::qt {

struct WindowPlace {
    // The frame (title bar and borders included) in screen coordinates.
    QRect frame;
    // The size inside the frame.
    QSize client;
    bool maximised = false;
};

// The place stored in settings; nothing when none is stored or it is not a
// usable rectangle.
std::optional<WindowPlace> storedPlace(const QSettings& settings);
void storePlace(QSettings& settings, const WindowPlace& place);

// Where a frame saved at `saved` goes when the screens offer the available
// areas `screens` (the primary first): onto the screen that shows most of
// it, or the primary when none shows any of it; no larger than that screen
// and moved, as little as need be, to lie whole on it.
QRect placeOnScreens(const QRect& saved, const std::vector<QRect>& screens);

} // namespace ui::qt
