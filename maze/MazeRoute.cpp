// A route that wins: a best-first search over the cell and the set of keys
// held. When the search meets its bound, the route is built leg by leg
// instead: to each key in the order the flood took them, then to the goal.
// The cells walked become key presses in RouteWriter.

#include <algorithm>
#include <vector>

#include "maze/CellMap.h"
#include "maze/MazeSearch.h"
#include "maze/Walker.h"

namespace maze {
namespace {

using namespace detail;

// Turns a walk from cell to neighbouring cell into key presses, pressed by
// the walking rules on the way: a door in the way is bumped into to face it
// (unless the last arrow already did), then opened with Enter.
class RouteWriter {
 public:
  RouteWriter(const MazeGrid& grid, int start) : walker_(grid, PositionOf(start)) {}

  int position() const { return IndexOf(walker_.position()); }
  uint32_t keys() const { return walker_.keys().bits(); }
  Route& route() { return route_; }

  // False when the step breaks the rules; the search never asks for one.
  bool StepTo(int next) {
    const auto way = std::find_if(kDirections.begin(), kDirections.end(),
                                  [&](Direction d) { return Neighbour(position(), d) == next; });
    if (way == kDirections.end()) return false;
    const CellCode code = walker_.CellAtNext(*way);
    if (!CanGetOnto(code, walker_.keys())) return false;
    if (StepInto(code) == StepOutcome::Door) {
      if (walker_.facing() != *way) Press(ArrowStep(*way));
      Press(RouteStep::OpenDoor);
      ++route_.doorsOpened;
    }
    const KeySet before = walker_.keys();
    const Walker::Press press = Press(ArrowStep(*way));
    if (!press.moved) return false;
    ++route_.cellsWalked;
    if (press.key && !before.Holds(*press.key)) {
      route_.keyOrder.push_back({*press.key, walker_.position()});
    }
    return true;
  }

  bool Walk(const std::vector<int>& path) {
    return std::all_of(path.begin(), path.end(), [this](int cell) { return StepTo(cell); });
  }

 private:
  Walker::Press Press(RouteStep step) {
    route_.steps.push_back(step);
    return walker_.Step(step);
  }

  Walker walker_;
  Route route_;
};

uint32_t DoorNumbers(const Cells& cells) {
  uint32_t numbers = 0;
  for (const CellCode code : cells) {
    if (IsDoor(code)) numbers |= KeyBit(DoorKeyNumber(code));
  }
  return numbers;
}

// Best first by cells walked plus the distance left. A state with a set of
// keys is redundant when its cell was already settled holding all of those
// keys and maybe more: more keys never close a way.
class RouteSearch {
 public:
  RouteSearch(const Cells& cells, int start, int goal, size_t maxStates)
      : cells_(cells),
        start_(start),
        goal_(goal),
        goalPosition_(PositionOf(goal)),
        maxStates_(maxStates),
        usefulKeys_(DoorNumbers(cells)) {}

  // The cells walked after the start, up to the goal. False when the bound
  // was met or no route exists.
  bool Run(std::vector<int>& path) {
    Push(start_, 0, -1, 0);
    for (size_t f = 0; f < buckets_.size(); ++f) {
      while (!buckets_[f].empty()) {
        const int32_t index = buckets_[f].back();
        buckets_[f].pop_back();
        const Node node = nodes_[index];
        if (Settled(node.cell, node.keys)) continue;
        Settle(node.cell, node.keys);
        if (node.cell == goal_) {
          Trace(index, path);
          return true;
        }
        if (nodes_.size() >= maxStates_) return false;
        const int walked = static_cast<int>(f) - Manhattan(node.cell, goalPosition_);
        Expand(node, index, walked);
      }
    }
    return false;
  }

 private:
  struct Node {
    uint32_t keys;
    int32_t parent;
    int32_t cell;
  };

  void Expand(const Node& node, int32_t index, int walked) {
    for (const Direction way : kDirections) {
      const int next = Neighbour(node.cell, way);
      if (next < 0) continue;
      const CellCode code = cells_[next];
      if (!Enterable(code, node.keys)) continue;
      // A key with no door of its number anywhere changes nothing, so the
      // search does not tell states apart by it.
      const uint32_t picked = IsKey(code) ? KeyBit(KeyNumber(code)) & usefulKeys_ : 0;
      const uint32_t keys = node.keys | picked;
      Push(next, keys, index, walked + 1);
    }
  }

  void Push(int cell, uint32_t keys, int32_t parent, int walked) {
    if (Settled(cell, keys)) return;
    const size_t f = static_cast<size_t>(walked + Manhattan(cell, goalPosition_));
    if (f >= buckets_.size()) buckets_.resize(f + 1);
    buckets_[f].push_back(static_cast<int32_t>(nodes_.size()));
    nodes_.push_back({keys, parent, cell});
  }

