// Saving a maze: the exact bytes, the round trip, and a save that fails
// without harming the maze already on disk.

#include <gtest/gtest.h>

#include "MazeTestSupport.h"
#include "maze/MazeFile.h"

namespace {

using mazetest::PlainRows;
using mazetest::ReadBytes;
using mazetest::TempFolder;
using mazetest::WriteBytes;

maze::MazeRecord SampleMaze() {
  maze::MazeRecord record = maze::NewMazeRecord();
  maze::SetCell(record.grid, 1, 1, maze::kWall);
  maze::SetCell(record.grid, 100, 100, maze::KeyCell(20));
  maze::SetCell(record.grid, 50, 2, maze::DoorCell(1));
  maze::SetCell(record.grid, 51, 2, 150);
  record.grid[3] = std::string(100, '#') + "\xE9 kept";
  record.start = {12, 1};
  record.goal = {100, 99};
  return record;
}

TEST(MazeFormat, RowsThenNumbersEachEndedByCrLf) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {12, 3};
  record.goal = {100, -5};
  const std::string bytes = maze::FormatMaze(record);
  const std::string row = std::string(100, ' ') + "\r\n";
  std::string expected;
  for (int y = 0; y < 100; ++y) expected += row;
  expected += " 12 \r\n 3 \r\n 100 \r\n-5 \r\n";
  EXPECT_EQ(bytes, expected);
  EXPECT_EQ(bytes.substr(100 * 102, 6), std::string("\x20\x31\x32\x20\x0D\x0A"));
}

TEST(MazeSave, SaveThenLoadGivesTheSameRecordAndTheSameBytes) {
  TempFolder folder;
  const maze::MazeRecord record = SampleMaze();
  const maze::SaveResult saved = maze::SaveMaze(folder / "5.maz", record);
  ASSERT_TRUE(saved.ok) << saved.reason;
  EXPECT_TRUE(saved.reason.empty());
  const std::string onDisk = ReadBytes(folder / "5.maz");
  EXPECT_EQ(onDisk, maze::FormatMaze(record));

  const maze::LoadResult loaded = maze::LoadMaze(folder / "5.maz");
  ASSERT_TRUE(loaded.ok()) << loaded.error.Describe();
  EXPECT_EQ(loaded.maze->grid, record.grid);
  EXPECT_EQ(loaded.maze->start, record.start);
  EXPECT_EQ(loaded.maze->goal, record.goal);
  EXPECT_EQ(maze::FormatMaze(*loaded.maze), onDisk);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"5.maz"});
}

TEST(MazeSave, RepairedFileIsWrittenBackInFullForm) {
  std::vector<std::string> rows = PlainRows();
  rows[0] = std::string(40, '#');
  rows[1] = "";
  rows[2] = std::string(41, '#');
  const maze::LoadResult loaded = maze::ParseMaze(mazetest::MazeFileBytes(rows));
  ASSERT_TRUE(loaded.ok());
  const maze::LoadResult again = maze::ParseMaze(maze::FormatMaze(*loaded.maze));
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(again.maze->grid, loaded.maze->grid);
  EXPECT_FALSE(again.report.HasFindings());
}

TEST(MazeSave, ReplacesAnExistingFile) {
  TempFolder folder;
  WriteBytes(folder / "1.maz", "an older and longer maze file than the new one will be");
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {1, 1};
  record.goal = {2, 2};
  ASSERT_TRUE(maze::SaveMaze(folder / "1.maz", record).ok);
  EXPECT_EQ(ReadBytes(folder / "1.maz"), maze::FormatMaze(record));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"1.maz"});
}

TEST(MazeSave, KeepsThePermissionsOfTheFileItReplaces) {
  namespace fs = std::filesystem;
  TempFolder folder;
  WriteBytes(folder / "1.maz", "old");
  const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(folder / "1.maz", chosen);
  ASSERT_TRUE(maze::SaveMaze(folder / "1.maz", SampleMaze()).ok);
  EXPECT_EQ(fs::status(folder / "1.maz").permissions() & fs::perms::all, chosen);
}

TEST(MazeSave, LeftoverOfAnInterruptedSaveIsReplaced) {
  TempFolder folder;
  WriteBytes(maze::SavingPath(folder / "4.maz"), "half a maze");
  ASSERT_TRUE(maze::SaveMaze(folder / "4.maz", SampleMaze()).ok);
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"4.maz"});
}

TEST(MazeSave, TemporaryFileIsHiddenBesideTheMaze) {
  EXPECT_EQ(maze::SavingPath("/a/b/7.maz"), std::filesystem::path("/a/b/.7.maz.saving"));
  EXPECT_EQ(maze::SavingPath("7.maz"), std::filesystem::path(".7.maz.saving"));
}

// A folder where the temporary file would go makes the save fail even for
// root, whom permission bits do not stop.
TEST(MazeSaveFailure, BlockedTemporaryFileLeavesTheOldFileByteIdentical) {
  TempFolder folder;
  const std::string old = mazetest::MazeFileBytes(PlainRows(), 1, 2, 3, 4);
  WriteBytes(folder / "7.maz", old);
  std::filesystem::create_directory(maze::SavingPath(folder / "7.maz"));

  const maze::SaveResult saved = maze::SaveMaze(folder / "7.maz", SampleMaze());
  EXPECT_FALSE(saved.ok);
  EXPECT_NE(saved.reason.find("the temporary file .7.maz.saving cannot be created"),
            std::string::npos)
      << saved.reason;
  EXPECT_EQ(ReadBytes(folder / "7.maz"), old);
  EXPECT_EQ(folder.Names(), (std::vector<std::string>{".7.maz.saving", "7.maz"}));
  EXPECT_TRUE(std::filesystem::is_empty(maze::SavingPath(folder / "7.maz")));
}

TEST(MazeSaveFailure, FailedRenameRemovesTheTemporaryFile) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "7.maz");
  WriteBytes(folder / "7.maz" / "inside", "x");

  const maze::SaveResult saved = maze::SaveMaze(folder / "7.maz", SampleMaze());
  EXPECT_FALSE(saved.ok);
  EXPECT_NE(saved.reason.find("7.maz cannot be replaced"), std::string::npos) << saved.reason;
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"7.maz"});
  EXPECT_EQ(ReadBytes(folder / "7.maz" / "inside"), "x");
}

TEST(MazeSaveFailure, MissingFolderCreatesNothing) {
  TempFolder folder;
  const maze::SaveResult saved = maze::SaveMaze(folder / "gone" / "1.maz", SampleMaze());
  EXPECT_FALSE(saved.ok);
  EXPECT_FALSE(saved.reason.empty());
  EXPECT_TRUE(folder.Names().empty());
}

}  // namespace
