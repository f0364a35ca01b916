#pragma once
// Small text functions shared by reports, dialogs and queries. Widths count characters.
#include <string>
#include <string_view>

#include "app/date_time.h"

namespace tembrel {

void UpperCaseInPlace(std::string& text);
std::string PadRight(std::string_view text, size_t width);
std::string PadLeft(std::string_view text, size_t width);
std::string Centre(std::string_view text, size_t width);
// Without trailing blanks, code 0 and code 255 characters.
std::string TrimTrailing(std::string_view text);
std::string BlanksToZeros(std::string_view text);
// Inner double quotes doubled; only ever used for table names in SQL text.
std::string QuoteForSql(std::string_view text);
// "2003-7-4": display/legacy form only, never compared as text (stored dates are zero-padded).
std::string DateToYmd(const Date& date);

// Blanks (and tabs) removed at both ends.
std::string Trim(std::string_view text);
// Trimmed, then cut to its first `width` characters.
std::string TrimCut(std::string_view text, size_t width);

// Thousands-separated count, as the "#,###,##0" style patterns show it.
std::string FormatCount(long long value);

}  // namespace tembrel
