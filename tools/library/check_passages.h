// What a passage reference reads from its book, as the program reads it.
#pragma once

#include <string>

#include "formats/passage_refs.h"
#include "library/check_context.h"

namespace library::check {

// The keys that a passage names and its book lacks: the passage names the
// keys of its page from its first paragraph to its last, and is read as the
// program reads it (up to its last key, the end of its page or its count of
// lines). Returns them for a message ("1:6", "1:8 to 1:9, 1:11"), or empty
// when none is lacking, when the first key reaches no line (reported with
// the index) or when the paragraphs are not numbers in a row.
std::string keysThePassageLacks(Context& ctx, const SourceFile& book,
                                const formats::PassageEntry& entry);

} // namespace library::check
