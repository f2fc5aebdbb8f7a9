// One binding per control of a child window: creates the widget, applies the
// model's properties to it and forwards what the user does with it (clicks,
// mouse buttons, edits, caret moves, keys) to the control.
#pragma once

#include <string>

#include "ui/property.h"

#include <QObject>
#include <QString>

class QWidget;

namespace ui {
class Control;
}

namespace ui::qt {

class QtView;

class ControlBinding : public QObject {
public:
    ControlBinding(QtView& view, ui::Control& control, QWidget* widget);

    QWidget* widget() const { return m_widget; }
    ui::Control& control() const { return m_control; }
    // Applies model property prop to the widget; an empty prop applies all.
    void update(ui::Prop prop);

protected:
    // The properties of this kind of control; empty prop means all of them.
    virtual void updateOwn(ui::Prop prop) = 0;
    // The widget has been given a new size (its font or icon may follow).
    virtual void resized() {}
    // What assistive technology calls the control: its accessible name in
    // the model, else its caption, else its tool tip.
    QString accessibleName() const;
    // Events of the widget (or of its viewport) for this kind of control;
    // true swallows the event.
    virtual bool filterOwn(QObject* watched, QEvent* e);
    bool eventFilter(QObject* watched, QEvent* e) override;

    QtView& m_view;
    ui::Control& m_control;
    QWidget* m_widget;
    // Set while this binding pushes a user change into the model, so that
    // the model's notification does not travel back into the widget.
    bool m_pushing = false;
};

// Creates the widget for control as a child of parent, with its binding
// (owned by the widget). Null for kinds that have no widget (menus).
ControlBinding* createBinding(QtView& view, ui::Control& control, QWidget* parent,
                              bool neverActive);

} // namespace ui::qt
