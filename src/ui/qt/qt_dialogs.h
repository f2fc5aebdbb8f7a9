// Message boxes shown as QMessageBox, titled "Tessary", modal to the main
// window once one is set.
#pragma once

#include "ui/dialogs.h"

class QMessageBox;
class QWidget;

namespace ui::qt {

// Gives box the title, text, icon and buttons of a message, and a width at
// which the title shows whole.
void setUpMessageBox(QMessageBox& box, const std::string& text, ui::Buttons buttons, ui::Icon icon);
// The least width of a message box whose title shows whole beside the
// window manager's buttons, in box's font.
int messageBoxMinimumWidth(const QWidget& box);

class QtDialogs : public ui::Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    // Blocks until the user answers; closing the box answers No for YesNo,
    // Cancel for YesNoCancel and OK otherwise.
    ui::Answer message(const std::string& text, ui::Buttons buttons, ui::Icon icon) override;

private:
    QWidget* m_parent;
};

} // namespace ui::qt
