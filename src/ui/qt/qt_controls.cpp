#include "ui/qt/qt_controls.h"

#include <algorithm>
#include <optional>

#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBlock>

#include "ui/controls.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/qt_view.h"
#include "ui/window.h"

namespace ui::qt {

namespace {

QColor toQColor(std::uint32_t rgb) {
    return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>(rgb & 0xFF));
}

bool is(const std::string& prop, const char* name) {
    return prop.empty() || prop == name;
}

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
        connect(m_list, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { pick(m_list->row(item)); });
        connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
            if (m_list->inKey())
                pick(row);
        });
    }

protected:
    void updateOwn(const std::string& prop) override {
        QSignalBlocker block(m_list);
        if (is(prop, "List")) {
            m_list->clear();
            for (const std::string& item : m_lb.items())
                m_list->addItem(decode(item));
        }
        if (is(prop, "List") || is(prop, "ListIndex")) {
            int index = m_lb.listIndex();
            if (index >= 0 && index < m_list->count()) {
                m_list->setCurrentRow(index);
                m_list->scrollToItem(m_list->item(index));
            } else {
                m_list->setCurrentRow(-1);
                m_list->clearSelection();
            }
        }
    }

private:
    // The user picked row: the model gets ListIndex, then Click.
    void pick(int row) {
        if (m_view.blocked() || row < 0)
            return;
        m_pushing = true;
        m_lb.setListIndex(row);
        m_pushing = false;
        m_lb.click();
        m_view.afterEvent();
    }

    ModelList* m_list;
    ui::ListBox& m_lb;
};

// Shared by both text widgets: colours and the model's selection requests.
class TextBindingBase : public ControlBinding {
public:
    TextBindingBase(QtView& view, ui::TextBox& tb, QWidget* widget)
        : ControlBinding(view, tb, widget), m_tb(tb) {}

protected:
    void updateColours(const std::string& prop) {
        if (!is(prop, "ForeColor") && !is(prop, "BackColor"))
            return;
        QPalette pal = m_widget->palette();
        pal.setColor(QPalette::Text, toQColor(m_tb.foreColor()));
        pal.setColor(QPalette::Base, toQColor(m_tb.backColor()));
        m_widget->setPalette(pal);
    }
    // Pushes the widget's selection [a, b) in model positions into the model.
    void pushSelection(int a, int b) {
        if (m_view.blocked())
            return;
        m_pushing = true;
        m_tb.setSelStart(a);
        if (b > a)
            m_tb.setSelLength(b - a);
        m_pushing = false;
    }
    void clicked(int a, int b) {
        if (m_view.blocked())
            return;
        pushSelection(a, b);
        m_tb.click();
        m_view.afterEvent();
    }

    ui::TextBox& m_tb;
    bool m_applyingModel = false;
};

// A multi-line box: read-only for the user but selectable; positions mapped
// between the widget's single line breaks and the model's CR LF.
class TextBinding : public TextBindingBase {
public:
    TextBinding(QtView& view, ui::TextBox& tb, QWidget* parent)
        : TextBindingBase(view, tb, new QPlainTextEdit(parent)),
          m_edit(static_cast<QPlainTextEdit*>(m_widget)) {
        m_edit->setReadOnly(true);
        m_edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_edit->viewport()->installEventFilter(this);
        m_edit->viewport()->setCursor(Qt::IBeamCursor);
        connect(m_edit, &QPlainTextEdit::selectionChanged, this, [this] { userMoved(); });
        connect(m_edit, &QPlainTextEdit::cursorPositionChanged, this, [this] { userMoved(); });
    }

protected:
    void updateOwn(const std::string& prop) override {
        updateColours(prop);
        if (prop == "Refresh")
            m_edit->viewport()->update();
        if (m_pushing)
            return;
        m_applyingModel = true;
        if (is(prop, "Text"))
            m_edit->setPlainText(toWidgetText(m_tb.text()));
        if (is(prop, "Text") || is(prop, "SelStart") || is(prop, "SelLength"))
            select();
        m_applyingModel = false;
        if (prop == "SelStart" || prop == "SelLength" || prop == "Focus")
            m_view.requestFocus(m_tb);
    }
    bool filterOwn(QObject* watched, QEvent* e) override {
        if (watched == m_edit->viewport() && e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            auto [a, b] = modelSelection();
            clicked(a, b);
        }
        return false;
    }

private:
    std::pair<int, int> modelSelection() const {
        QTextCursor c = m_edit->textCursor();
        const std::string& text = m_tb.text();
        return {widgetToModelPos(text, c.selectionStart()),
                widgetToModelPos(text, c.selectionEnd())};
    }
    void select() {
        const std::string& text = m_tb.text();
        QTextCursor c = m_edit->textCursor();
        c.setPosition(modelToWidgetPos(text, m_tb.selStart()));
        c.setPosition(modelToWidgetPos(text, m_tb.selStart() + m_tb.selLength()),
                      QTextCursor::KeepAnchor);
        m_edit->setTextCursor(c);
        m_edit->ensureCursorVisible();
    }
    void userMoved() {
        if (m_applyingModel || m_view.applying())
            return;
        auto [a, b] = modelSelection();
        if (a == m_tb.selStart() && b - a == m_tb.selLength())
            return;
        pushSelection(a, b);
    }

    QPlainTextEdit* m_edit;
};

