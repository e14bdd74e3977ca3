#pragma once
// The grid as one flat array of 10,000 cells for the searches: cell index
// (y - 1) * 100 + (x - 1). Used only inside the maze library.

#include <array>
#include <cstdint>

#include "maze/Grid.h"
#include "maze/MazeSearch.h"

namespace maze::detail {

inline constexpr int kCellCount = kGridSize * kGridSize;
// Directions in the order of the arrow steps: left, right, up, down.
inline constexpr int kDirectionCount = 4;

using Cells = std::array<CellCode, kCellCount>;

inline int IndexOf(int x, int y) { return (y - 1) * kGridSize + (x - 1); }
inline int IndexOf(GridPosition p) { return IndexOf(p.x, p.y); }

inline GridPosition PositionOf(int index) {
  return {static_cast<int16_t>(index % kGridSize + 1), static_cast<int16_t>(index / kGridSize + 1)};
}

// The neighbour of a cell in a direction, or -1 past the edge of the grid.
inline int Neighbour(int index, int direction) {
  const int x = index % kGridSize;
  const int y = index / kGridSize;
  switch (direction) {
    case 0:
      return x > 0 ? index - 1 : -1;
    case 1:
      return x < kGridSize - 1 ? index + 1 : -1;
    case 2:
      return y > 0 ? index - kGridSize : -1;
    default:
      return y < kGridSize - 1 ? index + kGridSize : -1;
  }
}

inline RouteStep ArrowOf(int direction) { return static_cast<RouteStep>(direction); }

inline uint32_t KeyBit(int number) { return uint32_t{1} << (number - 1); }

inline int Manhattan(int index, GridPosition p) {
  const GridPosition q = PositionOf(index);
  const int dx = q.x - p.x;
  const int dy = q.y - p.y;
  return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
}

// Copies the grid's cells; a cell past the end of a short row is floor.
Cells CopyCells(const MazeGrid& grid);

// Whether the player can step onto a cell while holding these keys.
inline bool Enterable(CellCode code, uint32_t keys) {
  if (IsWall(code)) return false;
  return !IsDoor(code) || (keys & KeyBit(DoorKeyNumber(code))) != 0;
}

}  // namespace maze::detail
