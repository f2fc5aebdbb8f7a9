// The catalogue dispatch: what choosing a start item or a second-level item opens.
#pragma once

#include <string>

namespace app {
class Program;
}

namespace catalogue {

// Opens start item key (as written in START.SEL) at position index of the
// start list: a second-level list, the advice list or a topic grid.
void startDispatch(app::Program& p, const std::string& key, int index);

// Opens second-level item text at position index: an about, abbreviation,
// copyright or help text, or a third-level list.
void list1Dispatch(app::Program& p, const std::string& text, int index);

} // namespace catalogue
