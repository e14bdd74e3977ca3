// Reading hand-made maze files byte by byte: the rows and their repairs, the
// number lines in their many forms.

#include <gtest/gtest.h>

#include "MazeTestSupport.h"
#include "maze/MazeFile.h"

namespace {

using mazetest::Lines;
using mazetest::MazeFileBytes;
using mazetest::NumberLines;
using mazetest::PlainRow;
using mazetest::PlainRows;

const std::string kSpaces100(100, ' ');

maze::MazeRecord Parsed(const std::string& bytes) {
  maze::LoadResult result = maze::ParseMaze(bytes);
  EXPECT_TRUE(result.ok()) << result.error.Describe();
  return result.ok() ? *result.maze : maze::NewMazeRecord();
}

TEST(MazeRead, WellFormedFileGivesEveryRowStartAndGoal) {
  const maze::LoadResult result = maze::ParseMaze(MazeFileBytes(PlainRows(), 12, 34, 56, 78));
  ASSERT_TRUE(result.ok()) << result.error.Describe();
  for (int y = 1; y <= 100; ++y) EXPECT_EQ(result.maze->grid[y - 1], PlainRow(y)) << y;
  EXPECT_EQ(result.maze->start, (maze::GridPosition{12, 34}));
  EXPECT_EQ(result.maze->goal, (maze::GridPosition{56, 78}));
  EXPECT_FALSE(result.report.HasFindings());
  EXPECT_EQ(result.error.kind, maze::LoadFailure::None);
}

TEST(MazeRead, FortyByteRowGetsSixtySpaces) {
  std::vector<std::string> rows = PlainRows();
  rows[9] = std::string(40, '#');
  const maze::LoadResult result = maze::ParseMaze(MazeFileBytes(rows));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->grid[9], std::string(40, '#') + std::string(60, ' '));
  EXPECT_EQ(result.report.paddedFrom40, std::vector<int>{10});
  EXPECT_TRUE(result.report.shortPadded.empty());
}

TEST(MazeRead, EmptyRowsAnywhereIncludingRowHundredBecomeOpenFloor) {
  std::vector<std::string> rows = PlainRows();
  rows[0] = "";
  rows[49] = "";
  rows[99] = "";
  const maze::LoadResult result = maze::ParseMaze(MazeFileBytes(rows, 1, 2, 3, 4));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->grid[0], kSpaces100);
  EXPECT_EQ(result.maze->grid[49], kSpaces100);
  EXPECT_EQ(result.maze->grid[99], kSpaces100);
  EXPECT_EQ(result.maze->grid[98], PlainRow(99));
  EXPECT_EQ(result.report.emptyFilled, (std::vector<int>{1, 50, 100}));
  EXPECT_EQ(result.maze->start, (maze::GridPosition{1, 2}));
}

TEST(MazeRead, OtherShortRowsArePaddedWithSpacesAndListedWithTheirLength) {
  std::vector<std::string> rows = PlainRows();
  rows[2] = std::string(39, '#');
  rows[3] = std::string(41, '#');
  rows[4] = "#";
  rows[5] = std::string(99, '#');
  const maze::LoadResult result = maze::ParseMaze(MazeFileBytes(rows));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->grid[2], std::string(39, '#') + std::string(61, ' '));
  EXPECT_EQ(result.maze->grid[3], std::string(41, '#') + std::string(59, ' '));
  EXPECT_EQ(result.maze->grid[4], "#" + std::string(99, ' '));
  EXPECT_EQ(result.maze->grid[5], std::string(99, '#') + " ");
  const std::vector<maze::RowLength> expected = {{3, 39}, {4, 41}, {5, 1}, {6, 99}};
  EXPECT_EQ(result.report.shortPadded, expected);
  EXPECT_TRUE(result.report.paddedFrom40.empty());
}

