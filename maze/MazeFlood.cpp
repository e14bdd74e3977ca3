// Winnable or not: a flood from the start that picks up keys and opens doors
// until nothing changes. Keys are never used up and doors stay open, so the
// part of the maze reachable only grows, and one pass over the cells with a
// list of shut doors per key number reaches the fixed point.

#include <cstring>
#include <vector>

#include "maze/CellMap.h"
#include "maze/MazeSearch.h"

namespace maze {

namespace detail {

Cells CopyCells(const MazeGrid& grid) {
  Cells cells;
  cells.fill(kFloor);
  for (int y = 0; y < kGridSize; ++y) {
    const std::string& row = grid[y];
    const size_t length = row.size() < size_t{kGridSize} ? row.size() : size_t{kGridSize};
    std::memcpy(&cells[y * kGridSize], row.data(), length);
  }
  return cells;
}

}  // namespace detail

namespace {

using namespace detail;

class Flood {
 public:
  Flood(const Cells& cells, int start) : cells_(cells), start_(start) {}

  // The start is floor, a key or another open code: the player can come back
  // to it, and a key on it is picked up on the first return.
  void RunFromStart() {
    startKeyPending_ = IsKey(cells_[start_]);
    reached_[start_] = 1;
    order_.push_back(start_);
    Run();
  }

  // The start is a wall or a door: the player leaves it by one way out.
  void RunFromExit(int exit) {
    Reach(exit);
    Run();
  }

  FloodResult Result(GridPosition goal) const {
    FloodResult result;
    const bool startCounted = reached_[start_] != 0;
    result.reachableCells = static_cast<int>(order_.size()) + (startCounted ? 0 : 1);
    result.winnable = OnGrid(goal) && reached_[IndexOf(goal)] != 0;
    result.keyOrder = keyOrder_;
    for (int number = 1; number <= kKeyCount; ++number) {
      if ((keys_ & KeyBit(number)) != 0) continue;
      for (int door : waiting_[number]) {
        result.lockedDoors.push_back({static_cast<int16_t>(number), PositionOf(door)});
      }
    }
    result.nearestToGoal = PositionOf(start_);
    result.nearestDistance = Manhattan(start_, goal);
    for (int cell : order_) {
      const int distance = Manhattan(cell, goal);
      if (distance < result.nearestDistance) {
        result.nearestDistance = distance;
        result.nearestToGoal = PositionOf(cell);
      }
    }
    return result;
  }

 private:
  void Run() {
    while (next_ < order_.size()) Expand(order_[next_++]);
  }

  void Expand(int cell) {
    for (const Direction way : kDirections) {
      const int next = Neighbour(cell, way);
      if (next < 0 || reached_[next]) continue;
      const CellCode code = cells_[next];
      if (Enterable(code, keys_)) {
        Reach(next);
      } else if (StepInto(code) == StepOutcome::Door) {
        NoteShutDoor(next, DoorKeyNumber(code));
      }
    }
  }

  void Reach(int cell) {
    reached_[cell] = 1;
    order_.push_back(cell);
    if (IsKey(cells_[cell])) PickUp(KeyNumber(cells_[cell]), cell);
    if (startKeyPending_ && IsBeside(cell, start_)) {
      // The player can step back onto the start and take the key there.
      startKeyPending_ = false;
      PickUp(KeyNumber(cells_[start_]), start_);
    }
  }

  void PickUp(int number, int cell) {
    if ((keys_ & KeyBit(number)) != 0) return;
    keys_ |= KeyBit(number);
    keyOrder_.push_back({static_cast<int16_t>(number), PositionOf(cell)});
    for (int door : waiting_[number]) {
      if (!reached_[door]) Reach(door);
    }
    waiting_[number].clear();
  }

  void NoteShutDoor(int cell, int number) {
    if (doorNoted_[cell]) return;
    doorNoted_[cell] = 1;
    waiting_[number].push_back(cell);
  }

  static bool IsBeside(int a, int b) {
    for (const Direction way : kDirections) {
      if (Neighbour(a, way) == b) return true;
    }
    return false;
  }

  const Cells& cells_;
  const int start_;
  bool startKeyPending_ = false;
  std::vector<uint8_t> reached_ = std::vector<uint8_t>(kCellCount, 0);
  std::vector<uint8_t> doorNoted_ = std::vector<uint8_t>(kCellCount, 0);
  std::vector<int> order_;  // cells in the order reached, also the work queue
  size_t next_ = 0;
  uint32_t keys_ = 0;
  std::vector<int> waiting_[kKeyCount + 1];  // shut doors by key number
  std::vector<KeyPickup> keyOrder_;
};

bool Better(const FloodResult& candidate, const FloodResult& best) {
  if (candidate.winnable != best.winnable) return candidate.winnable;
  return candidate.reachableCells > best.reachableCells;
}

}  // namespace

FloodResult FloodMaze(const MazeRecord& record) {
  if (!OnGrid(record.start)) return {};
  const Cells cells = CopyCells(record.grid);
  const int start = IndexOf(record.start);
  FloodResult result;
  const CellCode startCode = cells[start];
  // A start the player could not step back onto.
  if (StepInto(startCode) == StepOutcome::Moved) {
    Flood flood(cells, start);
    flood.RunFromStart();
    result = flood.Result(record.goal);
  } else {
    // Nothing lets the player back onto the start before a way out is
    // chosen, so each way out is a game of its own.
    Flood stay(cells, start);
    result = stay.Result(record.goal);
    for (const Direction way : kDirections) {
      const int exit = Neighbour(start, way);
      if (exit < 0 || !Enterable(cells[exit], 0)) continue;
      Flood flood(cells, start);
      flood.RunFromExit(exit);
      FloodResult candidate = flood.Result(record.goal);
      if (Better(candidate, result)) result = std::move(candidate);
      if (result.winnable) break;
    }
  }
  if (record.start == record.goal) {
    result.winnable = true;
    result.nearestToGoal = record.goal;
    result.nearestDistance = 0;
  }
  return result;
}

}  // namespace maze