  bool Settled(int cell, uint32_t keys) const {
    // A key never held on a settled visit here: no settled set holds them all.
    if ((keys & ~settledUnion_[cell]) != 0) return false;
    for (uint32_t held : settled_[cell]) {
      if ((held & keys) == keys) return true;
    }
    return false;
  }

  // Keeps only the largest sets per cell: a set inside another adds nothing.
  void Settle(int cell, uint32_t keys) {
    std::vector<uint32_t>& sets = settled_[cell];
    std::erase_if(sets, [keys](uint32_t held) { return (held & keys) == held; });
    sets.push_back(keys);
    settledUnion_[cell] |= keys;
  }

  void Trace(int32_t index, std::vector<int>& path) const {
    path.clear();
    for (; nodes_[index].parent >= 0; index = nodes_[index].parent) {
      path.push_back(nodes_[index].cell);
    }
    std::reverse(path.begin(), path.end());
  }

  const Cells& cells_;
  const int start_;
  const int goal_;
  const GridPosition goalPosition_;
  const size_t maxStates_;
  const uint32_t usefulKeys_;
  std::vector<Node> nodes_;
  std::vector<std::vector<int32_t>> buckets_;  // node indices by cells walked plus distance left
  std::vector<std::vector<uint32_t>> settled_ = std::vector<std::vector<uint32_t>>(kCellCount);
  std::vector<uint32_t> settledUnion_ = std::vector<uint32_t>(kCellCount, 0);
};

// Fewest cells walked from one cell to every cell it can reach with the keys
// held (keys picked up on the way not counted).
class LegSearch {
 public:
  LegSearch(const Cells& cells, int from, uint32_t keys) : from_(from) {
    cameFrom_[from] = from;
    reached_.push_back(from);
    for (size_t i = 0; i < reached_.size(); ++i) {
      for (const Direction way : kDirections) {
        const int next = Neighbour(reached_[i], way);
        if (next < 0 || cameFrom_[next] >= 0) continue;
        if (!Enterable(cells[next], keys)) continue;
        cameFrom_[next] = reached_[i];
        reached_.push_back(next);
      }
    }
  }

  bool Reaches(int cell) const { return cameFrom_[cell] >= 0; }

  std::vector<int> PathTo(int to) const {
    std::vector<int> path;
    for (int cell = to; cell != from_; cell = cameFrom_[cell]) path.push_back(cell);
    std::reverse(path.begin(), path.end());
    return path;
  }

 private:
  const int from_;
  std::vector<int32_t> cameFrom_ = std::vector<int32_t>(kCellCount, -1);
  std::vector<int> reached_;
};

// The way to a key lying under the player, which only the start can hold:
// out to a neighbour and back.
bool StepOffAndBack(const Cells& cells, RouteWriter& writer) {
  const int here = writer.position();
  for (const Direction way : kDirections) {
    const int next = Neighbour(here, way);
    if (next >= 0 && Enterable(cells[next], writer.keys())) return writer.Walk({next, here});
  }
  return false;
}

// The fallback when the search meets its bound: leg by leg, straight to the
// goal once it is in reach, else to the next key in the order the flood took
// them. Always works when the flood wins, but may walk to keys that are not
// needed. A leg to a key never passes the goal: it was out of reach.
bool WalkFloodKeyOrder(const Cells& cells, const FloodResult& flood, int goal,
                       RouteWriter& writer) {
  for (const KeyPickup& key : flood.keyOrder) {
    const LegSearch leg(cells, writer.position(), writer.keys());
    if (leg.Reaches(goal)) return writer.Walk(leg.PathTo(goal));
    if ((writer.keys() & KeyBit(key.number)) != 0) continue;
    const int keyCell = IndexOf(key.at);
    const bool walked = keyCell == writer.position()
                            ? StepOffAndBack(cells, writer)
                            : leg.Reaches(keyCell) && writer.Walk(leg.PathTo(keyCell));
    if (!walked) return false;
  }
  const LegSearch last(cells, writer.position(), writer.keys());
  return last.Reaches(goal) && writer.Walk(last.PathTo(goal));
}

}  // namespace

Route FindRoute(const MazeRecord& record, const SearchLimits& limits) {
  Route none;
  if (!OnGrid(record.start) || !OnGrid(record.goal)) {
    return none;
  }
  if (record.start == record.goal) {
    none.found = true;
    none.provenShortest = true;
    return none;
  }
  const FloodResult flood = FloodMaze(record);
  if (!flood.winnable) return none;

  const Cells cells = CopyCells(record.grid);
  const int start = IndexOf(record.start);
  const int goal = IndexOf(record.goal);
  RouteSearch search(cells, start, goal, limits.maxStates);
  std::vector<int> path;
  const bool shortest = search.Run(path);
  RouteWriter writer(record.grid, start);
  const bool walked = shortest ? writer.Walk(path) : WalkFloodKeyOrder(cells, flood, goal, writer);
  if (!walked || writer.position() != goal) return none;

  Route route = std::move(writer.route());
  route.found = true;
  route.provenShortest = shortest;
  return route;
}

}  // namespace maze
