// The checker's report on small hand-made mazes whose answers are known:
// the verdict, and the sentences an author hears about start, goal, doors,
// keys and the route.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "maze/MazeFile.h"
#include "tests/support/ScenarioFolder.h"
#include "tests/tools/ToolsTestSupport.h"
#include "tools/CheckReport.h"

namespace {

using maze::GridPosition;
using testing::Contains;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsSupersetOf;
using tools::Verdict;

tools::MazeCheck Check(const maze::MazeRecord& record, bool route = true,
                       maze::SearchLimits limits = {}) {
  maze::LoadResult loaded;
  loaded.maze = record;
  return tools::CheckLoaded(loaded, {route, limits});
}

struct ReportCase {
  const char* name;
  std::vector<std::string> picture;  // see fake::DrawMaze
  GridPosition start;                // replaces the drawn start when set
  GridPosition goal;                 // replaces the drawn goal when set
  Verdict verdict;
  std::vector<std::string> lines;  // each must be in the report
};

void PrintTo(const ReportCase& c, std::ostream* out) { *out << c.name; }

class ReportTest : public ::testing::TestWithParam<ReportCase> {};

const std::string kOffGrid =
    "Not winnable: the game does not open a maze whose start or goal is off the grid.";

TEST_P(ReportTest, GivesTheKnownAnswer) {
  const ReportCase& c = GetParam();
  maze::MazeRecord record = fake::DrawMaze(c.picture);
  if (c.start.x != 0 || c.start.y != 0) record.start = c.start;
  if (c.goal.x != 0 || c.goal.y != 0) record.goal = c.goal;
  const tools::MazeCheck check = Check(record);
  EXPECT_EQ(check.verdict, c.verdict);
  EXPECT_THAT(check.lines, IsSupersetOf(c.lines));
  // A winnable maze's route is told, and pressing it wins.
  const auto route = toolstest::ReadRoute(check.lines);
  EXPECT_EQ(route.has_value(), c.verdict == Verdict::Winnable);
  if (!route) {
    EXPECT_TRUE(check.routeCells.empty());
  }
  if (route && record.start != record.goal) {
    const maze::ReplayResult replay = maze::ReplayRoute(record, *route);
    EXPECT_TRUE(replay.won);
    EXPECT_EQ(replay.pressesUsed, route->size());
    EXPECT_EQ(check.routeCells, replay.path);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Mazes, ReportTest,
    ::testing::Values(
        ReportCase{"WalledOffGoal", {"S..#G"}, {}, {}, Verdict::NotWinnable,
                   {"Not winnable.", "From the start, 3 cells can be reached.",
                    "The reachable cell nearest to the goal is at column 3, row 1, 2 cells from "
                    "it."}},
        ReportCase{"KeyBehindItsOwnDoor", {"S.Aa.G"}, {}, {}, Verdict::NotWinnable,
                   {"The maze has door 1 and key 1.", "Not winnable.",
                    "From the start, 2 cells can be reached.",
                    "Door 1 stays locked at column 3, row 1: no key 1 can be reached."}},
        ReportCase{"EveryWayBarredByOneNumber", {"S.A.G", "..A..", "AA..."}, {}, {},
                   Verdict::NotWinnable,
                   {"Door 1, in 4 places, has no key: no key 1 lies in the maze.",
                    "From the start, 4 cells can be reached.",
                    "Door 1 stays locked at column 3, row 1 and 3 more places: no key 1 can be "
                    "reached."}},
        ReportCase{"KeyReachableOnlyAfterAnotherDoor", {"S.aAb.B.G"}, {}, {}, Verdict::Winnable,
                   {"Winnable.",
                    "A shortest route takes 8 moves and opens 2 doors, 10 key presses in all.",
                    "Keys picked up along the route, in order: 1 and 2.",
                    "Route: right 2, open door, right 3, open door, right 3."}},
        ReportCase{"KeysFetchedOutOfTheirNumberOrder", {"S.b.aBA.G"}, {}, {}, Verdict::Winnable,
                   {"Keys picked up along the route, in order: 2 and 1."}},
        ReportCase{"DoorWithNoKeyAndAWayRound", {"S.C.G", "....."}, {}, {}, Verdict::Winnable,
                   {"The maze has door 3 and no keys.",
                    "Door 3 has no key: no key 3 lies in the maze.",
                    "A shortest route takes 6 moves and opens no doors, 6 key presses in all."}},
        ReportCase{"KeyWithNoDoor", {"S.e.G"}, {}, {}, Verdict::Winnable,
                   {"The maze has no doors and key 5.",
                    "Key 5 has no door: no door 5 stands in the maze.",
                    "Keys picked up along the route, in order: 5."}},
        ReportCase{"StartOnAWall", {"#.G"}, {1, 1}, {}, Verdict::Winnable,
                   {"The start is at column 1, row 1.", "The start is on a wall.",
                    "A shortest route takes 2 moves and opens no doors, 2 key presses in all."}},
        ReportCase{"StartOnADoor", {"A.G", "a##"}, {1, 1}, {}, Verdict::Winnable,
                   {"The start is on door 1."}},
        ReportCase{"StartEqualsGoal", {"G.."}, {1, 1}, {}, Verdict::Winnable,
                   {"The start and the goal are the same cell.",
                    "Winnable: the player starts on the goal, so the first key press that does "
                    "not move them wins.",
                    "Route: no moves; press Enter."}},
        ReportCase{"GoalOnADoorOpenedByItsKey", {"S.a.A"}, {}, {5, 1}, Verdict::Winnable,
                   {"The goal is on door 1.",
                    "A shortest route takes 4 moves and opens 1 door, 5 key presses in all."}},
        ReportCase{"GoalOnAWall", {"S..#"}, {}, {4, 1}, Verdict::NotWinnable,
                   {"The goal is on a wall.", "Not winnable."}},
        ReportCase{"KeyOnTheStart", {"a.AG"}, {1, 1}, {}, Verdict::Winnable,
                   {"Key 1 lies on the start; the player takes it only on stepping back there.",
                    "Route: right 1, left 1, right 1, open door, right 2."}},
        ReportCase{"StartNotSet", {"..G"}, {}, {}, Verdict::NotWinnable,
                   {"The start is not set.", kOffGrid}},
        ReportCase{"GoalOutsideTheGrid", {"S.."}, {}, {120, 5}, Verdict::NotWinnable,
                   {"The goal lies outside the grid, at column 120, row 5.", kOffGrid}}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(CheckReport, OnAnOpenGridTellsEverythingInOrder) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {1, 1};
  record.goal = {100, 100};
  const tools::MazeCheck check = Check(record, false);
  EXPECT_EQ(check.verdict, Verdict::Winnable);
  EXPECT_THAT(
      check.lines,
      ElementsAre("The start is at column 1, row 1.", "The goal is at column 100, row 100.",
                  "The maze has no doors and no keys.", "Winnable.",
                  "A shortest route takes 198 moves and opens no doors, 198 key presses in all.",
                  "The route picks up no keys."));
  ASSERT_EQ(check.routeCells.size(), 199u);
  EXPECT_EQ(check.routeCells.back(), record.goal);
}

// Without --route the route is not listed but its cells are kept for the
// picture; a search that meets its bound says so.
TEST(CheckReport, RouteOnlyWhenAskedAndNotProvenShortestWhenBounded) {
  const maze::MazeRecord record = fake::DrawMaze({"S.aAb.B.G"});
  const tools::MazeCheck quiet = Check(record, false);
  EXPECT_FALSE(toolstest::ReadRoute(quiet.lines).has_value());
  EXPECT_EQ(quiet.routeCells.size(), 9u);
  EXPECT_THAT(Check(record, true, {.maxStates = 1}).lines,
              Contains("A route of 8 moves (not proven shortest) opens 2 doors, 10 key "
                       "presses in all."));
}

// What the checker says about the file itself: rows of the wrong length and
// the reader's repairs, bytes after the last number, bytes with no meaning,
// and files it cannot read at all.
// The file of a small winnable maze in row 1, with some row lines replaced
// and bytes added after the last number.
std::string FileBytes(const std::map<int, std::string>& rows, const std::string& after = "") {
  const maze::MazeRecord record = fake::DrawMaze({"S...G"});
  std::string bytes;
  for (int y = 1; y <= maze::kGridSize; ++y) {
    const auto replaced = rows.find(y);
    bytes += (replaced != rows.end() ? replaced->second : record.grid[y - 1]) + "\r\n";
  }
  return bytes + " 1 \r\n 1 \r\n 5 \r\n 1 \r\n" + after;
}

tools::MazeCheck CheckBytes(const std::string& bytes) {
  return tools::CheckLoaded(maze::ParseMaze(bytes), {});
}

std::string Walls(size_t count) { return std::string(count, '#'); }

// Row 70's bytes past column 100 are not cells: they add no odd bytes.
TEST(FileFindings, NameEachRowOutOfLengthAndTheRepair) {
  std::string odd = Walls(100), odd2 = Walls(100);
  odd[3] = static_cast<char>(150);
  odd2[99] = '\x07';
  const std::map<int, std::string> rows = {
      {3, odd},        {10, Walls(40)}, {11, Walls(40)},
      {12, Walls(40)}, {50, ""},        {60, Walls(41)},
      {61, Walls(41)}, {62, Walls(99)}, {70, Walls(100) + std::string(20, '\x01')},
      {80, odd2}};
  const tools::MazeCheck check = CheckBytes(FileBytes(rows, "junk\r\n"));
  EXPECT_EQ(check.verdict, Verdict::Winnable);
  // A well-formed file has no findings: the report starts with the start.
  EXPECT_EQ(CheckBytes(FileBytes({})).lines.front(), "The start is at column 1, row 1.");
  EXPECT_THAT(
      check.lines,
      IsSupersetOf({
          "Rows 10 to 12 each had 40 bytes; the reader added 60 spaces to make 100.",
          "Row 50 was empty; the reader filled it with 100 spaces.",
          "Rows 60 and 61 have 41 bytes, not 100; the reader padded each with spaces.",
          "Row 62 has 99 bytes, not 100; the reader padded it with spaces.",
          "Row 70 has 120 bytes, not 100; the bytes past column 100 are not part of the maze.",
          "The file goes on for 6 bytes after the goal y; they are never read.",
          "2 cells hold a byte that is neither wall, floor, door nor key; the game treats them "
          "as floor. The first is byte 150 at column 4, row 3.",
      }));
}

TEST(FileFindings, OneOfEachInTheSingular) {
  std::string odd = Walls(100);
  odd[0] = static_cast<char>(240);  // one past the last key
  const tools::MazeCheck check =
      CheckBytes(FileBytes({{7, Walls(40)}, {8, ""}, {9, odd}, {90, ""}, {91, Walls(40)}}, "x"));
  EXPECT_THAT(
      check.lines,
      IsSupersetOf({"Rows 7 and 91 each had 40 bytes; the reader added 60 spaces to make 100.",
                    "Rows 8 and 90 were empty; the reader filled each with 100 spaces.",
                    "The file goes on for 1 byte after the goal y; it is never read.",
                    "1 cell holds a byte that is neither wall, floor, door nor key; the "
                    "game treats it as floor. The first is byte 240 at column 1, row 9."}));
}

// The reader's own reason follows "Unreadable: "; a missing file or a folder
// is unreadable too.
TEST(FileFindings, UnreadableFilesSayWhy) {
  const tools::MazeCheck empty = CheckBytes("");
  EXPECT_EQ(empty.verdict, Verdict::Unreadable);
  EXPECT_FALSE(empty.maze.has_value());
  EXPECT_THAT(empty.lines, ElementsAre("Unreadable: the file is empty."));
  fake::ScenarioFolder folder;
  const tools::MazeCheck missing = tools::CheckMazeFile(folder.Path() / "7.maz", {});
  EXPECT_EQ(missing.verdict, Verdict::Unreadable);
  EXPECT_THAT(missing.lines, ElementsAre("Unreadable: the file does not exist."));
  const tools::MazeCheck folderCheck = tools::CheckMazeFile(folder.Path(), {});
  EXPECT_THAT(folderCheck.lines, ElementsAre("Unreadable: it is a folder, not a file."));
}

}  // namespace
