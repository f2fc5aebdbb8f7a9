// Windows-1252 texts of the screen model shown in Qt widgets: one QChar per
// byte through a 256-entry table, and the mapping of caret positions between
// a model string (line breaks are CR LF, two characters) and the widget text
// (one line break character).
#pragma once

#include <string>

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

// Where the model sees a click whose caret the widget put at model position
// pos. The blanks that end a text (a page's filler) stand on one line whose
// blanks hang past the box's edge: the widget puts every click on that line,
// or below it, after the last of them. Such a click, and any click inside
// those blanks, lies at the first of them; every other position stays.
int clickInTrailingBlanks(const std::string& model, int pos);

// A caption with its access-key ampersands removed ("&&" stays one '&').
QString withoutMnemonics(const QString& caption);

} // namespace ui::qt