// A one-line box: editable; every edit goes back into the model's Text.
class LineBinding : public TextBindingBase {
public:
    LineBinding(QtView& view, ui::TextBox& tb, QWidget* parent)
        : TextBindingBase(view, tb, new QLineEdit(parent)),
          m_line(static_cast<QLineEdit*>(m_widget)) {
        connect(m_line, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (m_view.blocked())
                return;
            m_pushing = true;
            m_tb.setText(encode(text));
            m_pushing = false;
            userMoved();
        });
        connect(m_line, &QLineEdit::cursorPositionChanged, this, [this] { userMoved(); });
        connect(m_line, &QLineEdit::selectionChanged, this, [this] { userMoved(); });
    }

protected:
    void updateOwn(const std::string& prop) override {
        updateColours(prop);
        if (m_pushing)
            return;
        m_applyingModel = true;
        if (is(prop, "Text"))
            m_line->setText(decode(m_tb.text()));
        if (is(prop, "Text") || is(prop, "SelStart") || is(prop, "SelLength")) {
            if (m_tb.selLength() > 0)
                m_line->setSelection(m_tb.selStart(), m_tb.selLength());
            else
                m_line->setCursorPosition(m_tb.selStart());
        }
        m_applyingModel = false;
        if (prop == "SelStart" || prop == "SelLength" || prop == "Focus")
            m_view.requestFocus(m_tb);
    }
    bool filterOwn(QObject* watched, QEvent* e) override {
        if (watched == m_line && e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            auto [a, b] = selection();
            clicked(a, b);
        }
        return false;
    }

private:
    // One character per byte: widget positions are model positions.
    std::pair<int, int> selection() const {
        if (m_line->hasSelectedText()) {
            int a = static_cast<int>(m_line->selectionStart());
            return {a, a + static_cast<int>(m_line->selectedText().size())};
        }
        int p = static_cast<int>(m_line->cursorPosition());
        return {p, p};
    }
    void userMoved() {
        if (m_applyingModel || m_view.applying() || m_pushing)
            return;
        auto [a, b] = selection();
        if (a == m_tb.selStart() && b - a == m_tb.selLength())
            return;
        pushSelection(a, b);
    }

    QLineEdit* m_line;
};

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
    void updateOwn(const std::string& prop) override {
        if (is(prop, "Caption"))
            m_label->setText(withoutMnemonics(toWidgetText(m_model.caption())));
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
            m_model.click();
            m_view.afterEvent();
        });
    }

protected:
    void updateOwn(const std::string& prop) override {
        if (is(prop, "Caption")) {
            m_button->setText(decode(m_model.caption()));
            // A caption set inside a long handler (a search's progress) is
            // painted at once, not when the event loop runs again.
            if (prop == "Caption" && m_button->isVisible())
                m_button->repaint();
        }
        if (is(prop, "Picture") || is(prop, "Width") || is(prop, "Height") ||
            is(prop, "Geometry")) {
            if (!m_model.Picture.empty()) {
                m_button->setIcon(standardIcon(m_button->style(), m_model.Picture));
                int side = std::max(8, std::min(m_model.Width, m_model.Height) - 8);
                m_button->setIconSize(QSize(side, side));
            } else {
                m_button->setIcon(QIcon());
            }
        }
        if (is(prop, "BackColor")) {
            QPalette pal = m_button->palette();
            pal.setColor(QPalette::Button, toQColor(m_model.backColor()));
            m_button->setPalette(pal);
        }
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
    void updateOwn(const std::string& prop) override {
        if (is(prop, "Caption"))
            m_box->setText(decode(m_model.caption()));
        if (is(prop, "Value") && !m_pushing) {
            QSignalBlocker block(m_box);
            m_box->setChecked(m_model.value() != 0);
        }
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
    void updateOwn(const std::string&) override {}
    bool filterOwn(QObject* watched, QEvent* e) override {
        return watched == m_widget && takeLeftClick(e, m_control, m_view);
    }
};

} // namespace

ControlBinding::ControlBinding(QtView& view, ui::Control& control, QWidget* widget)
    : QObject(widget), m_view(view), m_control(control), m_widget(widget) {
    m_widget->installEventFilter(this);
}

void ControlBinding::update(const std::string& prop) {
    if (is(prop, "Left") || is(prop, "Top") || is(prop, "Width") || is(prop, "Height") ||
        is(prop, "Geometry"))
        m_widget->setGeometry(m_control.Left, m_control.Top, std::max(0, m_control.Width),
                              std::max(0, m_control.Height));
    if (is(prop, "Enabled"))
        m_widget->setEnabled(m_control.Enabled);
    if (is(prop, "ToolTipText"))
        m_widget->setToolTip(decode(m_control.ToolTipText));
    updateOwn(prop);
    if (is(prop, "Visible"))
        m_widget->setVisible(m_control.Visible);
}

bool ControlBinding::filterOwn(QObject*, QEvent*) {
    return false;
}

bool ControlBinding::eventFilter(QObject* watched, QEvent* e) {
    if (watched == m_widget && !m_view.blocked()) {
        if (e->type() == QEvent::KeyPress) {
            m_view.keyPressed(m_control.window(), *static_cast<QKeyEvent*>(e));
        } else if (e->type() == QEvent::FocusIn) {
            auto reason = static_cast<QFocusEvent*>(e)->reason();
            if (!m_view.applying() &&
                (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
                 reason == Qt::BacktabFocusReason)) {
                m_control.gotFocus();
                m_view.afterEvent();
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
        b = new ListBinding(view, static_cast<ui::ListBox&>(control), parent);
        break;
    case ui::ControlKind::TextBox: {
        auto& tb = static_cast<ui::TextBox&>(control);
        if (tb.MultiLine)
            b = new TextBinding(view, tb, parent);
        else
            b = new LineBinding(view, tb, parent);
        break;
    }
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
    b->update({});
    return b;
}

} // namespace ui::qt
