// Markup of the sources that a conversion left in a library's text.
#pragma once

#include "library/check_report.h"
#include "library/check_source.h"

namespace library::check {

// Reports, once per kind and file with the number of places, character
// entities ("&#8220;", "&gt;"), divine-name markers ("\nd", "\+nd*") and
// Greek or Hebrew letters in UTF-8 ("ώ" once stood for the Hebrew sin).
void checkLeftoverMarkup(const SourceFile& file, Report& report);

} // namespace library::check
