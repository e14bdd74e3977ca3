// Reading maze files byte by byte: the rows and their repairs, the number
// lines in their many forms, and every way a file fails to read.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "maze/MazeFile.h"
#include "tests/support/ScenarioFolder.h"

namespace {

using maze::GridPosition;
using maze::LoadFailure;

// Row y: 100 spaces with a wall at column y, so every row differs.
std::string PlainRow(int y) {
  std::string row(100, ' ');
  row[y - 1] = '#';
  return row;
}

std::string Lines(int count, const std::map<int, std::string>& replaced = {},
                  const char* end = "\r\n") {
  std::string out;
  for (int y = 1; y <= count; ++y) {
    out += (replaced.count(y) ? replaced.at(y) : PlainRow(y)) + end;
  }
  return out;
}

const std::string kRows = Lines(100);
const std::string kNumbers = " 12 \r\n 34 \r\n 56 \r\n 78 \r\n";

maze::MazeRecord Parsed(const std::string& bytes) {
  maze::LoadResult result = maze::ParseMaze(bytes);
  EXPECT_TRUE(result.ok()) << result.error.Describe();
  return result.ok() ? *result.maze : maze::NewMazeRecord();
}

TEST(MazeRead, WellFormedFileGivesEveryRowStartAndGoal) {
  const maze::LoadResult result = maze::ParseMaze(kRows + kNumbers);
  ASSERT_TRUE(result.ok()) << result.error.Describe();
  for (int y = 1; y <= 100; ++y) EXPECT_EQ(result.maze->grid[y - 1], PlainRow(y)) << y;
  EXPECT_EQ(result.maze->start, (GridPosition{12, 34}));
  EXPECT_EQ(result.maze->goal, (GridPosition{56, 78}));
  EXPECT_FALSE(result.report.HasFindings());
}

// 40-byte rows get 60 spaces, empty rows (row 100 too) become floor, other
// short rows are padded and listed with their length, a longer row is kept
// whole and written back unchanged; a repaired file is written in full form.
TEST(MazeRead, RowsAreRepairedListedAndWrittenBack) {
  const std::string w40(40, '#'), longRow = std::string(100, '#') + "beyond the grid";
  const std::string bytes = Lines(100, {{1, ""},
                                        {3, std::string(39, '#')},
                                        {4, std::string(41, '#')},
                                        {5, "#"},
                                        {6, std::string(99, '#')},
                                        {7, longRow},
                                        {10, w40},
                                        {50, ""},
                                        {100, ""}}) +
                            kNumbers;
  const maze::LoadResult result = maze::ParseMaze(bytes);
  ASSERT_TRUE(result.ok());
  const maze::MazeGrid& grid = result.maze->grid;
  EXPECT_EQ(grid[0], std::string(100, ' '));
  EXPECT_EQ(grid[2], std::string(39, '#') + std::string(61, ' '));
  EXPECT_EQ(grid[3], std::string(41, '#') + std::string(59, ' '));
  EXPECT_EQ(grid[4], "#" + std::string(99, ' '));
  EXPECT_EQ(grid[5], std::string(99, '#') + " ");
  EXPECT_EQ(grid[6], longRow);
  EXPECT_EQ(grid[9], w40 + std::string(60, ' '));
  EXPECT_EQ(grid[99], std::string(100, ' '));
  EXPECT_EQ(grid[98], PlainRow(99));
  EXPECT_EQ(result.report.paddedFrom40, std::vector<int>{10});
  EXPECT_EQ(result.report.emptyFilled, (std::vector<int>{1, 50, 100}));
  const std::vector<maze::RowLength> shortRows = {{3, 39}, {4, 41}, {5, 1}, {6, 99}};
  EXPECT_EQ(result.report.shortPadded, shortRows);
  EXPECT_EQ(result.report.longKept, (std::vector<maze::RowLength>{{7, 115}}));
  const maze::LoadResult again = maze::ParseMaze(maze::FormatMaze(*result.maze));
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.maze->grid, grid);
  EXPECT_EQ(again.report.shortPadded, std::vector<maze::RowLength>{});
  EXPECT_EQ(again.report.longKept, result.report.longKept);
}

