#pragma once
// What the author types into a number prompt. An entry reads as a decimal
// number when it is, with blanks (spaces) allowed around it: an optional
// sign, at least one digit, and optionally a point followed by at least one
// digit. So "3.9", " 12 ", "007" and "+5" read as numbers; "", "abc", "1e3",
// "0x10", "1,5", "3." and ".5" do not. Requiring digits on both sides of the
// point keeps names like "3..maz" out of the program folder.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// The entry without blanks at either end.
std::string TrimBlanks(std::string_view entry);

// The entry's value rounded down to a whole number (-0.5 gives -1). Nothing
// when the entry does not read as a decimal number or the whole number lies
// outside -32768 to 32767: such an entry brings its prompt back like any
// other unusable one.
std::optional<int16_t> RoundedDownValue(std::string_view entry);

}  // namespace editor
