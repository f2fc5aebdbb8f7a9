// Markup of the sources that a conversion left in a library's text.
#pragma once

#include "library/check_report.h"
#include "library/check_source.h"

namespace library::check {

// Reports, once per kind and file with the number of places, character
// entities ("&#8220;", "&gt;") and divine-name markers ("\nd", "\+nd*").
void checkLeftoverMarkup(const SourceFile& file, Report& report);

// Reports text saved as UTF-8: a byte-order mark at the start of the file,
// and the first UTF-8 character of each line that holds one (U+00E9 for
// "Ã©"), for ten lines of a file and then how many more lines hold one.
void checkUtf8(const SourceFile& file, Report& report);

} // namespace library::check