TEST(MazeRead, LongerRowIsKeptWholeAndWrittenBackUnchanged) {
  std::vector<std::string> rows = PlainRows();
  rows[6] = std::string(100, '#') + "beyond the grid";
  const std::string bytes = MazeFileBytes(rows);
  const maze::LoadResult result = maze::ParseMaze(bytes);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->grid[6], rows[6]);
  EXPECT_EQ(maze::CellAt(result.maze->grid, 100, 7), maze::kWall);
  EXPECT_EQ(result.report.longKept, (std::vector<maze::RowLength>{{7, 115}}));
  EXPECT_EQ(maze::FormatMaze(*result.maze), bytes);
}

TEST(MazeRead, RowBytesAreCellCodesWithNoEncodingStep) {
  std::vector<std::string> rows = PlainRows();
  std::string doorsAndKeys;
  for (int code = 200; code <= 239; ++code) doorsAndKeys += static_cast<char>(code);
  rows[0] = doorsAndKeys + std::string(60, ' ');
  std::string others;
  for (int code = 128; code < 200; ++code) others += static_cast<char>(code);
  for (int code = 240; code <= 255; ++code) others += static_cast<char>(code);
  others += std::string(1, '\0') + "\x01\x7f";
  others.resize(100, ' ');
  rows[1] = others;
  const std::string bytes = MazeFileBytes(rows);
  const maze::MazeRecord record = Parsed(bytes);
  EXPECT_EQ(maze::CellAt(record.grid, 1, 1), maze::DoorCell(1));
  EXPECT_EQ(maze::CellAt(record.grid, 20, 1), maze::DoorCell(20));
  EXPECT_EQ(maze::CellAt(record.grid, 21, 1), maze::KeyCell(1));
  EXPECT_EQ(maze::CellAt(record.grid, 40, 1), maze::KeyCell(20));
  EXPECT_EQ(record.grid[1], others);
  EXPECT_EQ(maze::FormatMaze(record), bytes);
}

TEST(MazeRead, LfAfterCrIsSkippedButALoneLfBelongsToTheRow) {
  std::vector<std::string> rows = PlainRows();
  rows[0] = "ab\ncd";
  const maze::MazeRecord record = Parsed(MazeFileBytes(rows));
  EXPECT_EQ(record.grid[0], "ab\ncd" + std::string(95, ' '));
  EXPECT_EQ(record.grid[1], PlainRow(2));
}

TEST(MazeRead, CrAloneEndsALine) {
  const maze::MazeRecord record = Parsed(Lines(PlainRows(), "\r") + " 5 \r 6 \r 7 \r 8 \r");
  EXPECT_EQ(record.grid[99], PlainRow(100));
  EXPECT_EQ(record.start, (maze::GridPosition{5, 6}));
  EXPECT_EQ(record.goal, (maze::GridPosition{7, 8}));
}

struct NumberCase {
  const char* name;
  std::string tail;  // everything after the 100 rows
  maze::GridPosition start;
  maze::GridPosition goal;
};

void PrintTo(const NumberCase& c, std::ostream* out) { *out << c.name; }

class NumberLineTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberLineTest, ReadsTheFourNumbers) {
  const NumberCase& c = GetParam();
  const maze::LoadResult result = maze::ParseMaze(Lines(PlainRows()) + c.tail);
  ASSERT_TRUE(result.ok()) << result.error.Describe();
  EXPECT_EQ(result.maze->start, c.start);
  EXPECT_EQ(result.maze->goal, c.goal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Forms, NumberLineTest,
    ::testing::Values(
        NumberCase{"AsWritten", NumberLines(12, 34, 56, 78), {12, 34}, {56, 78}},
        NumberCase{"NoSpaces", "12\r\n34\r\n56\r\n78\r\n", {12, 34}, {56, 78}},
        NumberCase{"ExtraSpaces", "   12   \r\n34    \r\n    56\r\n 78\r\n", {12, 34}, {56, 78}},
        NumberCase{"BlankLinesBetween", "\r\n12\r\n\r\n\r\n34\r\n56\r\n\r\n78", {12, 34}, {56, 78}},
        NumberCase{"CommasOnOneLine", "12,34,56,78\r\n", {12, 34}, {56, 78}},
        NumberCase{"CommasAndSpaces", " 12 , 34, 56 ,78 \r\n", {12, 34}, {56, 78}},
        NumberCase{"SpacesOnOneLine", "12 34 56 78\r\n", {12, 34}, {56, 78}},
        NumberCase{"LfAloneBetweenNumbers", "12\n34\n56\n78\n", {12, 34}, {56, 78}},
        NumberCase{"NoLineEndAtTheEnd", "1\r\n2\r\n3\r\n4", {1, 2}, {3, 4}},
        NumberCase{"Signs", "-3\r\n+4\r\n-0\r\n007\r\n", {-3, 4}, {0, 7}},
        NumberCase{"SixteenBitBounds", "32767\r\n-32768\r\n0\r\n100\r\n",
                   {32767, -32768}, {0, 100}},
        NumberCase{"NegativeAsWritten", "-5 \r\n 6 \r\n-7 \r\n 8 \r\n", {-5, 6}, {-7, 8}}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(MazeRead, NothingAfterTheFourthNumberIsRead) {
  const std::string extra = "this is not read\r\n#####";
  const maze::LoadResult result =
      maze::ParseMaze(Lines(PlainRows()) + NumberLines(1, 2, 3, 4) + extra);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->goal, (maze::GridPosition{3, 4}));
  EXPECT_EQ(result.report.trailingBytes, extra.size());
  EXPECT_TRUE(result.report.HasFindings());
}

TEST(MazeRead, StartAndGoalAreTakenAsTheyStand) {
  const maze::LoadResult result = maze::ParseMaze(MazeFileBytes(PlainRows(), 0, 0, 500, -2));
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->start, (maze::GridPosition{0, 0}));
  EXPECT_EQ(result.maze->goal, (maze::GridPosition{500, -2}));
}

TEST(MazeRead, LoadMazeReadsTheFileOnDisk) {
  mazetest::TempFolder folder;
  std::vector<std::string> rows = PlainRows();
  rows[0] = std::string(40, '#');
  mazetest::WriteBytes(folder / "3.maz", MazeFileBytes(rows, 9, 8, 7, 6));
  const maze::LoadResult result = maze::LoadMaze(maze::MazePath(folder.path(), "3"));
  ASSERT_TRUE(result.ok()) << result.error.Describe();
  EXPECT_EQ(result.maze->grid[0], std::string(40, '#') + std::string(60, ' '));
  EXPECT_EQ(result.maze->goal, (maze::GridPosition{7, 6}));
  EXPECT_EQ(result.report.paddedFrom40, std::vector<int>{1});
}

TEST(MazeFileName, IsTheNumberTextAndMazInTheFolder) {
  EXPECT_EQ(maze::MazePath("/games/tarnwick", "7"), std::filesystem::path("/games/tarnwick/7.maz"));
  EXPECT_EQ(maze::MazePath("folder", "12"), std::filesystem::path("folder") / "12.maz");
}

struct OnGridCase {
  maze::GridPosition start;
  maze::GridPosition goal;
  bool onGrid;
};

TEST(StartAndGoalOnGrid, HoldsOnlyWhenBothLieInOneToHundred) {
  const OnGridCase cases[] = {
      {{1, 1}, {100, 100}, true}, {{50, 50}, {50, 50}, true}, {{0, 0}, {5, 5}, false},
      {{5, 5}, {0, 5}, false},    {{101, 5}, {5, 5}, false},  {{5, 5}, {5, 101}, false},
      {{-1, 5}, {5, 5}, false},   {{5, 0}, {5, 5}, false},    {{100, 1}, {1, 100}, true},
  };
  for (const OnGridCase& c : cases) {
    maze::MazeRecord record = maze::NewMazeRecord();
    record.start = c.start;
    record.goal = c.goal;
    EXPECT_EQ(maze::StartAndGoalOnGrid(record), c.onGrid)
        << c.start.x << "," << c.start.y << " " << c.goal.x << "," << c.goal.y;
  }
}

}  // namespace
