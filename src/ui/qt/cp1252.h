// Windows-1252 texts of the screen model shown in Qt widgets: one QChar per
// byte (formats/cp1252.h), and the mapping of caret positions between
// a model string (line breaks are CR LF, two characters) and the widget text
// (one line break character).
#pragma once

#include <string>
#include <vector>

#include <QString>

namespace ui::qt {

// The character a Windows-1252 byte stands for; the five bytes the code page
// leaves undefined map to the C1 control of the same value.
QChar cp1252Char(unsigned char byte);
// Every byte becomes one character; no line-end translation.
QString decode(const std::string& bytes);
// The reverse of decode; characters outside Windows-1252 become '?'.
std::string encode(const QString& text);

// The widget form of a model text: CR LF becomes one '\n', a lone CR becomes
// '\n', everything else one character per byte.
QString toWidgetText(const std::string& model);
// The model form of a widget text: each '\n' (or paragraph separator U+2029)
// becomes CR LF.
std::string fromWidgetText(const QString& widget);

// The widget position of model position pos (clamped to 0..size). A position
// between the CR and the LF of a pair maps to just after the line break.
int modelToWidgetPos(const std::string& model, int pos);
// The model position of widget position pos in toWidgetText(model), clamped
// to the end of the text; a position after a line break lies after its LF.
int widgetToModelPos(const std::string& model, int pos);

// A text box shows a paragraph longer than kPieceLength characters in
// pieces: its widget text has a line break of its own after the first blank
// past every kPieceLength characters of a paragraph, or after
// 2 * kPieceLength characters without one. Qt lays a paragraph out whole,
// at a cost that grows faster than its length.
constexpr int kPieceLength = 16384;
// The model positions before which the box's widget text has such a break.
std::vector<int> pieceBreaks(const std::string& model);
// toWidgetText(model) with the breaks at breaks (from pieceBreaks).
QString toBoxText(const std::string& model, const std::vector<int>& breaks);
// modelToWidgetPos and widgetToModelPos in toBoxText(model, breaks). A model
// position at a break maps to just after it; both sides of a break map to
// the model position at it.
int modelToBoxPos(const std::string& model, const std::vector<int>& breaks, int pos);
int boxToModelPos(const std::string& model, const std::vector<int>& breaks, int pos);

// Where the model sees a click whose caret the widget put at model position
// pos. The blanks that end a text (a page's filler) stand on one line whose
// blanks hang past the box's edge: the widget puts every click on that line,
// or below it, after the last of them. Such a click, and any click inside
// those blanks, lies at the first of them; every other position stays.
int clickInTrailingBlanks(const std::string& model, int pos);

// A caption with its access-key ampersands removed ("&&" stays one '&').
QString withoutMnemonics(const QString& caption);

} // namespace ui::qt
