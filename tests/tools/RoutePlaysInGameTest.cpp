// Every route the checker prints is pressed, as printed, through the game's
// own key handling: the maze chosen from the menu, each arrow pressed and
// released, Enter for each door, and the winning clip must play on the last
// press and not before.
#include <filesystem>

#include "maze/MazeFile.h"
#include "tests/game/GameScenario.h"
#include "tests/tools/ToolsTestSupport.h"
#include "tools/CheckReport.h"
#include "tools/MazeGenerator.h"

namespace {

using gametest::Scenario;

const std::filesystem::path kSampleFolder = std::filesystem::path(TARNWICK_SOURCE_DIR) / "mazes";

// Presses the printed route in the game and checks that it wins on its last
// press.
void ExpectWinsInTheGame(const maze::MazeRecord& record, const std::vector<std::string>& report) {
  const auto steps = toolstest::ReadRoute(report);
  ASSERT_TRUE(steps.has_value()) << "no route printed";
  ASSERT_FALSE(steps->empty());
  Scenario s;
  s.MazeOf(1, record);
  s.Choose(1);
  const int64_t lastPress = s.PressRoute(*steps);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("winMaze.wav"), lastPress);
  EXPECT_EQ(s.PlayedAt("winMaze.wav", 1), -1);
  EXPECT_EQ(s.form.position, record.goal);
}

// The report of mazecheck --route on the maze, as printed.
std::vector<std::string> PrintedReport(const std::filesystem::path& folder,
                                       const maze::MazeRecord& record) {
  const std::string file = toolstest::WriteMazeFile(folder, "check.maz", record).string();
  const toolstest::ProgramRun run = toolstest::RunCheck({"--route", file});
  EXPECT_EQ(run.status, 0);
  return run.OutLines();
}

TEST(RoutesInTheGame, HandMadeMazesAreWon) {
  const std::vector<std::vector<std::string>> drawings = {
      {"S.aAb.B.G"},         {"S.b.aBA.G"},
      {"S.C.G", "....."},    {"S......", "#####.#", "a.....B", "#b#####", "..A...G"},
      {"S.a", "##A", "##G"},
  };
  fake::ScenarioFolder folder;
  for (const auto& drawing : drawings) {
    SCOPED_TRACE(drawing.front());
    const maze::MazeRecord record = fake::DrawMaze(drawing);
    ExpectWinsInTheGame(record, PrintedReport(folder.Path(), record));
  }
}

TEST(RoutesInTheGame, OddStartsAreWon) {
  fake::ScenarioFolder folder;
  struct Case {
    std::vector<std::string> drawing;
    maze::GridPosition start;
    maze::GridPosition goal;
  };
  const Case cases[] = {
      {{"a.AG"}, {1, 1}, {}},        // key on the start
      {{"#.G"}, {1, 1}, {}},         // start on a wall
      {{"A.G", "a##"}, {1, 1}, {}},  // start on a door
      {{"S.a.A"}, {}, {5, 1}},       // goal on a door
      {{"..G.."}, {3, 1}, {}},       // start on the goal: Enter wins
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.drawing.front());
    maze::MazeRecord record = fake::DrawMaze(c.drawing);
    if (c.start.IsSet()) record.start = c.start;
    if (c.goal.IsSet()) record.goal = c.goal;
    ExpectWinsInTheGame(record, PrintedReport(folder.Path(), record));
  }
}

TEST(RoutesInTheGame, GeneratedMazesAreWon) {
  fake::ScenarioFolder folder;
  const tools::GenOptions options[] = {
      {1, 0, {}}, {2, 3, {}}, {3, 20, {}}, {4, 20, {20, 30, 60, 70}}, {5, 1, {1, 1, 9, 5}},
  };
  for (const tools::GenOptions& o : options) {
    SCOPED_TRACE(testing::Message() << "seed " << o.seed << ", keys " << o.keys);
    const tools::GenResult made = tools::GenerateMaze(o);
    ASSERT_TRUE(made.maze.has_value()) << made.failure;
    ExpectWinsInTheGame(*made.maze, PrintedReport(folder.Path(), *made.maze));
  }
}

TEST(RoutesInTheGame, ARouteNotProvenShortestIsWonToo) {
  const maze::MazeRecord record =
      fake::DrawMaze({"S......", "#####.#", "a.....B", "#b#####", "..A...G"});
  maze::LoadResult loaded;
  loaded.maze = record;
  const tools::MazeCheck check = tools::CheckLoaded(loaded, {true, {.maxStates = 1}});
  ASSERT_THAT(check.lines, testing::Contains(testing::HasSubstr("(not proven shortest)")));
  ExpectWinsInTheGame(record, check.lines);
}

// The game's own mazes: each winnable with the key order it was made with,
// and its printed route wins.
TEST(RoutesInTheGame, SampleMazesAreWonWithTheirKeyOrder) {
  if (!std::filesystem::exists(kSampleFolder / "1.maz")) GTEST_SKIP() << "no sample mazes";
  const char* const keyOrders[] = {"The route picks up no keys.", "The route picks up no keys.",
                                   "Keys picked up along the route, in order: 1.",
                                   "Keys picked up along the route, in order: 1, 2 and 3.",
                                   "The route picks up no keys."};
  for (int number = 1; number <= 5; ++number) {
    SCOPED_TRACE(number);
    const std::filesystem::path file = kSampleFolder / (std::to_string(number) + ".maz");
    const toolstest::ProgramRun run = toolstest::RunCheck({"--route", file.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.OutLines(), testing::Contains("Winnable."));
    EXPECT_THAT(run.OutLines(), testing::Contains(keyOrders[number - 1]));
    const maze::LoadResult loaded = maze::LoadMaze(file);
    ASSERT_TRUE(loaded.ok());
    ExpectWinsInTheGame(*loaded.maze, run.OutLines());
  }
}

}  // namespace
