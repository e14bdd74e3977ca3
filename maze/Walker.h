#pragma once
// A player pressing keys on a copy of a maze by the walking rules, for the
// replay and the route writer. Used only inside the maze library.

#include <optional>

#include "maze/Grid.h"
#include "maze/MazeSearch.h"
#include "maze/WalkingRules.h"

namespace maze::detail {

class Walker {
 public:
  Walker(const MazeGrid& grid, GridPosition start) : grid_(grid), position_(start) {}

  struct Press {
    bool moved = false;
    // A key number the move picked up, held already or not.
    std::optional<int16_t> key;
    bool doorOpened = false;
  };

  Press Step(RouteStep step) {
    Press press;
    const std::optional<Direction> way = DirectionOf(step);
    if (!way) {
      const GridPosition target = FacedCell(position_, facing_);
      if (OnGrid(target) && DoorOpens(CellAt(grid_, target.x, target.y), keys_)) {
        SetCell(grid_, target.x, target.y, kFloor);
        press.doorOpened = true;
      }
      return press;
    }
    facing_ = way;
    if (StepOutcomeOf(grid_, position_, *way) != StepOutcome::Moved) return press;
    position_ = NextCell(position_, *way);
    press.moved = true;
    press.key = KeyPickedUp(CellAt(grid_, position_.x, position_.y));
    if (press.key) {
      keys_.Add(*press.key);
      SetCell(grid_, position_.x, position_.y, kFloor);
    }
    return press;
  }

  GridPosition position() const { return position_; }
  std::optional<Direction> facing() const { return facing_; }
  KeySet keys() const { return keys_; }
  CellCode CellAtNext(Direction way) const {
    const GridPosition next = NextCell(position_, way);
    return CellAt(grid_, next.x, next.y);
  }

 private:
  MazeGrid grid_;
  GridPosition position_;
  std::optional<Direction> facing_;  // none before the first arrow
  KeySet keys_;
};

}  // namespace maze::detail
