// The maze file: the reading rules and their sentences, the exact bytes
// written, the safe save, and the count of maze files in a folder.

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "maze/MazeFile.h"
#include "maze/MazeFolder.h"
#include "sound/FileExists.h"
#include "tests/support/Fakes.h"

namespace {

using maze::LoadFailure;

std::string Rows100() {
  std::string rows;
  for (int y = 0; y < 100; ++y) rows += std::string(100, ' ') + "\r\n";
  return rows;
}

struct ReadCase {
  std::string bytes;
  LoadFailure failure;
  const char* sentence;  // the failure's; for a maze read, its start and goal
};

TEST(MazeReading, EachFileReadsAsItsRowSays) {
  const std::string rows = Rows100();
  const ReadCase cases[] = {
      {fake::ReadFile(fake::Fixture("truncated.maz")), LoadFailure::TooFewRows,
       "the file ends after 99 rows, but a maze needs 100 rows"},
      {"", LoadFailure::TooFewRows, "the file is empty"},
      {fake::ReadFile(fake::Fixture("lf-only.maz")), LoadFailure::LfLineEnds,
       "the file ends after 1 row because its lines end in LF alone; a maze file needs CR LF "
       "line ends"},
      {rows + " 1 \r\n 1 \r\n 5 \r\n", LoadFailure::MissingNumber,
       "the file ends after 3 of the 4 numbers after the rows; the goal y is missing"},
      {rows + " 1 \r\n abc \r\n 5 \r\n 5 \r\n", LoadFailure::BadNumber,
       "line 102 holds 'abc', which is not a whole number; it should be the start y"},
      {rows + " 1 \r\n 1 \r\n 32768 \r\n 5 \r\n", LoadFailure::NumberOutOfRange,
       "line 103 holds 32768, which is outside -32768 to 32767; it should be the goal x"},
      {rows + "-32768\r\n+1\r\n 5\r\n 32767", LoadFailure::None, "-32768 1 5 32767"},
      {rows + " 1, 2 ,3\r\n4", LoadFailure::None, "1 2 3 4"},
  };
  for (const ReadCase& c : cases) {
    const maze::LoadResult read = maze::ParseMaze(c.bytes);
    EXPECT_EQ(read.error.kind, c.failure) << c.sentence;
    if (read.ok()) {
      const maze::MazeRecord& m = *read.maze;
      EXPECT_EQ(std::to_string(m.start.x) + " " + std::to_string(m.start.y) + " " +
                    std::to_string(m.goal.x) + " " + std::to_string(m.goal.y),
                c.sentence);
    } else {
      EXPECT_EQ(read.error.Describe(), c.sentence);
    }
  }
}

TEST(MazeReading, RepairsShortRowsKeepsLongOnesAndNotesEach) {
  const maze::LoadResult read = maze::LoadMaze(fake::Fixture("repairs.maz"));
  ASSERT_TRUE(read.ok()) << read.error.Describe();
  const maze::MazeGrid& grid = read.maze->grid;
  EXPECT_EQ(grid[0], std::string(40, '#') + std::string(60, ' '));
  EXPECT_EQ(grid[1], std::string(100, ' '));
  EXPECT_EQ(grid[2], std::string(7, '#') + std::string(93, ' '));
  EXPECT_EQ(grid[3], std::string(120, '#'));
  EXPECT_EQ(grid[4], "a\nb" + std::string(97, ' '));
  EXPECT_EQ(read.report.paddedFrom40, std::vector<int>{1});
  EXPECT_EQ(read.report.emptyFilled, std::vector<int>{2});
  EXPECT_EQ(read.report.shortPadded, (std::vector<maze::RowLength>{{3, 7}, {5, 3}}));
  EXPECT_EQ(read.report.longKept, (std::vector<maze::RowLength>{{4, 120}}));
  EXPECT_EQ(read.report.trailingBytes, 8u);
}

TEST(MazeReading, CellCodesNameDoorsAndKeys1To20) {
  EXPECT_EQ(maze::DoorKeyNumber(199), -1);
  EXPECT_EQ(maze::DoorKeyNumber(200), 1);
  EXPECT_EQ(maze::DoorKeyNumber(219), 20);
  EXPECT_EQ(maze::KeyNumber(219), -1);
  EXPECT_EQ(maze::KeyNumber(220), 1);
  EXPECT_EQ(maze::KeyNumber(239), 20);
  EXPECT_EQ(maze::KeyNumber(240), -1);
}

TEST(MazeWriting, AMazeInItsFileFormWritesBackByteForByte) {
  const std::string bytes = fake::ReadFile(fake::Fixture("canonical.maz"));
  const maze::LoadResult read = maze::ParseMaze(bytes);
  ASSERT_TRUE(read.ok()) << read.error.Describe();
  EXPECT_EQ(maze::FormatMaze(*read.maze), bytes);
}

TEST(MazeSaving, ReplacesTheFileWholeOrLeavesItAsItWas) {
  fake::TempFolder folder;
  const auto file = folder / "1.maz";
  const std::string old = fake::ReadFile(fake::Fixture("canonical.maz"));
  fake::WriteFile(file, old);
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {3, 4};
  ASSERT_TRUE(maze::SaveMaze(file, record).ok);
  EXPECT_EQ(fake::ReadFile(file), maze::FormatMaze(record));
  // A folder where the temporary file goes makes the save fail.
  fake::WriteFile(file, old);
  std::filesystem::create_directory(maze::SavingPath(file));
  const maze::SaveResult failed = maze::SaveMaze(file, record);
  EXPECT_FALSE(failed.ok);
  EXPECT_EQ(failed.reason, "a folder named .1.maz.saving stands in the way; remove it");
  EXPECT_EQ(fake::ReadFile(file), old);
  EXPECT_EQ(maze::SaveMaze(folder / "gone" / "1.maz", record).reason, "the folder does not exist");
}

// On a small file system of its own, which takes root to mount.
TEST(MazeSaving, SaysWhenTheDiskIsFullOrTheFolderCannotBeWritten) {
  fake::TempFolder folder;
  const std::string where = "'" + folder.Path().string() + "' 2>/dev/null";
  auto run = [](const std::string& command) { return std::system(command.c_str()) == 0; };
  if (!run("mount -t tmpfs -o size=256k tarnwick-small " + where)) {
    GTEST_SKIP() << "cannot mount a small file system here";
  }
  struct Unmount {
    std::function<void()> unmount;
    ~Unmount() { unmount(); }
  } unmount{[&] { run("umount " + where); }};
  const maze::MazeRecord record = maze::NewMazeRecord();
  fake::WriteFile(folder / "filler", std::string(300 * 1024, 'x'));
  EXPECT_EQ(maze::SaveMaze(folder / "1.maz", record).reason, "the disk is full");
  std::filesystem::remove(folder / "filler");
  ASSERT_TRUE(run("mount -o remount,ro " + where));
  EXPECT_EQ(maze::SaveMaze(folder / "1.maz", record).reason, "the folder cannot be written");
  EXPECT_TRUE(run("mount -o remount,rw " + where));
}

TEST(MazeFolder, CountsOrdinaryVisibleMazFilesOnly) {
  fake::TempFolder folder;
  for (const char* name : {"1.maz", "2.maz", ".3.maz", "4.MAZ", ".1.maz.saving", "5.maz.txt"}) {
    fake::WriteFile(folder / name, "");
  }
  std::filesystem::create_directory(folder / "6.maz");
  EXPECT_EQ(maze::CountMazeFiles(folder.Path()), 2);
  EXPECT_EQ(maze::CountMazeFiles(folder / "missing"), 0);
  EXPECT_TRUE(sound::FileExists(folder / "1.maz"));
  for (const char* name : {".3.maz", "6.maz", "7.maz"})
    EXPECT_FALSE(sound::FileExists(folder / name));
}

}  // namespace
