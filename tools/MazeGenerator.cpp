// The labyrinth is carved by a depth-first walk over the rooms (every other
// cell of the area, from its top left corner), kept on an explicit stack so a
// full grid of 2,500 rooms never runs deep. In a labyrinth with exactly one
// way between any two cells, a door anywhere on the way from the start to
// the goal closes it, and the cells behind one door and before the next form
// the part where the next key belongs.

#include "tools/MazeGenerator.h"

#include <algorithm>
#include <vector>

#include "maze/CellIndex.h"
#include "maze/MazeSearch.h"
#include "tools/Random.h"

namespace tools {
namespace {

constexpr int kCells = maze::kCellCount;
using maze::IndexOf;
using maze::PositionOf;

// The neighbours of a cell on the grid, left, right, up, down.
std::vector<int> Neighbours(int index) {
  std::vector<int> result;
  for (const maze::Direction way : maze::kDirections) {
    const int next = maze::Neighbour(index, way);
    if (next >= 0) result.push_back(next);
  }
  return result;
}

class Labyrinth {
 public:
  explicit Labyrinth(const Area& area)
      : area_(area), columns_((area.x2 - area.x1) / 2 + 1), rows_((area.y2 - area.y1) / 2 + 1) {}

  void Carve(SplitMix64& random) {
    std::vector<uint8_t> visited(columns_ * rows_, 0);
    const int first = random.Below(columns_ * rows_);
    std::vector<int> stack{first};
    visited[first] = 1;
    open_[RoomCell(first)] = 1;
    while (!stack.empty()) {
      const int room = stack.back();
      std::vector<int> ways;
      for (int next : RoomNeighbours(room)) {
        if (!visited[next]) ways.push_back(next);
      }
      if (ways.empty()) {
        stack.pop_back();
        continue;
      }
      const int next = ways[random.Below(static_cast<int>(ways.size()))];
      visited[next] = 1;
      open_[(RoomCell(room) + RoomCell(next)) / 2] = 1;  // the cell between them
      open_[RoomCell(next)] = 1;
      stack.push_back(next);
    }
    someRoom_ = RoomCell(first);
  }

  bool IsOpen(int cell) const { return open_[cell] != 0; }
  bool IsRoom(int cell) const {
    const maze::GridPosition p = PositionOf(cell);
    return (p.x - area_.x1) % 2 == 0 && (p.y - area_.y1) % 2 == 0;
  }
  int OpenNeighbourCount(int cell) const {
    int count = 0;
    for (int next : Neighbours(cell)) count += open_[next];
    return count;
  }
  int SomeRoom() const { return someRoom_; }

 private:
  int RoomCell(int room) const {
    return IndexOf(area_.x1 + 2 * (room % columns_), area_.y1 + 2 * (room / columns_));
  }

  std::vector<int> RoomNeighbours(int room) const {
    std::vector<int> result;
    const int c = room % columns_;
    const int r = room / columns_;
    if (c > 0) result.push_back(room - 1);
    if (c < columns_ - 1) result.push_back(room + 1);
    if (r > 0) result.push_back(room - columns_);
    if (r < rows_ - 1) result.push_back(room + columns_);
    return result;
  }

