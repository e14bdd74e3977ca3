// Arbitrary bytes into the maze reader. Whatever it accepts must write back
// and read again as the same maze, and on a maze with start and goal on the
// grid the search must agree with the flood and give a route that wins when
// its keys are pressed.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"

namespace {

// Small enough that a maze full of keys and doors stays quick to fuzz.
constexpr std::size_t kFuzzSearchStates = 20000;

void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "maze_fuzz: %s\n", what);
  std::abort();
}

void CheckRoundTrip(const maze::MazeRecord& record) {
  const std::string written = maze::FormatMaze(record);
  const maze::LoadResult again = maze::ParseMaze(written);
  Require(again.ok(), "a written maze does not read back");
  Require(again.maze->grid == record.grid, "rows change on the way through the file");
  Require(again.maze->start == record.start && again.maze->goal == record.goal,
          "start or goal change on the way through the file");
  Require(again.report.paddedFrom40.empty() && again.report.emptyFilled.empty() &&
              again.report.shortPadded.empty() && again.report.trailingBytes == 0,
          "a written maze needs repairs when read back");
  Require(maze::FormatMaze(*again.maze) == written, "writing twice gives different bytes");
}

void CheckSearch(const maze::MazeRecord& record) {
  const maze::FloodResult flood = maze::FloodMaze(record);
  const maze::Route route = maze::FindRoute(record, {.maxStates = kFuzzSearchStates});
  Require(route.found == flood.winnable, "route and flood disagree on winnable");
  if (!route.found) return;
  const maze::ReplayResult replay = maze::ReplayRoute(record, route.steps);
  Require(replay.won, "the route does not reach the goal when pressed");
  Require(replay.pressesUsed == route.steps.size(), "the route passes the goal before its end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const maze::LoadResult result = maze::ParseMaze(bytes);
  if (!result.ok()) {
    Require(result.error.kind != maze::LoadFailure::None, "a failed read names no failure");
    Require(!result.error.Describe().empty(), "a failed read has no sentence");
    return 0;
  }
  Require(result.error.kind == maze::LoadFailure::None, "a successful read names a failure");
  for (const std::string& row : result.maze->grid) {
    Require(row.size() >= maze::kGridSize, "a row in memory is shorter than 100 cells");
  }
  CheckRoundTrip(*result.maze);
  // The search costs far more than the reading, so only inputs whose length
  // is a multiple of eight also run it; a given input always does or never does.
  if (size % 8 == 0 && maze::StartAndGoalOnGrid(*result.maze)) CheckSearch(*result.maze);
  return 0;
}