TEST(MazeRead, RowBytesAreCellCodesWithNoEncodingStep) {
  std::string doorsAndKeys, others;
  for (int code = 200; code <= 239; ++code) doorsAndKeys += static_cast<char>(code);
  for (int code = 128; code < 200; ++code) others += static_cast<char>(code);
  for (int code = 240; code <= 255; ++code) others += static_cast<char>(code);
  others += std::string(1, '\0') + "\x01\x7f";
  others.resize(100, ' ');
  const std::string bytes =
      Lines(100, {{1, doorsAndKeys + std::string(60, ' ')}, {2, others}}) + kNumbers;
  const maze::MazeRecord record = Parsed(bytes);
  EXPECT_EQ(maze::CellAt(record.grid, 1, 1), maze::DoorCell(1));
  EXPECT_EQ(maze::CellAt(record.grid, 20, 1), maze::DoorCell(20));
  EXPECT_EQ(maze::CellAt(record.grid, 21, 1), maze::KeyCell(1));
  EXPECT_EQ(maze::CellAt(record.grid, 40, 1), maze::KeyCell(20));
  EXPECT_EQ(record.grid[1], others);
  EXPECT_EQ(maze::FormatMaze(record), bytes);
}

TEST(MazeRead, CrEndsALineAndSkipsTheLfAfterItButALoneLfBelongsToTheRow) {
  const maze::MazeRecord record = Parsed(Lines(100, {{1, "ab\ncd"}}) + kNumbers);
  EXPECT_EQ(record.grid[0], "ab\ncd" + std::string(95, ' '));
  EXPECT_EQ(record.grid[1], PlainRow(2));
  const maze::MazeRecord crOnly = Parsed(Lines(100, {}, "\r") + " 5 \r 6 \r 7 \r 8 \r");
  EXPECT_EQ(crOnly.grid[99], PlainRow(100));
  EXPECT_EQ(crOnly.goal, (GridPosition{7, 8}));
}