  const Area area_;
  const int columns_;
  const int rows_;
  std::vector<uint8_t> open_ = std::vector<uint8_t>(kCells, 0);
  int someRoom_ = 0;
};

// A breadth-first walk over the open cells that are not blocked; the cells
// in the order reached, and the cell each was reached from.
struct Walk {
  std::vector<int> order;
  std::vector<int> cameFrom = std::vector<int>(kCells, -1);
};

Walk WalkFrom(const Labyrinth& labyrinth, int from, const std::vector<uint8_t>& blocked) {
  Walk walk;
  walk.cameFrom[from] = from;
  walk.order.push_back(from);
  for (size_t i = 0; i < walk.order.size(); ++i) {
    for (int next : Neighbours(walk.order[i])) {
      if (!labyrinth.IsOpen(next) || blocked[next] || walk.cameFrom[next] >= 0) continue;
      walk.cameFrom[next] = walk.order[i];
      walk.order.push_back(next);
    }
  }
  return walk;
}

// The longest way through the labyrinth: the cell farthest from any cell,
// then the cell farthest from that one. The way runs room, cell between,
// room, and so on.
std::vector<int> LongestWay(const Labyrinth& labyrinth) {
  const std::vector<uint8_t> none(kCells, 0);
  const int end = WalkFrom(labyrinth, labyrinth.SomeRoom(), none).order.back();
  const Walk walk = WalkFrom(labyrinth, end, none);
  std::vector<int> way;
  for (int cell = walk.order.back(); cell != end; cell = walk.cameFrom[cell]) way.push_back(cell);
  way.push_back(end);
  std::reverse(way.begin(), way.end());
  return way;
}

// Which of the cells between two rooms on the way (0 to betweens - 1) hold
// doors 1 to K: spread evenly with a little jitter, never the first (the
// start's own part needs a room for key 1), in order along the way.
std::vector<int> DoorPlaces(int betweens, int keys, SplitMix64& random) {
  std::vector<int> places(keys);
  const int jitter = betweens / (keys + 1) / 4;
  for (int k = 0; k < keys; ++k) {
    int place = (k + 1) * betweens / (keys + 1);
    if (jitter > 0) place += random.Below(2 * jitter + 1) - jitter;
    places[k] = std::max(place, k == 0 ? 1 : places[k - 1] + 1);
  }
  for (int k = keys - 1; k >= 0; --k) places[k] = std::min(places[k], betweens - keys + k);
  return places;
}

// The part of the labyrinth that each door opens: part 0 is reached from the
// start with every door shut, part k is what door k adds.
std::vector<int> Parts(const Labyrinth& labyrinth, int start, const std::vector<int>& doors) {
  std::vector<uint8_t> blocked(kCells, 0);
  for (int door : doors) blocked[door] = 1;
  std::vector<int> part(kCells, -1);
  for (size_t k = 0; k <= doors.size(); ++k) {
    const int from = k == 0 ? start : doors[k - 1];
    blocked[from] = 0;
    for (int cell : WalkFrom(labyrinth, from, blocked).order) {
      if (part[cell] < 0) part[cell] = static_cast<int>(k);
    }
    blocked[from] = 1;  // shut again, so later walks stop at it
  }
  return part;
}

// A room of the part for the key: a dead end off the way if there is one, else
// any room off the way, else a room on the way; never the start or the goal.
int KeyPlace(const Labyrinth& labyrinth, const std::vector<int>& part, int which,
             const std::vector<uint8_t>& onWay, int start, int goal, SplitMix64& random) {
  std::vector<int> choices[3];
  for (int cell = 0; cell < kCells; ++cell) {
    if (part[cell] != which || !labyrinth.IsRoom(cell) || cell == start || cell == goal) continue;
    const bool deadEnd = labyrinth.OpenNeighbourCount(cell) == 1;
    choices[onWay[cell] ? 2 : deadEnd ? 0 : 1].push_back(cell);
  }
  for (const std::vector<int>& cells : choices) {
    if (!cells.empty()) return cells[random.Below(static_cast<int>(cells.size()))];
  }
  return -1;
}

maze::MazeRecord Record(const Labyrinth& labyrinth, int start, int goal) {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (int cell = 0; cell < kCells; ++cell) {
    const maze::GridPosition p = PositionOf(cell);
    maze::SetCell(record.grid, p.x, p.y, labyrinth.IsOpen(cell) ? maze::kFloor : maze::kWall);
  }
  record.start = PositionOf(start);
  record.goal = PositionOf(goal);
  return record;
}

// Winnable, with the keys coming to hand in the order 1 to K.
bool KeysComeInOrder(const maze::MazeRecord& record, int keys) {
  const maze::FloodResult flood = maze::FloodMaze(record);
  if (!flood.winnable || static_cast<int>(flood.keyOrder.size()) != keys) return false;
  for (int k = 0; k < keys; ++k) {
    if (flood.keyOrder[k].number != k + 1) return false;
  }
  return true;
}

}  // namespace

GenResult GenerateMaze(const GenOptions& options) {
  SplitMix64 random(options.seed);
  Labyrinth labyrinth(options.area);
  labyrinth.Carve(random);
  const std::vector<int> way = LongestWay(labyrinth);
  const int start = way.front();
  const int goal = way.back();
  const int betweens = static_cast<int>(way.size() - 1) / 2;
  const int keys = options.keys;
  if (keys > 0 && betweens < keys + 1) {
    return {std::nullopt, "the area is too small for " + std::to_string(keys) +
                              " doors; make it larger or ask for fewer keys"};
  }

  std::vector<int> doors;
  for (int place : DoorPlaces(betweens, keys, random)) doors.push_back(way[2 * place + 1]);
  const std::vector<int> part = Parts(labyrinth, start, doors);
  std::vector<uint8_t> onWay(kCells, 0);
  for (int cell : way) onWay[cell] = 1;

  maze::MazeRecord record = Record(labyrinth, start, goal);
  for (int k = 1; k <= keys; ++k) {
    const int key = KeyPlace(labyrinth, part, k - 1, onWay, start, goal, random);
    if (key < 0) return {std::nullopt, "no room was left for key " + std::to_string(k)};
    const maze::GridPosition door = PositionOf(doors[k - 1]);
    const maze::GridPosition at = PositionOf(key);
    maze::SetCell(record.grid, door.x, door.y, maze::DoorCell(k));
    maze::SetCell(record.grid, at.x, at.y, maze::KeyCell(k));
  }
  if (!KeysComeInOrder(record, keys)) {
    return {std::nullopt, "the maze made from these options did not check winnable"};
  }
  return {std::move(record), ""};
}

}  // namespace tools
