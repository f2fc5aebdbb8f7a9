#include "ui/qt/qt_dialogs.h"

#include <QMessageBox>

#include "ui/qt/cp1252.h"

namespace ui::qt {

ui::Answer QtDialogs::message(const std::string& text, ui::Buttons buttons, ui::Icon icon) {
    QMessageBox box(m_parent);
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
    ui::Answer fallback = ui::Answer::OK;
    switch (buttons) {
    case ui::Buttons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case ui::Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        fallback = ui::Answer::No;
        break;
    case ui::Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        fallback = ui::Answer::Cancel;
        break;
    }
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
