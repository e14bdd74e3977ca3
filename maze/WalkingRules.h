#pragma once
// The rules of walking a maze, as small pure functions: the game applies them
// to the state of its window, and the flood, the route search, the replay
// and the maze generator apply the very same ones. Nothing here plays a
// sound or keeps state.

#include <array>
#include <cstdint>
#include <optional>

#include "maze/Grid.h"

namespace maze {

// The four arrows, in the order a route lists its steps.
enum class Direction : uint8_t { Left, Right, Up, Down };
inline constexpr std::array<Direction, 4> kDirections = {Direction::Left, Direction::Right,
                                                         Direction::Up, Direction::Down};

struct Offset {
  int dx;
  int dy;
};

constexpr Offset OffsetOf(Direction way) {
  switch (way) {
    case Direction::Left:
      return {-1, 0};
    case Direction::Right:
      return {1, 0};
    case Direction::Up:
      return {0, -1};
    case Direction::Down:
      return {0, 1};
  }
  return {0, 0};
}

// The cell one step that way; it may lie off the grid.
constexpr GridPosition NextCell(GridPosition from, Direction way) {
  const Offset offset = OffsetOf(way);
  return {static_cast<int16_t>(from.x + offset.dx), static_cast<int16_t>(from.y + offset.dy)};
}

constexpr bool OnGrid(GridPosition p) { return OnGrid(p.x, p.y); }

enum class StepOutcome : uint8_t { Moved, Edge, Wall, Door };

// What the cell in the way does to a step: a wall blocks, a door blocks
// whether or not its key is held (it must be opened first), and every other
// code is floor, a key included.
constexpr StepOutcome StepInto(CellCode target) {
  if (IsWall(target)) return StepOutcome::Wall;
  if (IsDoor(target)) return StepOutcome::Door;
  return StepOutcome::Moved;
}

// One arrow press from a cell on the grid: the edge, a wall, a door, or a
// move onto the next cell.
inline StepOutcome StepOutcomeOf(const MazeGrid& grid, GridPosition from, Direction way) {
  const GridPosition next = NextCell(from, way);
  if (!OnGrid(next)) return StepOutcome::Edge;
  return StepInto(CellAt(grid, next.x, next.y));
}

// The cell Enter looks at: the one next to the player the way of the last
// arrow pressed (whether it moved or bumped), or the player's own cell
// before any arrow. It may lie off the grid, where Enter does nothing.
constexpr GridPosition FacedCell(GridPosition at, std::optional<Direction> facing) {
  return facing ? NextCell(at, *facing) : at;
}

// The keys held as one bit per key number; a key is never used up, so the
// set only grows while a maze is played.
class KeySet {
 public:
  constexpr bool Holds(int number) const { return (bits_ & Bit(number)) != 0; }
  constexpr void Add(int number) { bits_ |= Bit(number); }
  constexpr uint32_t bits() const { return bits_; }
  static constexpr KeySet FromBits(uint32_t bits) { return KeySet(bits); }
  friend constexpr bool operator==(KeySet, KeySet) = default;

  constexpr KeySet() = default;

 private:
  explicit constexpr KeySet(uint32_t bits) : bits_(bits) {}
  static constexpr uint32_t Bit(int number) { return uint32_t{1} << (number - 1); }
  uint32_t bits_ = 0;
};

// Whether Enter opens this door: its key is held. HasKey answers for a key
// number 1 to 20, so both a KeySet and the game's inventory can ask.
template <typename HasKey>
constexpr bool DoorOpens(CellCode door, const HasKey& hasKey) {
  return IsDoor(door) && hasKey(DoorKeyNumber(door));
}
constexpr bool DoorOpens(CellCode door, KeySet keys) {
  return DoorOpens(door, [keys](int number) { return keys.Holds(number); });
}

// Whether a player holding these keys can get onto the cell from next to
// it: by stepping, or by facing a door, opening it and stepping. The
// searches count the cells such steps walk.
constexpr bool CanGetOnto(CellCode target, KeySet keys) {
  switch (StepInto(target)) {
    case StepOutcome::Moved:
      return true;
    case StepOutcome::Door:
      return DoorOpens(target, keys);
    default:
      return false;
  }
}

// The key picked up by moving onto the cell, or nothing: a key is taken
// only by a move onto it, never by standing still or starting on it.
constexpr std::optional<int16_t> KeyPickedUp(CellCode steppedOnto) {
  if (!IsKey(steppedOnto)) return std::nullopt;
  return KeyNumber(steppedOnto);
}

}  // namespace maze
