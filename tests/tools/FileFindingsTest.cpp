// What the checker says about the file itself: rows of the wrong length and
// the reader's repairs, bytes after the last number, bytes with no meaning,
// and files it cannot read at all.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "maze/MazeFile.h"
#include "tests/support/ScenarioFolder.h"
#include "tools/CheckReport.h"

namespace {

using testing::Contains;
using testing::HasSubstr;
using testing::IsSupersetOf;
using testing::Not;
using tools::Verdict;

constexpr const char* kCrLf = "\r\n";

// The file of a small winnable maze in row 1, with some row lines replaced
// and bytes added after the last number.
std::string FileBytes(const std::map<int, std::string>& rows, const std::string& after = "") {
  const maze::MazeRecord record = fake::DrawMaze({"S...G"});
  std::string bytes;
  for (int y = 1; y <= maze::kGridSize; ++y) {
    const auto replaced = rows.find(y);
    bytes += (replaced != rows.end() ? replaced->second : record.grid[y - 1]) + kCrLf;
  }
  return bytes + " 1 \r\n 1 \r\n 5 \r\n 1 \r\n" + after;
}

tools::MazeCheck CheckBytes(const std::string& bytes) {
  return tools::CheckLoaded(maze::ParseMaze(bytes), {});
}

std::string Walls(size_t count) { return std::string(count, '#'); }

TEST(FileFindings, AWellFormedFileHasNone) {
  const tools::MazeCheck check = CheckBytes(FileBytes({}));
  EXPECT_EQ(check.verdict, Verdict::Winnable);
  EXPECT_EQ(check.lines.front(), "The start is at column 1, row 1.");
}

TEST(FileFindings, NameEachRowOutOfLengthAndTheRepair) {
  std::string odd = Walls(100);
  odd[3] = static_cast<char>(150);
  std::string odd2 = Walls(100);
  odd2[99] = '\x07';
  const tools::MazeCheck check = CheckBytes(FileBytes({{3, odd},
                                                       {10, Walls(40)},
                                                       {11, Walls(40)},
                                                       {12, Walls(40)},
                                                       {50, ""},
                                                       {60, Walls(41)},
                                                       {61, Walls(41)},
                                                       {62, Walls(99)},
                                                       {70, Walls(120)},
                                                       {80, odd2}},
                                                      "junk\r\n"));
  EXPECT_EQ(check.verdict, Verdict::Winnable);
  EXPECT_THAT(
      check.lines,
      IsSupersetOf({
          "Rows 10 to 12 each had 40 bytes; the reader added 60 spaces to make 100.",
          "Row 50 was empty; the reader filled it with 100 spaces.",
          "Rows 60 and 61 have 41 bytes, not 100; the reader padded each with spaces.",
          "Row 62 has 99 bytes, not 100; the reader padded it with spaces.",
          "Row 70 has 120 bytes, not 100; the bytes past column 100 are not part of the maze.",
          "The file goes on for 6 bytes after the goal y; they are never read.",
          "2 cells hold a byte that is neither wall, floor, door nor key; the game treats them "
          "as floor. The first is byte 150 at column 4, row 3.",
      }));
}

TEST(FileFindings, OneOfEachInTheSingular) {
  std::string odd = Walls(100);
  odd[0] = static_cast<char>(240);  // one past the last key
  const tools::MazeCheck check =
      CheckBytes(FileBytes({{7, Walls(40)}, {8, ""}, {9, odd}, {90, ""}, {91, Walls(40)}}, "x"));
  EXPECT_THAT(
      check.lines,
      IsSupersetOf({"Rows 7 and 91 each had 40 bytes; the reader added 60 spaces to make 100.",
                    "Rows 8 and 90 were empty; the reader filled each with 100 spaces.",
                    "The file goes on for 1 byte after the goal y; it is never read.",
                    "1 cell holds a byte that is neither wall, floor, door nor key; the "
                    "game treats it as floor. The first is byte 240 at column 1, row 9."}));
}

TEST(FileFindings, BytesPastColumn100AreNotCells) {
  std::string longRow = Walls(100) + std::string(5, '\x01');
  const tools::MazeCheck check = CheckBytes(FileBytes({{20, longRow}}));
  EXPECT_THAT(check.lines, Not(Contains(HasSubstr("neither wall"))));
}

struct UnreadableCase {
  const char* name;
  std::string bytes;
  const char* reason;  // a phrase the report must give
};

void PrintTo(const UnreadableCase& c, std::ostream* out) { *out << c.name; }

class UnreadableTest : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableTest, ExitsWithTwoAndSaysWhy) {
  const UnreadableCase& c = GetParam();
  const tools::MazeCheck check = CheckBytes(c.bytes);
  EXPECT_EQ(check.verdict, Verdict::Unreadable);
  EXPECT_FALSE(check.maze.has_value());
  ASSERT_FALSE(check.lines.empty());
  EXPECT_THAT(check.lines.back(), testing::StartsWith("Unreadable: "));
  EXPECT_THAT(check.lines.back(), HasSubstr(c.reason));
}

std::string Rows(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += Walls(100) + kCrLf;
  return bytes;
}

std::string LfOnly() {
  std::string bytes;
  for (int i = 0; i < 100; ++i) bytes += Walls(100) + "\n";
  return bytes + "1\n1\n2\n2\n";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableTest,
    ::testing::Values(
        UnreadableCase{"Empty", "", "empty"},
        UnreadableCase{"TooFewRows", Rows(99), "ends after 99 rows"},
        UnreadableCase{"ThreeNumbers", Rows(100) + " 1 \r\n 1 \r\n 2 \r\n", "goal y is missing"},
        UnreadableCase{"NumberNotWhole", Rows(100) + " 1 \r\nabc\r\n 2 \r\n 2 \r\n",
                       "'abc', which is not a whole number; it should be the start y"},
        UnreadableCase{"NumberTooLarge", Rows(100) + " 1 \r\n 1 \r\n 99999 \r\n 2 \r\n",
                       "outside -32768 to 32767"},
        UnreadableCase{"LfLineEnds", LfOnly(), "LF alone"}),
    [](const ::testing::TestParamInfo<UnreadableCase>& info) {
      return std::string(info.param.name);
    });
// clang-format on

TEST(FileFindings, AMissingFileOrAFolderIsUnreadable) {
  fake::ScenarioFolder folder;
  const tools::MazeCheck missing = tools::CheckMazeFile(folder.Path() / "7.maz", {});
  EXPECT_EQ(missing.verdict, Verdict::Unreadable);
  EXPECT_THAT(missing.lines, testing::ElementsAreArray({"Unreadable: the file does not exist."}));
  const tools::MazeCheck folderCheck = tools::CheckMazeFile(folder.Path(), {});
  EXPECT_EQ(folderCheck.verdict, Verdict::Unreadable);
  EXPECT_THAT(folderCheck.lines.back(), HasSubstr("folder"));
}

}  // namespace
