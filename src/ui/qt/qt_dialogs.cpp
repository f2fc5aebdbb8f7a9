#include "ui/qt/qt_dialogs.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

#include "ui/qt/cp1252.h"

namespace ui::qt {

void setUpMessageBox(QMessageBox& box, const std::string& text, ui::Buttons buttons,
                     ui::Icon icon) {
    box.setWindowTitle(QStringLiteral("Tessary"));
    box.setTextFormat(Qt::PlainText);
    box.setText(toWidgetText(text));
    switch (icon) {
    case ui::Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case ui::Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case ui::Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case ui::Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case ui::Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case ui::Buttons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case ui::Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case ui::Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    // A short text makes a narrow box whose title bar cuts the title; an
    // empty row across the box's grid keeps it wide enough.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(messageBoxMinimumWidth(box), 0, QSizePolicy::Minimum,
                                      QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

int messageBoxMinimumWidth(const QWidget& box) {
    // The title and, beside it, the window manager's buttons: room for six
    // lines' worth of square buttons and margins.
    const QFontMetrics metrics(box.font());
    return metrics.horizontalAdvance(box.windowTitle()) * 2 + 10 * metrics.height();
}

ui::Answer QtDialogs::message(const std::string& text, ui::Buttons buttons, ui::Icon icon) {
    // Before the main window shows, a box stands alone: made its parent, the
    // main window would get its native window now and later be placed
    // without its frame, the title bar off the screen.
    QMessageBox box(m_parent && m_parent->isVisible() ? m_parent : nullptr);
    setUpMessageBox(box, text, buttons, icon);
    ui::Answer fallback = ui::Answer::OK;
    if (buttons == ui::Buttons::YesNo)
        fallback = ui::Answer::No;
    else if (buttons == ui::Buttons::YesNoCancel)
        fallback = ui::Answer::Cancel;
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    switch (clicked ? box.standardButton(clicked) : QMessageBox::NoButton) {
    case QMessageBox::Ok:
        return ui::Answer::OK;
    case QMessageBox::Yes:
        return ui::Answer::Yes;
    case QMessageBox::No:
        return ui::Answer::No;
    case QMessageBox::Cancel:
        return ui::Answer::Cancel;
    default:
        return fallback;
    }
}

} // namespace ui::qt
