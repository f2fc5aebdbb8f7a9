// List boxes: rows one text line high, as the designed lists count them; a
// narrow list shrinks its font until its items fit and carries no scroll bar;
// the arrow keys move the highlight (the model's ListIndex) without opening
// the item, a click opens it.
#include <algorithm>
#include <optional>

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
        // No letter is narrower than a pixel: what lies past the row's width
        // in letters is never seen, and a long item is not laid out whole.
        const QRect room = option.rect.adjusted(textInset(), 0, 0, 0);
        painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString().left(room.width() + 1));
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
    void updateOwn(ui::Prop prop) override {
        QSignalBlocker block(m_list);
        if (ui::touches(prop, ui::Prop::List))
            takeItems(prop == ui::Prop::All);
        if ((ui::touches(prop, ui::Prop::List) || ui::touches(prop, ui::Prop::ListIndex)) &&
            !m_pushing) {
            int index = m_lb.listIndex();
            if (index >= 0 && index < m_list->count()) {
                // An item added below the highlight leaves it where it is.
                if (m_list->currentRow() != index || !ui::touches(prop, ui::Prop::List)) {
                    m_list->setCurrentRow(index);
                    m_list->scrollToItem(m_list->item(index));
                }
            } else if (m_list->currentRow() >= 0 || !m_list->selectedItems().isEmpty()) {
                m_list->setCurrentRow(-1);
                m_list->clearSelection();
            }
        }
        if (prop == ui::Prop::Focus)
            m_view.requestFocus(m_lb);
    }

    void resized() override { fit(); }

private:
    // The model's items into the widget: items added at once are inserted
    // alone (a list filled item by item costs no more than one filled at
    // once); anything else, or all, replaces every item.
    void takeItems(bool all) {
        const ui::ListBox::Added added = m_lb.lastAdded();
        if (!all && added.at >= 0 && added.at <= m_list->count() &&
            m_list->count() + added.count == m_lb.listCount()) {
            QStringList items;
            items.reserve(added.count);
            for (int i = added.at; i < added.at + added.count; ++i)
                items << decode(m_lb.items()[static_cast<size_t>(i)]);
            if (items.size() == 1)
                m_list->insertItem(added.at, items.front());
            else
                m_list->insertItems(added.at, items);
            fitAdded(items);
            return;
        }
        QStringList items;
        items.reserve(m_lb.listCount());
        for (const std::string& item : m_lb.items())
            items << decode(item);
        m_list->clear();
        m_list->addItems(items);
        fit();
    }
    int innerWidth() const { return m_list->width() - 2 * m_list->frameWidth() - textInset(); }
    // The font: the program's, or smaller until the widest item fits; no
    // scroll bar where there is no room for one.
    void fit() {
        QStringList items;
        items.reserve(m_list->count());
        for (int i = 0; i < m_list->count(); ++i)
            items << m_list->item(i)->text();
        const QFont own = QApplication::font();
        const auto fitting = fittingFont(own, widestLines(own, items), innerWidth());
        m_list->setFont(fitting.value_or(own));
        m_allFit = fitting.has_value();
        m_measuredFit = 0;
        const bool room =
            m_list->width() >= scrollBarRoom(*m_list) && m_list->height() >= scrollBarRoom(*m_list);
        m_list->setVerticalScrollBarPolicy(room ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    }
    // Items added: the font changes only when one is too wide for it while
    // every other item fits (when none fits, the program's font stays). An
    // item well inside the width at the program's font, or of an estimate no
    // wider than an item measured before, is not measured.
    void fitAdded(const QStringList& items) {
        if (!m_allFit)
            return;
        if (!m_widths || m_widths->font() != QApplication::font())
            m_widths.emplace(QApplication::font());
        const int inner = innerWidth();
        const QFontMetrics metrics(m_list->font());
        for (const QString& item : items) {
            const int estimate = m_widths->of(item);
            if (estimate <= std::max(inner * 9 / 10, m_measuredFit))
                continue;
            if (metrics.horizontalAdvance(item) > inner) {
                fit();
                return;
            }
            m_measuredFit = estimate;
        }
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
    // Every item fits the list's width at its font.
    bool m_allFit = true;
    // Letter widths at the program's font, for the items added one by one.
    std::optional<LetterWidths> m_widths;
    // The widest estimate of an item added and measured to fit since the
    // last fit.
    int m_measuredFit = 0;
};

} // namespace

ControlBinding* makeListBinding(QtView& view, ui::ListBox& list, QWidget* parent) {
    return new ListBinding(view, list, parent);
}

} // namespace ui::qt
