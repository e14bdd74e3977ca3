// The cell codes at every range boundary, and reading and writing cells.

#include <gtest/gtest.h>

#include "maze/Grid.h"

namespace {

TEST(CellCodes, ClassifyEveryRangeBoundary) {
  struct Case {
    int code;
    int doorKey;    // -1: not a door
    int keyNumber;  // -1: not a key
    bool wall;
  };
  const Case cases[] = {{0, -1, -1, false},   {' ', -1, -1, false}, {'#', -1, -1, true},
                        {127, -1, -1, false}, {199, -1, -1, false}, {200, 1, -1, false},
                        {201, 2, -1, false},  {218, 19, -1, false}, {219, 20, -1, false},
                        {220, -1, 1, false},  {221, -1, 2, false},  {238, -1, 19, false},
                        {239, -1, 20, false}, {240, -1, -1, false}, {255, -1, -1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const maze::CellCode code = static_cast<maze::CellCode>(c.code);
    EXPECT_EQ(maze::IsDoor(code), c.doorKey > 0);
    EXPECT_EQ(maze::DoorKeyNumber(code), c.doorKey);
    EXPECT_EQ(maze::IsKey(code), c.keyNumber > 0);
    EXPECT_EQ(maze::KeyNumber(code), c.keyNumber);
    EXPECT_EQ(maze::IsWall(code), c.wall);
  }
  for (int n = 1; n <= maze::kKeyCount; ++n) {
    EXPECT_EQ(maze::DoorKeyNumber(maze::DoorCell(n)), n);
    EXPECT_EQ(maze::KeyNumber(maze::KeyCell(n)), n);
  }
}

TEST(Grid, NewMazeIsOpenFloorWithStartAndGoalUnset) {
  const maze::MazeRecord record = maze::NewMazeRecord();
  for (const std::string& row : record.grid) EXPECT_EQ(row, std::string(100, ' '));
  EXPECT_FALSE(record.start.IsSet());
  EXPECT_FALSE(record.goal.IsSet());
}

TEST(Grid, CellsAreAddressedColumnThenRowAndOnlyTheirByteChanges) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.grid[0] = std::string(100, '.') + "tail";  // kept past column 100
  record.grid[4] = "##";                            // floor past its end, padded on a write
  maze::SetCell(record.grid, 100, 1, maze::kWall);
  maze::SetCell(record.grid, 1, 7, maze::DoorCell(3));
  maze::SetCell(record.grid, 3, 80, maze::kWall);
  EXPECT_EQ(record.grid[0], std::string(99, '.') + "#tail");
  EXPECT_EQ(record.grid[6], static_cast<char>(maze::DoorCell(3)) + std::string(99, ' '));
  EXPECT_EQ(record.grid[79][2], '#');
  EXPECT_EQ(maze::CellAt(record.grid, 80, 3), maze::kFloor);
  EXPECT_EQ(maze::CellAt(record.grid, 1, 7), maze::DoorCell(3));
  EXPECT_EQ(maze::CellAt(record.grid, 2, 5), maze::kWall);
  EXPECT_EQ(maze::CellAt(record.grid, 100, 5), maze::kFloor);
  maze::SetCell(record.grid, 10, 5, maze::KeyCell(1));
  EXPECT_EQ(record.grid[4], "##" + std::string(7, ' ') + static_cast<char>(maze::KeyCell(1)));
  EXPECT_EQ(record.grid[5], std::string(100, ' '));
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
