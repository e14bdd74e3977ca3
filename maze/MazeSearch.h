#pragma once
// Whether a maze can be won by the game's rules (maze/WalkingRules.h), and a
// route that wins it. Start and goal must lie on the grid.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "maze/Grid.h"
#include "maze/WalkingRules.h"

namespace maze {

struct KeyPickup {
  int16_t number = 0;
  GridPosition at;
  friend bool operator==(const KeyPickup&, const KeyPickup&) = default;
};

struct LockedDoor {
  int16_t keyNumber = 0;
  GridPosition at;
  friend bool operator==(const LockedDoor&, const LockedDoor&) = default;
};

struct FloodResult {
  bool winnable = false;
  // Cells the player can stand on, the start included; 0 when the start
  // lies off the grid.
  int reachableCells = 0;
  // Each key number the first time it comes to hand, with the cell it lay on.
  std::vector<KeyPickup> keyOrder;
  // Doors beside the reachable part that stay shut: their key never came to
  // hand.
  std::vector<LockedDoor> lockedDoors;
  // The reachable cell nearest to the goal by rows plus columns (the goal
  // itself when winnable), and that distance; unset and -1 when nothing is
  // reachable.
  GridPosition nearestToGoal;
  int nearestDistance = -1;
};

// Floods from the start with the keys in hand, picks up every key reached,
// opens every door that a held key opens from a reached neighbour, and
// repeats until nothing changes. A start on a wall or a door is left once
// and not re-entered until it can be (never, for a wall): each way out is
// then flooded on its own, and the first that wins, or else the one that
// reaches most, is reported.
FloodResult FloodMaze(const MazeRecord& record);

// One key press of a route: an arrow (which moves, or bumps into a door to
// face it) or Enter, which opens the door faced.
enum class RouteStep : uint8_t { Left, Right, Up, Down, OpenDoor };

constexpr RouteStep ArrowStep(Direction way) { return static_cast<RouteStep>(way); }
// The way an arrow press faces; none for Enter.
constexpr std::optional<Direction> DirectionOf(RouteStep step) {
  if (step == RouteStep::OpenDoor) return std::nullopt;
  return static_cast<Direction>(step);
}

struct Route {
  // False when the goal cannot be reached.
  bool found = false;
  // True when no route walks fewer cells. False when the search met its
  // bound and the route was built leg by leg: each leg a shortest walk to
  // the next key in the order the flood picked them up, the last one to the
  // goal.
  bool provenShortest = false;
  // Pressed one after another, each released before the next, starting
  // from the start facing nothing, they leave the player on the goal. Empty
  // when the start is the goal: there the first key press wins, unless it
  // is an arrow that moves the player off the goal.
  std::vector<RouteStep> steps;
  int cellsWalked = 0;
  int doorsOpened = 0;
  // Each key number the first time the route picks it up.
  std::vector<KeyPickup> keyOrder;
};

struct SearchLimits {
  // Search states (a cell with a set of keys held) stored at most before
  // falling back to the leg-by-leg route.
  std::size_t maxStates = 200000;
};

// A route that walks the fewest cells: a search over the cell and the set
// of keys held, where holding more keys at no greater distance makes a
// state redundant. The key presses that open doors (a bump to face the door
// when the player does not already face it, then Enter) come on top of the
// cells walked. Runs the flood first and searches only a winnable maze.
Route FindRoute(const MazeRecord& record, const SearchLimits& limits = {});

// Presses the steps by the game's rules and stops at the first press after
// which the player stands on the goal. No steps at all count as won when the
// start is the goal.
struct ReplayResult {
  bool won = false;
  // Presses made up to and including the winning one (all when not won).
  std::size_t pressesUsed = 0;
  GridPosition end;
  // The cells stood on, in order: the start, then each cell moved onto up to
  // the end. Empty when the start lies off the grid.
  std::vector<GridPosition> path;
};
ReplayResult ReplayRoute(const MazeRecord& record, const std::vector<RouteStep>& steps);

}  // namespace maze
