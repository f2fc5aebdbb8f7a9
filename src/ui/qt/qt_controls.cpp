#include "ui/qt/qt_controls.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

#include "ui/controls.h"
#include "ui/qt/control_kinds.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/qt_view.h"
#include "ui/qt/zoom.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

// The Qt mouse button as the program's button; none for the other buttons.
std::optional<ui::MouseButton> modelButton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return ui::MouseButton::Left;
    case Qt::RightButton:
        return ui::MouseButton::Right;
    case Qt::MiddleButton:
        return ui::MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

// Labels and pictures take the left button themselves: the release is the
// control's Click, and neither press nor release reaches the window behind,
// which would count it as a click on its background as well.
bool takeLeftClick(QEvent* e, ui::Control& control, QtView& view) {
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease)
        return false;
    if (static_cast<QMouseEvent*>(e)->button() != Qt::LeftButton || view.blocked())
        return false;
    if (e->type() == QEvent::MouseButtonRelease) {
        control.click();
        view.afterEvent();
    }
    return true;
}

QIcon standardIcon(QStyle* style, const std::string& name) {
    struct Entry {
        const char* name;
        const char* theme;
        QStyle::StandardPixmap fallback;
    };
    static const Entry entries[] = {
        {"back", "go-previous", QStyle::SP_ArrowBack},
        {"find", "edit-find", QStyle::SP_FileDialogContentsView},
        {"up", "go-up", QStyle::SP_ArrowUp},
        {"first", "go-first", QStyle::SP_MediaSkipBackward},
        {"prev", "go-previous", QStyle::SP_ArrowLeft},
        {"next", "go-next", QStyle::SP_ArrowRight},
        {"last", "go-last", QStyle::SP_MediaSkipForward},
        {"newpage", "document-new", QStyle::SP_FileIcon},
        {"logo", "accessories-dictionary", QStyle::SP_FileDialogInfoView},
    };
    for (const Entry& e : entries)
        if (name == e.name)
            return QIcon::fromTheme(QString::fromLatin1(e.theme), style->standardIcon(e.fallback));
    return QIcon::fromTheme(QString::fromStdString(name));
}

class LabelBinding : public ControlBinding {
public:
    LabelBinding(QtView& view, ui::Label& label, QWidget* parent)
        : ControlBinding(view, label, new QLabel(parent)), m_label(static_cast<QLabel*>(m_widget)),
          m_model(label) {
        m_label->setTextFormat(Qt::PlainText);
        m_label->setWordWrap(true);
        m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

protected:
    void updateOwn(ui::Prop prop) override {
        if (ui::touches(prop, ui::Prop::Caption)) {
            m_label->setText(withoutMnemonics(toWidgetText(m_model.caption())));
            resized();
        }
    }
    // The caption's font shrinks until its wrapped lines fit the label.
    void resized() override {
        const QRect box = m_label->contentsRect();
        const QString text = m_label->text();
        m_label->setFont(captionFont(QApplication::font(), [&](const QFontMetrics& metrics) {
            const QRect used =
                metrics.boundingRect(QRect(0, 0, box.width(), 1 << 20), Qt::TextWordWrap, text);
            return used.width() <= box.width() && used.height() <= box.height();
        }));
    }
    bool filterOwn(QObject* watched, QEvent* e) override {
        return watched == m_label && takeLeftClick(e, m_model, m_view);
    }

private:
    QLabel* m_label;
    ui::Label& m_model;
};

// Left button: MouseDown(1), MouseUp(1), then Click from the button itself.
// The right and middle buttons, which QPushButton ignores, are caught here.
class ButtonBinding : public ControlBinding {
public:
    ButtonBinding(QtView& view, ui::Button& button, QWidget* parent)
        : ControlBinding(view, button, new QPushButton(parent)),
          m_button(static_cast<QPushButton*>(m_widget)), m_model(button) {
        connect(m_button, &QPushButton::clicked, this, [this] {
            if (m_view.blocked())
                return;
            // Pressed from the keyboard (Space): the program hears a left
            // click, which is where many buttons act.
            if (!m_mousePressed) {
                m_model.mouseDown(ui::MouseButton::Left);
                m_model.mouseUp(ui::MouseButton::Left);
            }
            m_mousePressed = false;
            m_model.click();
            m_view.afterEvent();
        });
    }

protected:
    void updateOwn(ui::Prop prop) override {
        if (ui::touches(prop, ui::Prop::Caption)) {
            m_button->setText(decode(m_model.caption()));
            // A caption set inside a long handler (a search's progress) is
            // painted at once, not when the event loop runs again.
            if (prop == ui::Prop::Caption && m_button->isVisible())
                m_button->repaint();
            resized();
        }
        // The picture is set before the button first shows.
        if (prop == ui::Prop::All) {
            if (!m_model.Picture.empty())
                m_button->setIcon(standardIcon(m_button->style(), m_model.Picture));
            else
                m_button->setIcon(QIcon());
            resized();
        }
        if (ui::touches(prop, ui::Prop::BackColor)) {
            QPalette pal = m_button->palette();
            pal.setColor(QPalette::Button, toQColor(m_model.backColor()));
            m_button->setPalette(pal);
        }
    }
    // The icon fills the button but for a margin; the caption's font shrinks
    // until the caption fits between the button's margins.
    void resized() override {
        const int side =
            std::max(8, std::min(m_button->width(), m_button->height()) - m_view.scale().pixels(8));
        m_button->setIconSize(QSize(side, side));
        if (m_model.caption().empty())
            return;
        // The caption is drawn inside the frame; a little air on each side.
        const int margins =
            2 * (m_button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_button) +
                 m_view.scale().pixels(2));
        const QString caption = withoutMnemonics(decode(m_model.caption()));
        const int width = m_button->width() - margins;
        m_button->setFont(captionFont(QApplication::font(), [&](const QFontMetrics& metrics) {
            return metrics.horizontalAdvance(caption) <= width;
        }));
    }
    bool filterOwn(QObject* watched, QEvent* e) override {
        if (watched != m_button || !m_button->isEnabled() || m_view.blocked())
            return false;
        if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonRelease)
            return false;
        const auto button = modelButton(static_cast<QMouseEvent*>(e)->button());
        if (!button)
            return false;
        if (e->type() == QEvent::MouseButtonPress)
            m_mousePressed = *button == ui::MouseButton::Left;
        if (e->type() == QEvent::MouseButtonPress)
            m_model.mouseDown(*button);
        else
            m_model.mouseUp(*button);
        m_view.afterEvent();
        // The left button goes on to the button, which then emits clicked.
        return *button != ui::MouseButton::Left;
    }

