// The characters of a table that show as nothing or as a blank, and how messages quote a cell so
// that the user sees them. One definition serves the trimming of cells and names, the blank rows
// and the labels.
#pragma once

#include <string>
#include <string_view>

namespace quarnel {

// Whether a character shows as nothing or as a blank: the control characters (C0, DEL, C1), the
// no-break space U+00A0, the spaces U+2000 to U+200B (the zero-width space included), the
// full-width blank U+3000 and the byte-order mark U+FEFF. The ASCII blank is no such character.
bool invisible(long codePoint);

// The text without ASCII blanks and invisible characters at either end; at its start an escape
// character takes the rest of its sequence with it ("\x1b[0m" is blank).
std::string_view trimmed(std::string_view text);
// Whether the text holds nothing but such characters.
bool blank(std::string_view text);

// The code point and name of an invisible character as messages show it, "(U+00A0 不间断空格)";
// "" for any other character.
std::string invisibleName(long codePoint);

// Whether a unit written in a table is the unit: letters in either case, "²" and "³" as "2" and
// "3", blanks ignored ("kN/m³" is "kn/m3").
bool sameUnit(std::string_view written, std::string_view unit);

// The cell as messages quote it: 「cell」, each invisible character shown by its name; a cell of
// more than 60 characters is cut there and ends with "…(共 N 个字符)".
std::string quoted(std::string_view cell);

}  // namespace quarnel
