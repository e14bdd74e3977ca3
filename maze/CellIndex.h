#pragma once
// The grid as one flat run of 10,000 cells, for code that walks it cell by
// cell: cell index (y - 1) * 100 + (x - 1).

#include "maze/Grid.h"
#include "maze/WalkingRules.h"

namespace maze {

inline constexpr int kCellCount = kGridSize * kGridSize;

constexpr int IndexOf(int x, int y) { return (y - 1) * kGridSize + (x - 1); }
constexpr int IndexOf(GridPosition p) { return IndexOf(p.x, p.y); }

constexpr GridPosition PositionOf(int index) {
  return {static_cast<int16_t>(index % kGridSize + 1), static_cast<int16_t>(index / kGridSize + 1)};
}

// The neighbour of a cell that way, or -1 past the edge of the grid.
constexpr int Neighbour(int index, Direction way) {
  const GridPosition next = NextCell(PositionOf(index), way);
  return OnGrid(next) ? IndexOf(next) : -1;
}

}  // namespace maze
