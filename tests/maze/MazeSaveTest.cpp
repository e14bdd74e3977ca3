// Saving a maze: the exact bytes, the round trip, and a save that fails
// without harming the maze already on disk.

#include <gtest/gtest.h>

#include <algorithm>

#include "maze/MazeFile.h"
#include "tests/support/ScenarioFolder.h"

namespace {

namespace fs = std::filesystem;

maze::MazeRecord SampleMaze() {
  maze::MazeRecord record = fake::DrawMaze({"#.a", "..A"});
  maze::SetCell(record.grid, 51, 2, 150);
  record.grid[3] = std::string(100, '#') + "\xE9 kept";
  record.start = {12, 1};
  record.goal = {100, -5};
  return record;
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Replaces an older, longer file and a leftover of an interrupted save, and
// keeps the permissions of the file it replaces.
TEST(MazeSave, SaveThenLoadGivesTheSameRecordAndTheSameBytes) {
  fake::ScenarioFolder folder;
  const fs::path file = folder.Path() / "5.maz";
  folder.WriteFile("5.maz", std::string(30000, 'x'));
  folder.WriteFile(".5.maz.saving", "half a maze");
  const fs::perms chosen = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
  fs::permissions(file, chosen);
  const maze::MazeRecord record = SampleMaze();
  const maze::SaveResult saved = maze::SaveMaze(file, record);
  ASSERT_TRUE(saved.ok) << saved.reason;
  EXPECT_TRUE(saved.reason.empty());
  const std::string bytes = folder.ReadFile("5.maz");
  EXPECT_EQ(bytes, maze::FormatMaze(record));
  // Each row and number line ends in CR LF; numbers are written " 12 ".
  const std::string longRow = record.grid[3] + "\r\n";  // kept whole
  EXPECT_EQ(bytes.substr(0, 102) + bytes.substr(306, longRow.size()),
            record.grid[0] + "\r\n" + longRow);
  EXPECT_TRUE(bytes.ends_with("\r\n 12 \r\n 1 \r\n 100 \r\n-5 \r\n")) << bytes.substr(10200);
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"5.maz"});
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, chosen);

  const maze::LoadResult loaded = maze::LoadMaze(file);
  ASSERT_TRUE(loaded.ok()) << loaded.error.Describe();
  EXPECT_EQ(loaded.maze->grid, record.grid);
  EXPECT_EQ(loaded.maze->start, record.start);
  EXPECT_EQ(loaded.maze->goal, record.goal);
}

// A folder where the temporary file would go makes the save fail even for
// root, whom permission bits do not stop.
TEST(MazeSaveFailure, BlockedTemporaryFileLeavesTheOldFileByteIdentical) {
  fake::ScenarioFolder folder;
  const std::string old = maze::FormatMaze(fake::DrawMaze({"S.G"}));
  folder.WriteFile("7.maz", old);
  fs::create_directory(folder.Path() / ".7.maz.saving");
  const maze::SaveResult saved = maze::SaveMaze(folder.Path() / "7.maz", SampleMaze());
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "a folder named .7.maz.saving stands in the way; remove it");
  EXPECT_EQ(folder.ReadFile("7.maz"), old);
  EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{".7.maz.saving", "7.maz"}));
  EXPECT_TRUE(fs::is_empty(folder.Path() / ".7.maz.saving"));
}

TEST(MazeSaveFailure, FailedRenameRemovesTheTemporaryFile) {
  fake::ScenarioFolder folder;
  fs::create_directory(folder.Path() / "7.maz");
  folder.WriteFile("7.maz/inside", "x");
  const maze::SaveResult saved = maze::SaveMaze(folder.Path() / "7.maz", SampleMaze());
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "a folder named 7.maz stands in the way; remove it");
  EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"7.maz"});
  EXPECT_EQ(folder.ReadFile("7.maz/inside"), "x");
}

TEST(MazeSaveFailure, MissingFolderCreatesNothing) {
  fake::ScenarioFolder folder;
  const maze::SaveResult saved = maze::SaveMaze(folder.Path() / "gone" / "1.maz", SampleMaze());
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.reason, "the folder does not exist");
  EXPECT_TRUE(Names(folder.Path()).empty());
}

}  // namespace
