// Pressing a route's keys by the game's walking rules, to check a route
// before anyone is told to walk it.

#include "maze/CellMap.h"
#include "maze/MazeSearch.h"

namespace maze {

ReplayResult ReplayRoute(const MazeRecord& record, const std::vector<RouteStep>& steps) {
  using namespace detail;
  ReplayResult result;
  result.end = record.start;
  if (!OnGrid(record.start.x, record.start.y)) return result;
  const bool goalOnGrid = OnGrid(record.goal.x, record.goal.y);
  const int goal = goalOnGrid ? IndexOf(record.goal) : -1;
  Cells cells = CopyCells(record.grid);
  int position = IndexOf(record.start);
  int facing = -1;  // no arrow pressed yet
  uint32_t keys = 0;
  result.path.push_back(record.start);

  if (steps.empty() && position == goal) {
    // Standing on the goal: the game wins on the first press of any key.
    result.won = true;
    return result;
  }
  for (const RouteStep step : steps) {
    ++result.pressesUsed;
    if (step == RouteStep::OpenDoor) {
      // Enter looks at the cell faced, or at the player's own cell before
      // any arrow; past the edge it does nothing.
      const int target = facing < 0 ? position : Neighbour(position, facing);
      if (target >= 0 && IsDoor(cells[target]) &&
          (keys & KeyBit(DoorKeyNumber(cells[target]))) != 0) {
        cells[target] = kFloor;
      }
    } else {
      facing = static_cast<int>(step);
      const int next = Neighbour(position, facing);
      if (next >= 0 && !IsWall(cells[next]) && !IsDoor(cells[next])) {
        position = next;
        result.path.push_back(PositionOf(next));
        if (IsKey(cells[next])) {
          keys |= KeyBit(KeyNumber(cells[next]));
          cells[next] = kFloor;
        }
      }
    }
    if (position == goal) {
      result.won = true;
      break;
    }
  }
  result.end = PositionOf(position);
  return result;
}

}  // namespace maze