private:
    QPushButton* m_button;
    ui::Button& m_model;
    bool m_mousePressed = false;
};

class CheckBinding : public ControlBinding {
public:
    CheckBinding(QtView& view, ui::CheckBox& box, QWidget* parent)
        : ControlBinding(view, box, new QCheckBox(parent)),
          m_box(static_cast<QCheckBox*>(m_widget)), m_model(box) {
        connect(m_box, &QCheckBox::clicked, this, [this](bool checked) {
            if (m_view.blocked())
                return;
            m_pushing = true;
            m_model.setValue(checked ? 1 : 0);
            m_pushing = false;
            m_model.click();
            m_view.afterEvent();
        });
    }

protected:
    void updateOwn(ui::Prop prop) override {
        if (ui::touches(prop, ui::Prop::Caption)) {
            m_box->setText(decode(m_model.caption()));
            resized();
        }
        if (ui::touches(prop, ui::Prop::Value) && !m_pushing) {
            QSignalBlocker block(m_box);
            m_box->setChecked(m_model.value() != 0);
        }
    }

    // The caption's font shrinks until it fits beside the mark.
    void resized() override {
        const QStyle* style = m_box->style();
        const int mark = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, m_box) +
                         style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, m_box);
        const QString caption = withoutMnemonics(m_box->text());
        const int width = m_box->width() - mark;
        m_box->setFont(captionFont(QApplication::font(), [&](const QFontMetrics& metrics) {
            return metrics.horizontalAdvance(caption) <= width;
        }));
    }

private:
    QCheckBox* m_box;
    ui::CheckBox& m_model;
};

// A decorative panel: a soft vertical gradient.
class PictureBinding : public ControlBinding {
public:
    PictureBinding(QtView& view, ui::Control& picture, QWidget* parent)
        : ControlBinding(view, picture, new QFrame(parent)) {
        auto* frame = static_cast<QFrame*>(m_widget);
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setFrameShadow(QFrame::Sunken);
        QLinearGradient g(0, 0, 0, 1);
        g.setCoordinateMode(QGradient::ObjectBoundingMode);
        g.setColorAt(0, QColor(236, 240, 247));
        g.setColorAt(1, QColor(196, 208, 226));
        QPalette pal = frame->palette();
        pal.setBrush(QPalette::Window, QBrush(g));
        frame->setPalette(pal);
        frame->setAutoFillBackground(true);
    }

protected:
    void updateOwn(ui::Prop) override {}
    bool filterOwn(QObject* watched, QEvent* e) override {
        return watched == m_widget && takeLeftClick(e, m_control, m_view);
    }
};

} // namespace

