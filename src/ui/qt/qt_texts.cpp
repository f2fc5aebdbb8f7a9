// Text boxes: multi-line boxes (read-only, selectable, caret positions mapped
// between the widget's line breaks and the model's CR LF), one-line boxes
// (editable), and the text of the help box, which takes no input and shrinks
// its font until the text fits its box.
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include "ui/controls.h"
#include "ui/qt/control_kinds.h"
#include "ui/qt/cp1252.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/qt_controls.h"
#include "ui/qt/qt_view.h"

namespace ui::qt {

namespace {

// A run of letters without a blank longer than this is no word: a text that
// holds one is wrapped anywhere, since wrapping at word boundaries lays out
// the rest of such a run again for every line it fills.
constexpr size_t kLongestWord = 1000;

// The longest text whose laid-out paragraphs keep their glyphs.
constexpr size_t kGlyphsKeptUpTo = 64 * 1024;

bool holdsOverlongRun(const std::string& text) {
    size_t run = 0;
    for (const char c : text) {
        run = c == ' ' || c == '\t' || c == '\r' || c == '\n' ? 0 : run + 1;
        if (run > kLongestWord)
            return true;
    }
    return false;
}

// Shared by both text widgets: colours and the model's selection requests.
class TextBindingBase : public ControlBinding {
public:
    TextBindingBase(QtView& view, ui::TextBox& tb, QWidget* widget)
        : ControlBinding(view, tb, widget), m_tb(tb) {}

protected:
    void updateColours(ui::Prop prop) {
        if (!ui::touches(prop, ui::Prop::ForeColor) && !ui::touches(prop, ui::Prop::BackColor))
            return;
        QPalette pal = m_widget->palette();
        pal.setColor(QPalette::Text, toQColor(m_tb.foreColor()));
        pal.setColor(QPalette::WindowText, toQColor(m_tb.foreColor()));
        pal.setColor(QPalette::Base, toQColor(m_tb.backColor()));
        pal.setColor(QPalette::Window, toQColor(m_tb.backColor()));
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
    // The widget's selection [a, b) in model positions.
    virtual std::pair<int, int> selection() const = 0;
    // The user moved the caret or the selection: the model follows.
    void userMoved() {
        if (m_applyingModel || m_view.applying() || m_pushing)
            return;
        auto [a, b] = selection();
        if (a == m_tb.selStart() && b - a == m_tb.selLength())
            return;
        pushSelection(a, b);
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
        m_edit->setTabChangesFocus(true);
        m_edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        m_edit->viewport()->installEventFilter(this);
        m_edit->viewport()->setCursor(Qt::IBeamCursor);
        connect(m_edit, &QPlainTextEdit::selectionChanged, this, [this] { userMoved(); });
        connect(m_edit, &QPlainTextEdit::cursorPositionChanged, this, [this] { userMoved(); });
    }

protected:
    void updateOwn(ui::Prop prop) override {
        updateColours(prop);
        if (prop == ui::Prop::Refresh)
            m_edit->viewport()->update();
        if (m_pushing)
            return;
        m_applyingModel = true;
        if (ui::touches(prop, ui::Prop::Text)) {
            const auto wrap = holdsOverlongRun(m_tb.text())
                                  ? QTextOption::WrapAnywhere
                                  : QTextOption::WrapAtWordBoundaryOrAnywhere;
            // The old text goes before the wrapping changes, which would lay
            // it out again.
            if (m_edit->wordWrapMode() != wrap) {
                m_edit->clear();
                m_edit->setWordWrapMode(wrap);
            }
            m_breaks = pieceBreaks(m_tb.text());
            m_edit->setPlainText(toBoxText(m_tb.text(), m_breaks));
            // The paragraphs of a text up to a page or so keep their shaped
            // glyphs once laid out, so that drawing them does not shape them
            // again; a longer text is left to lay out anew as it scrolls.
            if (m_tb.text().size() <= kGlyphsKeptUpTo)
                for (QTextBlock b = m_edit->document()->firstBlock(); b.isValid(); b = b.next())
                    b.layout()->setCacheEnabled(true);
        }
        // A new text shows from its start with the caret there: the caret
        // needs no moving, and a long paragraph no measuring, when the model
        // wants it there too.
        const bool atStart = m_tb.selStart() == 0 && m_tb.selLength() == 0;
        if ((ui::touches(prop, ui::Prop::Text) && !(prop == ui::Prop::Text && atStart)) ||
            ui::touches(prop, ui::Prop::SelStart) || ui::touches(prop, ui::Prop::SelLength))
            select();
        m_applyingModel = false;
        if (prop == ui::Prop::SelStart || prop == ui::Prop::SelLength || prop == ui::Prop::Focus)
            m_view.requestFocus(m_tb);
    }
    void resized() override {
        const bool room =
            m_edit->width() >= scrollBarRoom(*m_edit) && m_edit->height() >= scrollBarRoom(*m_edit);
        m_edit->setVerticalScrollBarPolicy(room ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        // The text keeps clear of the focus ring.
        const qreal margin = FocusRing::lineWidth() + 2;
        if (m_edit->document()->documentMargin() != margin)
            m_edit->document()->setDocumentMargin(margin);
    }
    bool filterOwn(QObject* watched, QEvent* e) override {
        if (watched == m_edit->viewport() && e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            auto [a, b] = selection();
            if (a == b)
                a = b = clickInTrailingBlanks(m_tb.text(), a);
            clicked(a, b);
        }
        return false;
    }

    std::pair<int, int> selection() const override {
        QTextCursor c = m_edit->textCursor();
        const std::string& text = m_tb.text();
        return {boxToModelPos(text, m_breaks, c.selectionStart()),
                boxToModelPos(text, m_breaks, c.selectionEnd())};
    }
    void select() {
        const std::string& text = m_tb.text();
        QTextCursor c = m_edit->textCursor();
        c.setPosition(modelToBoxPos(text, m_breaks, m_tb.selStart()));
        c.setPosition(modelToBoxPos(text, m_breaks, m_tb.selStart() + m_tb.selLength()),
                      QTextCursor::KeepAnchor);
        m_edit->setTextCursor(c);
        m_edit->ensureCursorVisible();
    }
    QPlainTextEdit* m_edit;
    std::vector<int> m_breaks; // of the text shown, from pieceBreaks
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
    void updateOwn(ui::Prop prop) override {
        updateColours(prop);
        if (ui::touches(prop, ui::Prop::Locked))
            m_line->setReadOnly(m_tb.locked());
        if (m_pushing)
            return;
        m_applyingModel = true;
        if (ui::touches(prop, ui::Prop::Text))
            m_line->setText(decode(m_tb.text()));
        if (ui::touches(prop, ui::Prop::Text) || ui::touches(prop, ui::Prop::SelStart) ||
            ui::touches(prop, ui::Prop::SelLength)) {
            if (m_tb.selLength() > 0)
                m_line->setSelection(m_tb.selStart(), m_tb.selLength());
            else
                m_line->setCursorPosition(m_tb.selStart());
        }
        m_applyingModel = false;
        if (prop == ui::Prop::SelStart || prop == ui::Prop::SelLength || prop == ui::Prop::Focus)
            m_view.requestFocus(m_tb);
    }
    // The text keeps clear of the focus ring.
    void resized() override {
        const int ring = FocusRing::lineWidth();
        m_line->setTextMargins(ring, 0, ring, 0);
    }
    bool filterOwn(QObject* watched, QEvent* e) override {
        if (watched == m_line && e->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            auto [a, b] = selection();
            clicked(a, b);
        }
        return false;
    }

    // One character per byte: widget positions are model positions.
    std::pair<int, int> selection() const override {
        if (m_line->hasSelectedText()) {
            int a = static_cast<int>(m_line->selectionStart());
            return {a, a + static_cast<int>(m_line->selectedText().size())};
        }
        int p = static_cast<int>(m_line->cursorPosition());
        return {p, p};
    }
    QLineEdit* m_line;
};

// The text of the help box: word-wrapped, on the box's colours, in the
// program's font or a smaller one, so that all of it lies inside the box.
class NoteBinding : public TextBindingBase {
public:
    NoteBinding(QtView& view, ui::TextBox& tb, QWidget* parent)
        : TextBindingBase(view, tb, new QLabel(parent)), m_label(static_cast<QLabel*>(m_widget)) {
        m_label->setTextFormat(Qt::PlainText);
        m_label->setWordWrap(true);
        m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_label->setAutoFillBackground(true);
        m_label->setFocusPolicy(Qt::NoFocus);
    }

protected:
    void updateOwn(ui::Prop prop) override {
        updateColours(prop);
        if (ui::touches(prop, ui::Prop::Text)) {
            m_label->setText(toWidgetText(m_tb.text()));
            fit();
        }
    }
    void resized() override { fit(); }
    // No input: the selection is the model's own.
    std::pair<int, int> selection() const override {
        return {m_tb.selStart(), m_tb.selStart() + m_tb.selLength()};
    }

private:
    void fit() {
        QFont font = QApplication::font();
        const int own = font.pixelSize() > 0 ? font.pixelSize() : 12;
        for (int size = own; size >= 6; --size) {
            font.setPixelSize(size);
            m_label->setFont(font);
            if (m_label->heightForWidth(m_label->width()) <= m_label->height())
                return;
        }
    }

    QLabel* m_label;
};

} // namespace

ControlBinding* makeTextBinding(QtView& view, ui::TextBox& box, QWidget* parent, bool noInput) {
    if (noInput)
        return new NoteBinding(view, box, parent);
    if (box.MultiLine)
        return new TextBinding(view, box, parent);
    return new LineBinding(view, box, parent);
}

} // namespace ui::qt
