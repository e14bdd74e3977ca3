// The cell codes at every range boundary, and reading and writing cells.

#include <gtest/gtest.h>

#include "maze/Grid.h"

namespace {

using maze::CellCode;

struct CodeCase {
  int code;
  bool door;
  int doorKey;
  bool key;
  int keyNumber;
  bool wall;
};

void PrintTo(const CodeCase& c, std::ostream* out) { *out << "code " << c.code; }

class CellCodeTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CellCodeTest, ClassifiesTheCode) {
  const CodeCase c = GetParam();
  const CellCode code = static_cast<CellCode>(c.code);
  EXPECT_EQ(maze::IsDoor(code), c.door);
  EXPECT_EQ(maze::DoorKeyNumber(code), c.doorKey);
  EXPECT_EQ(maze::IsKey(code), c.key);
  EXPECT_EQ(maze::KeyNumber(code), c.keyNumber);
  EXPECT_EQ(maze::IsWall(code), c.wall);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(RangeBoundaries, CellCodeTest,
                         ::testing::Values(
                             // code, door, door key, key, key number, wall
                             CodeCase{0, false, -1, false, -1, false},
                             CodeCase{' ', false, -1, false, -1, false},
                             CodeCase{'#', false, -1, false, -1, true},
                             CodeCase{127, false, -1, false, -1, false},
                             CodeCase{128, false, -1, false, -1, false},
                             CodeCase{199, false, -1, false, -1, false},
                             CodeCase{200, true, 1, false, -1, false},
                             CodeCase{201, true, 2, false, -1, false},
                             CodeCase{218, true, 19, false, -1, false},
                             CodeCase{219, true, 20, false, -1, false},
                             CodeCase{220, false, -1, true, 1, false},
                             CodeCase{221, false, -1, true, 2, false},
                             CodeCase{238, false, -1, true, 19, false},
                             CodeCase{239, false, -1, true, 20, false},
                             CodeCase{240, false, -1, false, -1, false},
                             CodeCase{255, false, -1, false, -1, false}));
// clang-format on

TEST(CellCodes, DoorAndKeyCellsRoundTripForAllTwentyNumbers) {
  EXPECT_EQ(maze::DoorCell(1), 200);
  EXPECT_EQ(maze::KeyCell(20), 239);
  for (int n = 1; n <= maze::kKeyCount; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(maze::DoorKeyNumber(maze::DoorCell(n)), n);
    EXPECT_EQ(maze::KeyNumber(maze::KeyCell(n)), n);
    EXPECT_EQ(maze::KeyNumber(maze::DoorCell(n)), -1);
    EXPECT_EQ(maze::DoorKeyNumber(maze::KeyCell(n)), -1);
  }
}

TEST(CellCodes, EachNumberHasExactlyOneDoorCodeAndOneKeyCode) {
  int doors[maze::kKeyCount + 1] = {};
  int keys[maze::kKeyCount + 1] = {};
  for (int code = 0; code <= 255; ++code) {
    const int door = maze::DoorKeyNumber(static_cast<CellCode>(code));
    const int key = maze::KeyNumber(static_cast<CellCode>(code));
    ASSERT_GE(door, -1);
    ASSERT_LE(door, maze::kKeyCount);
    ASSERT_GE(key, -1);
    ASSERT_LE(key, maze::kKeyCount);
    ASSERT_FALSE(door > 0 && key > 0) << code;
    if (door > 0) ++doors[door];
    if (key > 0) ++keys[key];
  }
  for (int n = 1; n <= maze::kKeyCount; ++n) {
    EXPECT_EQ(doors[n], 1) << n;
    EXPECT_EQ(keys[n], 1) << n;
  }
}

TEST(Grid, NewMazeIsOpenFloorWithStartAndGoalUnset) {
  const maze::MazeRecord record = maze::NewMazeRecord();
  for (const std::string& row : record.grid) EXPECT_EQ(row, std::string(100, ' '));
  EXPECT_FALSE(record.start.IsSet());
  EXPECT_FALSE(record.goal.IsSet());
  EXPECT_TRUE((maze::GridPosition{1, 0}.IsSet()));
}

TEST(Grid, OnGridHoldsForOneToHundredOnly) {
  EXPECT_TRUE(maze::OnGrid(1, 1));
  EXPECT_TRUE(maze::OnGrid(100, 100));
  EXPECT_FALSE(maze::OnGrid(0, 50));
  EXPECT_FALSE(maze::OnGrid(50, 0));
  EXPECT_FALSE(maze::OnGrid(101, 50));
  EXPECT_FALSE(maze::OnGrid(50, 101));
  EXPECT_FALSE(maze::OnGrid(-1, 50));
}

TEST(Grid, SetCellAtColumnOneAndHundredChangesOnlyThatByte) {
  for (int x : {1, 100}) {
    maze::MazeRecord record = maze::NewMazeRecord();
    maze::SetCell(record.grid, x, 7, maze::DoorCell(3));
    std::string expected(100, ' ');
    expected[x - 1] = static_cast<char>(maze::DoorCell(3));
    EXPECT_EQ(record.grid[6], expected) << x;
    EXPECT_EQ(maze::CellAt(record.grid, x, 7), maze::DoorCell(3));
    EXPECT_EQ(record.grid[5], std::string(100, ' '));
    EXPECT_EQ(record.grid[7], std::string(100, ' '));
  }
}

TEST(Grid, CellsAreAddressedColumnThenRow) {
  maze::MazeRecord record = maze::NewMazeRecord();
  maze::SetCell(record.grid, 3, 80, maze::kWall);
  EXPECT_EQ(record.grid[79][2], '#');
  EXPECT_EQ(maze::CellAt(record.grid, 80, 3), maze::kFloor);
}

TEST(Grid, LongRowKeepsItsBytesPastColumnHundred) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.grid[0] = std::string(100, '.') + "tail";
  maze::SetCell(record.grid, 100, 1, maze::kWall);
  EXPECT_EQ(record.grid[0], std::string(99, '.') + "#tail");
  EXPECT_EQ(maze::CellAt(record.grid, 100, 1), maze::kWall);
}

