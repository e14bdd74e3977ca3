// What counts as a number in the editor's prompts, and the whole number it
// stands for.
#include <gtest/gtest.h>

#include "editor/NumberEntry.h"

namespace {

struct EntryCase {
  const char* entry;
  bool readsAsNumber;
  std::optional<int16_t> value;
};

const EntryCase kEntries[] = {
    // Accepted shapes: sign, digits, a decimal part, blanks around.
    {"12", true, 12},
    {" 12 ", true, 12},
    {"   3", true, 3},
    {"007", true, 7},
    {"+5", true, 5},
    {"-4", true, -4},
    {"3.9", true, 3},
    {"0.7", true, 0},
    {"20.999", true, 20},
    {"-0.5", true, -1},  // rounded down, not towards zero
    {"-2.0", true, -2},
    {"-0", true, 0},
    {" -3.25 ", true, -4},
    // The edges of the 16-bit range.
    {"32767", true, 32767},
    {"32767.99", true, 32767},
    {"-32768", true, -32768},
    {"32768", true, std::nullopt},
    {"-32768.5", true, std::nullopt},
    {"-32769", true, std::nullopt},
    {"99999999999999999999999", true, std::nullopt},
    {"00000000000000000000012", true, 12},
    // Not numbers.
    {"", false, std::nullopt},
    {"   ", false, std::nullopt},
    {"abc", false, std::nullopt},
    {"1e3", false, std::nullopt},
    {"0x10", false, std::nullopt},
    {"1,5", false, std::nullopt},
    {"3.", false, std::nullopt},
    {".5", false, std::nullopt},
    {"+", false, std::nullopt},
    {"-", false, std::nullopt},
    {"+-1", false, std::nullopt},
    {"- 1", false, std::nullopt},
    {"1 2", false, std::nullopt},
    {"1.2.3", false, std::nullopt},
    {"12a", false, std::nullopt},
    {"\t5", false, std::nullopt},  // only spaces count as blanks
    {"5\n", false, std::nullopt},
};

TEST(NumberEntry, ReadsEachEntryAndRoundsItDown) {
  for (const EntryCase& c : kEntries) {
    SCOPED_TRACE(std::string("entry \"") + c.entry + "\"");
    EXPECT_EQ(editor::ReadsAsDecimalNumber(c.entry), c.readsAsNumber);
    EXPECT_EQ(editor::RoundedDownValue(c.entry), c.value);
  }
}

TEST(NumberEntry, TrimsOnlyBlanksAtTheEnds) {
  const std::pair<const char*, const char*> kTrims[] = {
      {" 12 ", "12"}, {"007", "007"}, {"  3.9", "3.9"}, {"+5   ", "+5"},
      {"   ", ""},    {"", ""},       {" 1 2 ", "1 2"},
  };
  for (const auto& [entry, trimmed] : kTrims) {
    EXPECT_EQ(editor::TrimBlanks(entry), trimmed) << entry;
  }
}

}  // namespace