TEST(MazeRead, NumbersInTheirManyForms) {
  struct Case {
    std::string tail;  // everything after the 100 rows
    GridPosition start, goal;
  };
  const Case cases[] = {
      {"12\r\n34\r\n56\r\n78\r\n", {12, 34}, {56, 78}},
      {"   12   \r\n34    \r\n    56\r\n 78\r\n", {12, 34}, {56, 78}},
      {"\r\n12\r\n\r\n\r\n34\r\n56\r\n\r\n78", {12, 34}, {56, 78}},
      {" 12 , 34, 56 ,78 \r\n", {12, 34}, {56, 78}},
      {"12 34 56 78\r\n", {12, 34}, {56, 78}},
      {"12\n34\n56\n78\n", {12, 34}, {56, 78}},
      {"-3\r\n+4\r\n-0\r\n007\r\n", {-3, 4}, {0, 7}},
      {"32767\r\n-32768\r\n500\r\n-2 \r\n", {32767, -32768}, {500, -2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tail);
    const maze::MazeRecord record = Parsed(kRows + c.tail);
    EXPECT_EQ(record.start, c.start);
    EXPECT_EQ(record.goal, c.goal);
  }
  const std::string extra = "this is not read\r\n#####";
  const maze::LoadResult result = maze::ParseMaze(kRows + kNumbers + extra);
  ASSERT_TRUE(result.ok());
  EXPECT_EQ(result.maze->goal, (GridPosition{56, 78}));
  EXPECT_EQ(result.report.trailingBytes, extra.size());
  EXPECT_TRUE(result.report.HasFindings());
}

TEST(MazeRead, LoadMazeReadsTheNumberedFileInTheFolder) {
  fake::ScenarioFolder folder;
  folder.WriteFile("3.maz", Lines(100, {{1, std::string(40, '#')}}) + kNumbers);
  const maze::LoadResult result = maze::LoadMaze(maze::MazePath(folder.Path(), "3"));
  ASSERT_TRUE(result.ok()) << result.error.Describe();
  EXPECT_EQ(result.maze->grid[0], std::string(40, '#') + std::string(60, ' '));
  EXPECT_EQ(result.maze->goal, (GridPosition{56, 78}));
  EXPECT_EQ(maze::MazePath("folder", "12"), std::filesystem::path("folder") / "12.maz");
}

TEST(StartAndGoalOnGrid, HoldsOnlyWhenBothLieInOneToHundred) {
  maze::MazeRecord record = maze::NewMazeRecord();
  const int16_t cases[][5] = {{1, 1, 100, 100, 1}, {100, 1, 1, 100, 1}, {0, 0, 5, 5, 0},
                              {5, 5, 0, 5, 0},     {101, 5, 5, 5, 0},   {5, 5, 5, 101, 0},
                              {5, 0, 5, 5, 0}};
  for (const auto& c : cases) {
    record.start = {c[0], c[1]};
    record.goal = {c[2], c[3]};
    EXPECT_EQ(maze::StartAndGoalOnGrid(record), c[4] == 1)
        << c[0] << "," << c[1] << " " << c[2] << "," << c[3];
  }
}

std::string WithoutCr(std::string bytes) {
  bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
  return bytes;
}

TEST(ReadFailure, FailsWithTheKindLineAndSentence) {
  struct Case {
    std::string bytes;
    LoadFailure kind;
    int line, count;
    std::string sentence;
  };
  const std::string lost =
      "the file ends after 3 of the 4 numbers after the rows; the goal y is "
      "missing";
  const std::string noNumbers =
      "the file ends after the 100 rows, without the start and goal "
      "numbers";
  const Case cases[] = {
      {"", LoadFailure::TooFewRows, 1, 0, "the file is empty"},
      {Lines(1), LoadFailure::TooFewRows, 2, 1,
       "the file ends after 1 row, but a maze needs 100 rows"},
      {Lines(99), LoadFailure::TooFewRows, 100, 99,
       "the file ends after 99 rows, but a maze needs 100 rows"},
      // The first number line becomes row 100, so only three numbers remain.
      {Lines(99) + kNumbers, LoadFailure::MissingNumber, 104, 3, lost},
      {kRows + " 1 \r\n 2 \r\n 3 \r\n", LoadFailure::MissingNumber, 104, 3, lost},
      {kRows, LoadFailure::MissingNumber, 101, 0, noNumbers},
      {kRows + " 1 \r\nabc\r\n 3 \r\n 4 \r\n", LoadFailure::BadNumber, 102, 1,
       "line 102 holds 'abc', which is not a whole number; it should be the start y"},
      {kRows + " 1 \r\n 2 \r\n 1.5 \r\n 4 \r\n", LoadFailure::BadNumber, 103, 2,
       "line 103 holds '1.5', which is not a whole number; it should be the goal x"},
      {kRows + " 1 \r\n 2 \r\n 3 \r\n0x10\r\n", LoadFailure::BadNumber, 104, 3,
       "line 104 holds '0x10', which is not a whole number; it should be the goal y"},
      {kRows + "\t5\r\n 2 \r\n 3 \r\n 4 \r\n", LoadFailure::BadNumber, 101, 0,
       "line 101 holds '?5', which is not a whole number; it should be the start x"},
      {kRows + ",5\r\n 2 \r\n 3 \r\n 4 \r\n", LoadFailure::BadNumber, 101, 0,
       "line 101 holds a comma where a number should be; it should be the start x"},
      {kRows + "32768\r\n 2 \r\n 3 \r\n 4 \r\n", LoadFailure::NumberOutOfRange, 101, 0,
       "line 101 holds 32768, which is outside -32768 to 32767; it should be the start x"},
      {kRows + " 1 \r\n-32769\r\n 3 \r\n 4 \r\n", LoadFailure::NumberOutOfRange, 102, 1,
       "line 102 holds -32769, which is outside -32768 to 32767; it should be the start y"},
      {kRows + " 1 \r\n 2 \r\n 3 \r\n123456789012345678901234\r\n", LoadFailure::NumberOutOfRange,
       104, 3,
       "line 104 holds 12345678901234567890..., which is outside -32768 to 32767; it should be "
       "the goal y"},
      {WithoutCr(kRows + kNumbers), LoadFailure::LfLineEnds, 2, 1,
       "the file ends after 1 row because its lines end in LF alone; a maze file needs CR LF "
       "line ends"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sentence);
    const maze::LoadResult result = maze::ParseMaze(c.bytes);
    EXPECT_FALSE(result.maze.has_value());
    EXPECT_EQ(result.error.kind, c.kind);
    EXPECT_EQ(result.error.line, c.line);
    EXPECT_EQ(result.error.count, c.count);
    EXPECT_EQ(result.error.Describe(), c.sentence);
  }
}

TEST(ReadFailure, ReportSoFarIsKeptWithTheError) {
  const maze::LoadResult result = maze::ParseMaze(Lines(50, {{4, std::string(40, '#')}}));
  EXPECT_EQ(result.error.kind, LoadFailure::TooFewRows);
  EXPECT_EQ(result.report.paddedFrom40, std::vector<int>{4});
}

TEST(ReadFailure, MissingFileFolderOrShortFileOnDisk) {
  fake::ScenarioFolder folder;
  const maze::LoadResult missing = maze::LoadMaze(folder.Path() / "9.maz");
  EXPECT_EQ(missing.error.kind, LoadFailure::Missing);
  EXPECT_EQ(missing.error.Describe(), "the file does not exist");
  std::filesystem::create_directory(folder.Path() / "8.maz");
  const maze::LoadResult aFolder = maze::LoadMaze(folder.Path() / "8.maz");
  EXPECT_EQ(aFolder.error.kind, LoadFailure::NotAFile);
  EXPECT_EQ(aFolder.error.Describe(), "it is a folder, not a file");
  folder.WriteFile("2.maz", Lines(99));
  const maze::LoadResult cut = maze::LoadMaze(folder.Path() / "2.maz");
  EXPECT_FALSE(cut.ok());
  EXPECT_EQ(cut.error.count, 99);
}

}  // namespace
