// A save that fails keeps the author editing with nothing lost: the maze in
// memory keeps every change, the file on disk stays as it was, and a later
// save, once the cause is gone, writes it all. Three causes, each named to the
// author: a folder standing where the temporary file goes, a full file system
// and a read-only one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"
#include "maze/MazeFile.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

namespace vk = platform::vk;

constexpr char kSaveFailedStart[] = "The maze could not be saved to 1.maz: ";

maze::MazeRecord StartingMaze() {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {3, 3};
  record.goal = {9, 9};
  return record;
}

// Opens maze 1, puts a wall at 1,1 and one at 2,1, and saves with Esc: the
// first save fails for a reason that names `cause`, `makeRoom` runs while
// its message is up, and the second Esc saves.
void RunFailedSaveStory(const fake::ScenarioFolder& folder, const std::string& cause,
                        const std::function<void()>& makeRoom) {
  const std::filesystem::path file = folder.Path() / "1.maz";
  const std::string before = maze::FormatMaze(StartingMaze());
  ASSERT_EQ(folder.ReadFile("1.maz"), before);

  fake::VirtualClock clock;
  fake::FakeSound sound(clock);
  fake::FakeHost host(clock, sound);
  editor::frmMain form(host, sound, folder.Path());
  host.Press(1000, vk::kSpace);
  host.Press(2000, vk::kEscape);
  host.Press(3000, vk::kRight);
  host.Press(4000, vk::kSpace);
  host.Press(5000, vk::kEscape);
  // Maze 1; it exists; save changes (Yes, twice); no other maze.
  int failures = 0;
  host.answerer = [&](fake::DialogKind kind, const std::string& text) -> fake::DialogAnswer {
    if (text.rfind(kSaveFailedStart, 0) == 0 && ++failures == 1) {
      EXPECT_NE(text.find(cause), std::string::npos) << text;
      EXPECT_EQ(folder.ReadFile("1.maz"), before) << "the failed save touched the maze file";
      EXPECT_EQ(maze::CellAt(form.Maze().grid, 1, 1), maze::kWall) << "the change was lost";
      makeRoom();
    }
    return {kind, text != editor::kAnotherMazeQuestion, "1"};
  };
  EXPECT_EQ(host.Run(form), 0);
  EXPECT_EQ(failures, 1) << "the first save should fail, the second succeed";
  // Editing went on after the failure: the cursor moved and a second wall
  // went in, and both reached the file.
  maze::MazeRecord expected = StartingMaze();
  maze::SetCell(expected.grid, 1, 1, maze::kWall);
  maze::SetCell(expected.grid, 2, 1, maze::kWall);
  EXPECT_EQ(folder.ReadFile("1.maz"), maze::FormatMaze(expected));
  EXPECT_FALSE(std::filesystem::exists(maze::SavingPath(file)));
}

TEST(FailedSaveTest, AFolderWhereTheTemporaryFileGoesKeepsTheAuthorEditing) {
  fake::ScenarioFolder folder;
  WriteEditorClips(folder);
  folder.WriteMaze("1", StartingMaze());
  const std::filesystem::path inTheWay = maze::SavingPath(folder.Path() / "1.maz");
  std::filesystem::create_directory(inTheWay);
  RunFailedSaveStory(folder, "a folder named .1.maz.saving stands in the way; remove it.",
                     [&] { std::filesystem::remove(inTheWay); });
}

// A small tmpfs mounted over the folder for one test; false when the system
// does not allow it (it needs root).
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const fake::ScenarioFolder& folder)
      : where_("'" + folder.Path().string() + "'") {
    mounted_ = Run("mount -t tmpfs -o size=256k tarnwick-small " + where_);
  }
  ~SmallFileSystem() {
    if (mounted_) Run("umount " + where_);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  static constexpr char kCannotMount[] =
      "cannot mount a small tmpfs (needs root and a system that allows mounting); not tested";
  bool Mounted() const { return mounted_; }
  void Remount(const char* mode) {
    EXPECT_TRUE(Run("mount -o remount," + std::string(mode) + " " + where_));
  }

 private:
  static bool Run(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
  }
  std::string where_;
  bool mounted_ = false;
};

TEST(FailedSaveTest, AFullFileSystemKeepsTheAuthorEditing) {
  fake::ScenarioFolder folder;
  SmallFileSystem small(folder);
  if (!small.Mounted()) GTEST_SKIP() << SmallFileSystem::kCannotMount;
  WriteEditorClips(folder);
  folder.WriteMaze("1", StartingMaze());
  // Fill every byte that is left.
  const std::filesystem::path filler = folder.Path() / "filler";
  {
    std::ofstream out(filler, std::ios::binary);
    const std::string block(4096, 'x');
    while (out.write(block.data(), static_cast<std::streamsize>(block.size()))) {
    }
  }
  ASSERT_FALSE(std::ofstream(folder.Path() / "probe", std::ios::binary) << std::string(8192, 'x'))
      << "the file system did not fill up";
  std::filesystem::remove(folder.Path() / "probe");
  RunFailedSaveStory(folder, "the disk is full.", [&] { std::filesystem::remove(filler); });
}

// Permission bits do not stop root; a read-only file system stops everyone.
TEST(FailedSaveTest, AFolderThatCannotBeWrittenKeepsTheAuthorEditing) {
  fake::ScenarioFolder folder;
  SmallFileSystem small(folder);
  if (!small.Mounted()) GTEST_SKIP() << SmallFileSystem::kCannotMount;
  WriteEditorClips(folder);
  folder.WriteMaze("1", StartingMaze());
  small.Remount("ro");
  RunFailedSaveStory(folder, "the folder cannot be written.", [&] { small.Remount("rw"); });
}

}  // namespace
}  // namespace robustness
