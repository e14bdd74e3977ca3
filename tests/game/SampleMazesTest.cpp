// The sample mazes that ship with the game: each is a well-formed maze file,
// and each is won by walking the maze library's route through the game's
// own key handling.
#include <fstream>
#include <sstream>

#include "maze/MazeFile.h"
#include "maze/MazeFolder.h"
#include "maze/MazeSearch.h"
#include "tests/game/GameScenario.h"

namespace {

using gametest::Scenario;

const std::filesystem::path kSampleFolder = std::filesystem::path(TARNWICK_SOURCE_DIR) / "mazes";

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

maze::MazeRecord LoadSample(int number) {
  maze::LoadResult loaded = maze::LoadMaze(maze::MazePath(kSampleFolder, std::to_string(number)));
  EXPECT_TRUE(loaded.ok()) << loaded.error.Describe();
  return loaded.ok() ? *loaded.maze : maze::NewMazeRecord();
}

TEST(SampleMazes, GrowFromACorridorToALabyrinth) {
  const maze::Route corridor = maze::FindRoute(LoadSample(1));
  EXPECT_EQ(corridor.doorsOpened, 0);
  for (maze::RouteStep step : corridor.steps) EXPECT_EQ(step, corridor.steps.front());
  EXPECT_EQ(maze::FindRoute(LoadSample(3)).doorsOpened, 1);
  const maze::Route keys = maze::FindRoute(LoadSample(4));
  EXPECT_GE(keys.keyOrder.size(), 3u);
  EXPECT_GE(keys.doorsOpened, 3);
  const maze::FloodResult labyrinth = maze::FloodMaze(LoadSample(5));
  EXPECT_GT(labyrinth.reachableCells, 4000);
}

// Five files exactly in the maze format, each won through the game's keys.
TEST(SampleMazes, EachIsWellFormedAndWonThroughTheGamesKeys) {
  EXPECT_EQ(maze::CountMazeFiles(kSampleFolder), 5);
  for (int number = 1; number <= 5; ++number) {
    SCOPED_TRACE(number);
    const std::string bytes = ReadBytes(maze::MazePath(kSampleFolder, std::to_string(number)));
    const maze::LoadResult parsed = maze::ParseMaze(bytes);
    ASSERT_TRUE(parsed.ok());
    EXPECT_FALSE(parsed.report.HasFindings());
    EXPECT_EQ(maze::FormatMaze(*parsed.maze), bytes);
    Scenario s;
    for (const auto& entry : std::filesystem::directory_iterator(kSampleFolder)) {
      if (entry.path().extension() == ".maz") {
        std::filesystem::copy_file(entry.path(), s.folder.Path() / entry.path().filename());
      }
    }
    const maze::Route route = maze::FindRoute(*parsed.maze);
    ASSERT_TRUE(route.found);
    s.Choose(number);
    const int64_t lastPress = s.PressRoute(route.steps);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_EQ(s.form.MazeNumber, number);
    EXPECT_EQ(s.PlayedAt("winMaze.wav"), lastPress);
    EXPECT_EQ(s.PlayedAt("winMaze.wav", 1), -1);
    EXPECT_EQ(s.form.position, parsed.maze->goal);
    EXPECT_EQ(s.form.FormMode, "menu");
  }
}

}  // namespace
