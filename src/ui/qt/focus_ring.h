// The focus ring: a frame in the highlight colour drawn over the edge of
// the control that has the keyboard, as thick as the zoom makes a sixth of
// a line of text, so that a reader who uses the keys sees where they go at
// every zoom step. It follows the control as it moves, resizes and hides,
// takes no mouse and no keys.
#pragma once

#include <QPointer>
#include <QWidget>

namespace ui::qt {

class FocusRing : public QWidget {
public:
    explicit FocusRing(QWidget* parent);
    // Draws the ring around target, or nowhere when target is null.
    void follow(QWidget* target);
    QWidget* target() const { return m_target; }
    // The width of the ring's line in pixels at the current font.
    static int lineWidth();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void place();
    QPointer<QWidget> m_target;
};

} // namespace ui::qt