TEST(Grid, ShortRowReadsAsFloorPastItsEndAndIsPaddedBeforeAWrite) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.grid[4] = "##";
  EXPECT_EQ(maze::CellAt(record.grid, 2, 5), maze::kWall);
  EXPECT_EQ(maze::CellAt(record.grid, 3, 5), maze::kFloor);
  EXPECT_EQ(maze::CellAt(record.grid, 100, 5), maze::kFloor);
  maze::SetCell(record.grid, 10, 5, maze::KeyCell(1));
  EXPECT_EQ(record.grid[4], "##" + std::string(7, ' ') + static_cast<char>(maze::KeyCell(1)));
}

#if defined(TARNWICK_CHECKED)
TEST(GridDeathTest, CellOffTheGridStopsTheProgram) {
  maze::MazeRecord record = maze::NewMazeRecord();
  EXPECT_DEATH(maze::CellAt(record.grid, 0, 1), "CellAt called with x=0 y=1");
  EXPECT_DEATH(maze::CellAt(record.grid, 1, 101), "CellAt called with x=1 y=101");
  EXPECT_DEATH(maze::SetCell(record.grid, 101, 1, maze::kWall), "SetCell called with x=101");
}
#else
TEST(Grid, CellOffTheGridReadsAsWallAndIsNeverWritten) {
  maze::MazeRecord record = maze::NewMazeRecord();
  EXPECT_EQ(maze::CellAt(record.grid, 0, 1), maze::kWall);
  EXPECT_EQ(maze::CellAt(record.grid, 1, 101), maze::kWall);
  maze::SetCell(record.grid, 101, 1, maze::kWall);
  maze::SetCell(record.grid, 1, 0, maze::kWall);
  for (const std::string& row : record.grid) EXPECT_EQ(row, std::string(100, ' '));
}
#endif

}  // namespace
