// The date a calculation document states: one given as YYYY-MM-DD, the day of SOURCE_DATE_EPOCH
// for a reproducible document, or today.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quarnel {

// Whether the text is a date of the Gregorian calendar written YYYY-MM-DD (0001-01-01 to
// 9999-12-31): "2024-02-29" is one, "2023-02-29", "2024-4-1" and "2024-04-31" are not.
bool calendarDate(std::string_view text);

// The UTC date (YYYY-MM-DD) of SOURCE_DATE_EPOCH's seconds since 1970-01-01 00:00 UTC, given as
// decimal digits; nothing when the text is not such a number or lies past 9999-12-31.
std::optional<std::string> epochDate(std::string_view seconds);

// Today's date in local time, YYYY-MM-DD.
std::string today();

}  // namespace quarnel
