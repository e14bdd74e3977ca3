// What counts as a number in the editor's prompts, and the whole number it
// stands for.
#include <gtest/gtest.h>

#include "editor/NumberEntry.h"

namespace {

TEST(NumberEntry, ReadsEachEntryAndRoundsItDown) {
  // Accepted shapes: sign, digits, a decimal part, blanks around; rounded
  // down, not towards zero; nothing past the 16-bit range.
  const std::optional<int16_t> none;
  const std::pair<const char*, std::optional<int16_t>> kNumbers[] = {
      {"12", 12},
      {" 12 ", 12},
      {"   3", 3},
      {"007", 7},
      {"+5", 5},
      {"-4", -4},
      {"3.9", 3},
      {"0.7", 0},
      {"20.999", 20},
      {"-0.5", -1},
      {"-2.0", -2},
      {"-0", 0},
      {" -3.25 ", -4},
      {"32767", 32767},
      {"32768", none},
      {"-32769", none},
      {"-32768", -32768},
      {"32767.99", 32767},
      {"-32768.5", none},
      {"00000000000012", 12},
      {"9999999999999999999", none},
  };
  for (const auto& [entry, value] : kNumbers) {
    EXPECT_TRUE(editor::ReadsAsDecimalNumber(entry)) << entry;
    EXPECT_EQ(editor::RoundedDownValue(entry), value) << entry;
  }
  // Only spaces count as blanks.
  for (const char* entry : {"", "   ", "abc", "1e3", "0x10", "1,5", "3.", ".5", "+", "-", "+-1",
                            "- 1", "1 2", "1.2.3", "12a", "\t5", "5\n"}) {
    EXPECT_FALSE(editor::ReadsAsDecimalNumber(entry)) << entry;
    EXPECT_EQ(editor::RoundedDownValue(entry), std::nullopt) << entry;
  }
}

}  // namespace