ControlBinding::ControlBinding(QtView& view, ui::Control& control, QWidget* widget)
    : QObject(widget), m_view(view), m_control(control), m_widget(widget) {
    m_widget->installEventFilter(this);
}

QColor toQColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

int scrollBarRoom(const QWidget& widget) {
    return 3 * widget.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &widget);
}

void ControlBinding::update(ui::Prop prop) {
    const bool geometry = ui::isGeometry(prop);
    const bool placed = geometry || ui::touches(prop, ui::Prop::Visible);
    // A control that a sibling covers whole is not drawn at all.
    const QRect rect = placed ? m_view.controlRect(m_control) : QRect();
    if (geometry && !rect.isEmpty())
        m_widget->setGeometry(rect);
    if (ui::touches(prop, ui::Prop::Enabled))
        m_widget->setEnabled(m_control.Enabled);
    if (ui::touches(prop, ui::Prop::ToolTipText))
        m_widget->setToolTip(decode(m_control.ToolTipText));
    updateOwn(prop);
    if (ui::touches(prop, ui::Prop::Caption) || ui::touches(prop, ui::Prop::ToolTipText) ||
        ui::touches(prop, ui::Prop::AccessibleName))
        m_widget->setAccessibleName(accessibleName());
    if (ui::touches(prop, ui::Prop::AccessibleDescription))
        m_widget->setAccessibleDescription(decode(m_control.AccessibleDescription));
    if (geometry)
        resized();
    if (placed)
        m_widget->setVisible(m_control.Visible && !rect.isEmpty());
}

QString ControlBinding::accessibleName() const {
    if (!m_control.AccessibleName.empty())
        return decode(m_control.AccessibleName);
    std::string caption;
    if (m_control.get("Caption", caption) && !caption.empty())
        return withoutMnemonics(decode(caption)).trimmed();
    return decode(m_control.ToolTipText).simplified();
}

bool ControlBinding::filterOwn(QObject*, QEvent*) {
    return false;
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_widget && !m_view.blocked()) {
        if (e->type() == QEvent::KeyPress) {
            // The key is this control's, whichever control the program last
            // knew to have the focus.
            ui::Window& window = m_control.window();
            if (window.focusedControl() != &m_control)
                window.setFocus(&m_control);
            // A key the program took is not the widget's as well (a page key
            // that turned the page must not also scroll the new page).
            if (m_view.keyPressed(window, *static_cast<QKeyEvent*>(e)))
                return true;
        } else if (e->type() == QEvent::FocusIn) {
            auto reason = static_cast<QFocusEvent*>(e)->reason();
            ui::Window& window = m_control.window();
            if (m_view.applying()) {
                // The view moved the focus where the program wanted it.
            } else if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                       reason == Qt::BacktabFocusReason) {
                m_control.gotFocus();
                m_view.afterEvent();
            } else if (window.focusedControl() != &m_control) {
                // The window system gave the focus back (the main window
                // activated again): the program learns where the keys go,
                // without a GotFocus event.
                window.setFocus(&m_control);
            }
        }
    }
    if (m_view.blocked())
        return false;
    return filterOwn(watched, e);
}

ControlBinding* createBinding(QtView& view, ui::Control& control, QWidget* parent,
                              bool neverActive) {
    ControlBinding* b = nullptr;
    switch (control.kind()) {
    case ui::ControlKind::ListBox:
        b = makeListBinding(view, static_cast<ui::ListBox&>(control), parent);
        break;
    case ui::ControlKind::TextBox:
        b = makeTextBinding(view, static_cast<ui::TextBox&>(control), parent, neverActive);
        break;
    case ui::ControlKind::Label:
        b = new LabelBinding(view, static_cast<ui::Label&>(control), parent);
        break;
    case ui::ControlKind::Button:
        b = new ButtonBinding(view, static_cast<ui::Button&>(control), parent);
        break;
    case ui::ControlKind::CheckBox:
        b = new CheckBinding(view, static_cast<ui::CheckBox&>(control), parent);
        break;
    case ui::ControlKind::Picture:
        b = new PictureBinding(view, control, parent);
        break;
    case ui::ControlKind::Menu:
        return nullptr;
    }
    if (neverActive)
        b->widget()->setFocusPolicy(Qt::NoFocus);
    b->update(ui::Prop::All);
    return b;
}

} // namespace ui::qt
