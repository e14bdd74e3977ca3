// Maze files the game cannot use: the fixed message, then the game ends.
#include "maze/MazeFile.h"
#include "tests/game/GameScenario.h"

namespace {

using gametest::Scenario;
namespace vk = platform::vk;

// The bytes of a good maze whose start is (1, 1) and goal (3, 1).
std::string GoodMaze() { return maze::FormatMaze(fake::DrawMaze({"S G"})); }

// The file with its last n lines removed.
std::string WithoutLastLines(std::string bytes, int n) {
  for (int i = 0; i < n; ++i) {
    bytes.resize(bytes.size() - 2);  // this line's CR LF
    bytes.resize(bytes.rfind("\r\n") + 2);
  }
  return bytes;
}

// The file with number line 101 + index replaced.
std::string WithNumberLine(const std::string& bytes, int index, const std::string& line) {
  size_t at = 0;
  for (int i = 0; i < 100 + index; ++i) at = bytes.find("\r\n", at) + 2;
  const size_t end = bytes.find("\r\n", at);
  return bytes.substr(0, at) + line + bytes.substr(end);
}

struct BadMaze {
  const char* story;
  const char* file;  // written as 1.maz unless empty
  std::string bytes;
};

TEST(MazeFile, AMazeTheGameCannotUseEndsItWithTheFixedMessage) {
  const BadMaze cases[] = {
      {"no file for the number chosen", "other.maz", GoodMaze()},
      {"99 rows and four numbers", "1.maz",
       WithoutLastLines(GoodMaze(), 5) + " 1 \r\n 1 \r\n"
                                         " 3 \r\n 1 \r\n"},
      {"100 rows and three numbers", "1.maz", WithoutLastLines(GoodMaze(), 1)},
      {"a start y that is no number", "1.maz", WithNumberLine(GoodMaze(), 1, " abc ")},
      {"a start x of 0", "1.maz", WithNumberLine(GoodMaze(), 0, " 0 ")},
      {"a start x of 101", "1.maz", WithNumberLine(GoodMaze(), 0, " 101 ")},
      {"a number past 16 bits", "1.maz", WithNumberLine(GoodMaze(), 2, " 40000 ")},
      {"an empty file", "1.maz", ""},
  };
  // The well-formed base of those cases loads.
  Scenario good;
  good.folder.WriteFile("1.maz", GoodMaze());
  good.Choose(1);
  EXPECT_EQ(good.Run(), std::nullopt);
  EXPECT_EQ(good.form.maze.goal, gametest::Pos(3, 1));
  for (const BadMaze& c : cases) {
    SCOPED_TRACE(c.story);
    Scenario s;
    s.folder.WriteFile(c.file, c.bytes);
    s.host.AnswerOk();
    const int64_t chosen = s.Time();
    s.Choose(1).Press(vk::kRight);
    EXPECT_EQ(s.Run(), 1);
    ASSERT_EQ(s.host.dialogs.size(), 1u);
    EXPECT_EQ(s.host.dialogs[0].text,
              "Error reading maze file. Please ensure the mazes in the game's folder are in "
              "numerical order.");
    EXPECT_EQ(s.host.dialogs[0].title, "Tarnwick");
    EXPECT_EQ(s.host.Now(), chosen);
    EXPECT_TRUE(s.Heard(chosen).empty());
  }
}

TEST(MazeFile, AGoClipThatCannotBePlayedTakesTheSamePath) {
  Scenario s;
  s.Maze(1, {"S G"});
  // The clip goes missing after the start-up check has found it.
  s.host.afterEvent = [&s] {
    if (s.form.FormMode == "menu") std::filesystem::remove(s.folder.Path() / "go.wav");
  };
  s.host.AnswerOk();
  s.Choose(1);
  EXPECT_EQ(s.Run(), 1);
  ASSERT_EQ(s.host.dialogs.size(), 1u);
  EXPECT_EQ(s.host.dialogs[0].title, "Tarnwick");
  EXPECT_EQ(s.form.FormMode, "game");
}

}  // namespace
