// Every way a maze file fails to read, and the sentence the user gets.

#include <gtest/gtest.h>

#include <algorithm>

#include "MazeTestSupport.h"
#include "maze/MazeFile.h"

namespace {

using maze::LoadFailure;
using mazetest::Lines;
using mazetest::NumberLines;
using mazetest::PlainRows;

std::vector<std::string> FirstRows(int count) {
  std::vector<std::string> rows = PlainRows();
  rows.resize(count);
  return rows;
}

std::string WithoutCr(std::string bytes) {
  bytes.erase(std::remove(bytes.begin(), bytes.end(), '\r'), bytes.end());
  return bytes;
}

struct FailureCase {
  const char* name;
  std::string bytes;
  LoadFailure kind;
  int line;
  int count;
  std::string sentence;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class ReadFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReadFailureTest, FailsWithTheKindLineAndSentence) {
  const FailureCase& c = GetParam();
  const maze::LoadResult result = maze::ParseMaze(c.bytes);
  EXPECT_FALSE(result.ok());
  EXPECT_FALSE(result.maze.has_value());
  EXPECT_EQ(result.error.kind, c.kind);
  EXPECT_EQ(result.error.line, c.line);
  EXPECT_EQ(result.error.count, c.count);
  EXPECT_EQ(result.error.Describe(), c.sentence);
}

const std::string kRows = Lines(PlainRows());

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, ReadFailureTest,
    ::testing::Values(
        FailureCase{"Empty", "", LoadFailure::TooFewRows, 1, 0, "the file is empty"},
        FailureCase{"OneRow", Lines(FirstRows(1)), LoadFailure::TooFewRows, 2, 1,
                    "the file ends after 1 row, but a maze needs 100 rows"},
        FailureCase{"NinetyNineRowsNoNumbers", Lines(FirstRows(99)), LoadFailure::TooFewRows, 100,
                    99, "the file ends after 99 rows, but a maze needs 100 rows"},
        // The first number line becomes row 100, so only three numbers remain.
        FailureCase{"NinetyNineRowsFourNumbers", Lines(FirstRows(99)) + NumberLines(1, 2, 3, 4),
                    LoadFailure::MissingNumber, 104, 3,
                    "the file ends after 3 of the 4 numbers after the rows; the goal y is missing"},
        FailureCase{"HundredRowsThreeNumbers", kRows + " 1 \r\n 2 \r\n 3 \r\n",
                    LoadFailure::MissingNumber, 104, 3,
                    "the file ends after 3 of the 4 numbers after the rows; the goal y is missing"},
        FailureCase{"HundredRowsNoNumbers", kRows, LoadFailure::MissingNumber, 101, 0,
                    "the file ends after the 100 rows, without the start and goal numbers"},
        FailureCase{"OnlySpacesAfterRows", kRows + "   \r\n  \r\n", LoadFailure::MissingNumber, 103,
                    0,
                    "the file ends after the 100 rows, without the start and goal numbers"},
        FailureCase{"Letters", kRows + " 1 \r\nabc\r\n 3 \r\n 4 \r\n", LoadFailure::BadNumber, 102,
                    1,
                    "line 102 holds 'abc', which is not a whole number; it should be the start y"},
        FailureCase{"DigitsThenLetters", kRows + "12abc\r\n 2 \r\n 3 \r\n 4 \r\n",
                    LoadFailure::BadNumber, 101, 0,
                    "line 101 holds '12abc', which is not a whole number; it should be the "
                    "start x"},
        FailureCase{"Fraction", kRows + " 1 \r\n 2 \r\n 1.5 \r\n 4 \r\n", LoadFailure::BadNumber,
                    103, 2,
                    "line 103 holds '1.5', which is not a whole number; it should be the goal x"},
        FailureCase{"Hexadecimal", kRows + " 1 \r\n 2 \r\n 3 \r\n0x10\r\n", LoadFailure::BadNumber,
                    104, 3,
                    "line 104 holds '0x10', which is not a whole number; it should be the goal y"},
        FailureCase{"SignAlone", kRows + "-\r\n 2 \r\n 3 \r\n 4 \r\n", LoadFailure::BadNumber, 101,
                    0, "line 101 holds '-', which is not a whole number; it should be the start x"},
        FailureCase{"TabBeforeDigits", kRows + "\t5\r\n 2 \r\n 3 \r\n 4 \r\n",
                    LoadFailure::BadNumber, 101, 0,
                    "line 101 holds '?5', which is not a whole number; it should be the start x"},
        FailureCase{"CommaWithoutNumber", kRows + ",5\r\n 2 \r\n 3 \r\n 4 \r\n",
                    LoadFailure::BadNumber, 101, 0,
                    "line 101 holds a comma where a number should be; it should be the start x"},
        FailureCase{"AboveSixteenBits", kRows + "32768\r\n 2 \r\n 3 \r\n 4 \r\n",
                    LoadFailure::NumberOutOfRange, 101, 0,
                    "line 101 holds 32768, which is outside -32768 to 32767; it should be the "
                    "start x"},
        FailureCase{"BelowSixteenBits", kRows + " 1 \r\n-32769\r\n 3 \r\n 4 \r\n",
                    LoadFailure::NumberOutOfRange, 102, 1,
                    "line 102 holds -32769, which is outside -32768 to 32767; it should be the "
                    "start y"},
        FailureCase{"ManyDigits", kRows + " 1 \r\n 2 \r\n 3 \r\n123456789012345678901234\r\n",
                    LoadFailure::NumberOutOfRange, 104, 3,
                    "line 104 holds 12345678901234567890..., which is outside -32768 to 32767; "
                    "it should be the goal y"},
        FailureCase{"LfOnlyLineEnds", WithoutCr(kRows + NumberLines(1, 2, 3, 4)),
                    LoadFailure::LfLineEnds, 2, 1,
                    "the file ends after 1 row because its lines end in LF alone; a maze file "
                    "needs CR LF line ends"},
        FailureCase{"LfOnlyTruncated", WithoutCr(Lines(FirstRows(30))), LoadFailure::LfLineEnds, 2,
                    1,
                    "the file ends after 1 row because its lines end in LF alone; a maze file "
                    "needs CR LF line ends"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReadFailure, ReportSoFarIsKeptWithTheError) {
  std::vector<std::string> rows = FirstRows(50);
  rows[3] = std::string(40, '#');
  const maze::LoadResult result = maze::ParseMaze(Lines(rows));
  EXPECT_EQ(result.error.kind, LoadFailure::TooFewRows);
  EXPECT_EQ(result.report.paddedFrom40, std::vector<int>{4});
}

TEST(ReadFailure, MissingFile) {
  mazetest::TempFolder folder;
  const maze::LoadResult result = maze::LoadMaze(folder / "9.maz");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error.kind, LoadFailure::Missing);
  EXPECT_EQ(result.error.Describe(), "the file does not exist");
}

TEST(ReadFailure, FolderStandingWhereTheFileShouldBe) {
  mazetest::TempFolder folder;
  std::filesystem::create_directory(folder / "9.maz");
  const maze::LoadResult result = maze::LoadMaze(folder / "9.maz");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.error.kind, LoadFailure::NotAFile);
  EXPECT_EQ(result.error.Describe(), "it is a folder, not a file");
}

TEST(ReadFailure, FileOnDiskFailsLikeItsBytes) {
  mazetest::TempFolder folder;
  mazetest::WriteBytes(folder / "2.maz", Lines(FirstRows(99)));
  const maze::LoadResult result = maze::LoadMaze(folder / "2.maz");
  EXPECT_EQ(result.error.kind, LoadFailure::TooFewRows);
  EXPECT_EQ(result.error.count, 99);
}

}  // namespace
