#include "ui/qt/focus_ring.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace ui::qt {

FocusRing::FocusRing(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

int FocusRing::lineWidth() {
    return std::max(2, QFontMetrics(QApplication::font()).height() / 6);
}

void FocusRing::follow(QWidget* target) {
    if (target == m_target) {
        place();
        return;
    }
    if (m_target)
        m_target->removeEventFilter(this);
    m_target = target;
    if (!target || !target->parentWidget()) {
        hide();
        return;
    }
    target->installEventFilter(this);
    place();
}

void FocusRing::place() {
    if (!m_target || !m_target->isVisible() || !m_target->parentWidget()) {
        hide();
        return;
    }
    if (parentWidget() != m_target->parentWidget())
        setParent(m_target->parentWidget());
    setGeometry(m_target->geometry());
    raise();
    show();
    update();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_target) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
        case QEvent::ParentChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

void FocusRing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = lineWidth();
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), w);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The line lies wholly inside the control's edge.
    painter.drawRect(QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
}

} // namespace ui::qt
