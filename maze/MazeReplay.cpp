// Pressing a route's keys by the game's walking rules, to check a route
// before anyone is told to walk it.

#include "maze/MazeSearch.h"
#include "maze/Walker.h"

namespace maze {

ReplayResult ReplayRoute(const MazeRecord& record, const std::vector<RouteStep>& steps) {
  ReplayResult result;
  result.end = record.start;
  if (!OnGrid(record.start)) return result;
  detail::Walker walker(record.grid, record.start);
  result.path.push_back(record.start);
  // Standing on the goal: the game wins on the first press of any key. An
  // off-grid goal is never stood on.
  if (steps.empty() && record.start == record.goal) {
    result.won = true;
    return result;
  }
  for (const RouteStep step : steps) {
    ++result.pressesUsed;
    if (walker.Step(step).moved) result.path.push_back(walker.position());
    if (walker.position() == record.goal) {
      result.won = true;
      break;
    }
  }
  result.end = walker.position();
  return result;
}

}  // namespace maze
