#include "ui/qt/window_place.h"

#include <algorithm>

#include <QSettings>

namespace ui::qt {

namespace {

const QString kFrameKey = QStringLiteral("window/frame");
const QString kClientKey = QStringLiteral("window/client");
const QString kMaximisedKey = QStringLiteral("window/maximised");

long long area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

} // namespace

std::optional<WindowPlace> storedPlace(const QSettings& settings) {
    const QVariant frame = settings.value(kFrameKey);
    const QVariant client = settings.value(kClientKey);
    if (!frame.canConvert<QRect>() || !client.canConvert<QSize>())
        return std::nullopt;
    WindowPlace place{frame.toRect(), client.toSize(), settings.value(kMaximisedKey).toBool()};
    if (place.frame.isEmpty() || place.client.isEmpty() ||
        place.client.width() > place.frame.width() || place.client.height() > place.frame.height())
        return std::nullopt;
    return place;
}

void storePlace(QSettings& settings, const WindowPlace& place) {
    settings.setValue(kFrameKey, place.frame);
    settings.setValue(kClientKey, place.client);
    settings.setValue(kMaximisedKey, place.maximised);
}

QRect placeOnScreens(const QRect& saved, const std::vector<QRect>& screens) {
    if (saved.isEmpty() || screens.empty())
        return saved;
    const QRect* screen = &screens.front();
    long long shown = 0;
    for (const QRect& s : screens)
        if (area(s & saved) > shown) {
            shown = area(s & saved);
            screen = &s;
        }
    const QSize size = saved.size().boundedTo(screen->size());
    const int x = std::clamp(saved.left(), screen->left(), screen->right() + 1 - size.width());
    const int y = std::clamp(saved.top(), screen->top(), screen->bottom() + 1 - size.height());
    return QRect(QPoint(x, y), size);
}

} // namespace ui::qt
