// List boxes: rows one text line high, as the designed lists count them; a
// narrow list shrinks its font until its items fit and carries no scroll bar;
// the arrow keys move the highlight (the model's ListIndex) without opening
// the item, a click opens it.
#include <algorithm>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include "ui/controls.h"
#include "ui/qt/control_kinds.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/zoom.h"

namespace ui::qt {

namespace {

// Room left of a row's text: two pixels, and as much as the focus ring
// takes.
int textInset() {
    return std::max(2, FocusRing::lineWidth() + 1);
}

// A row is one line of the list's font; the text starts two pixels in and
// is never elided.
class RowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return QSize(option.rect.width(), option.fontMetrics.height());
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        const bool enabled = option.state & QStyle::State_Enabled;
        const QPalette::ColorGroup group = enabled ? QPalette::Normal : QPalette::Disabled;
        if (selected)
            painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
        painter->save();
        painter->setFont(option.font);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(option.rect.adjusted(textInset(), 0, 0, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

// A list that tells whether the current row moves because of a key.
class ModelList : public QListWidget {
public:
    using QListWidget::QListWidget;
    bool inKey() const { return m_inKey; }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        m_inKey = true;
        QListWidget::keyPressEvent(e);
        m_inKey = false;
    }

private:
    bool m_inKey = false;
};

class ListBinding : public ControlBinding {
public:
    ListBinding(QtView& view, ui::ListBox& lb, QWidget* parent)
        : ControlBinding(view, lb, new ModelList(parent)),
          m_list(static_cast<ModelList*>(m_widget)), m_lb(lb) {
        m_list->setSelectionMode(QAbstractItemView::SingleSelection);
        m_list->setUniformItemSizes(true);
        m_list->setItemDelegate(new RowDelegate(m_list));
        m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        // A one-pixel border: the designed lists hold their rows exactly.
        m_list->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_list->setLineWidth(1);
        connect(m_list, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { choose(m_list->row(item), true); });
        connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (m_list->inKey())
                choose(row, false);
        });
    }

protected:
    void updateOwn(const std::string& prop) override {
        QSignalBlocker block(m_list);
        if (isProp(prop, "List")) {
            m_list->clear();
            for (const std::string& item : m_lb.items())
                m_list->addItem(decode(item));
        }
        if ((isProp(prop, "List") || isProp(prop, "ListIndex")) && !m_pushing) {
            int index = m_lb.listIndex();
            if (index >= 0 && index < m_list->count()) {
                m_list->setCurrentRow(index);
                m_list->scrollToItem(m_list->item(index));
            } else {
                m_list->setCurrentRow(-1);
                m_list->clearSelection();
            }
        }
        if (isProp(prop, "List"))
            fit();
        if (prop == "Focus")
            m_view.requestFocus(m_lb);
    }

    void resized() override { fit(); }

private:
    // The font: the program's, or smaller until the widest item fits; no
    // scroll bar where there is no room for one.
    void fit() {
        QStringList items;
        for (int i = 0; i < m_list->count(); ++i)
            items << m_list->item(i)->text();
        const int inner = m_list->width() - 2 * m_list->frameWidth() - textInset();
        m_list->setFont(fittingFont(QApplication::font(), items, inner));
        const bool room =
            m_list->width() >= scrollBarRoom(*m_list) && m_list->height() >= scrollBarRoom(*m_list);
        m_list->setVerticalScrollBarPolicy(room ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    }
    // The user chose row: the model gets ListIndex, then Click when the row
    // was clicked (a key only moves the highlight).
    void choose(int row, bool clicked) {
        if (m_view.blocked() || row < 0)
            return;
        m_pushing = true;
        m_lb.setListIndex(row);
        m_pushing = false;
        if (clicked)
            m_lb.click();
        m_view.afterEvent();
    }

    ModelList* m_list;
    ui::ListBox& m_lb;
};

} // namespace

ControlBinding* makeListBinding(QtView& view, ui::ListBox& list, QWidget* parent) {
    return new ListBinding(view, list, parent);
}

} // namespace ui::qt
