// Message boxes: every box carries the program's title, "Tessary".
#pragma once

#include <string>

namespace ui {

enum class Buttons { OK, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Answer { OK, Yes, No, Cancel };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Shows text with the given buttons and returns the button pressed.
    virtual Answer message(const std::string& text, Buttons buttons, Icon icon) = 0;
};

const char* answerName(Answer a);

} // namespace ui
