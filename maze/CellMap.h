#pragma once
// The grid's cells copied into one flat array for the searches. Used only
// inside the maze library.

#include <array>
#include <cstdint>

#include "maze/CellIndex.h"
#include "maze/Grid.h"
#include "maze/MazeSearch.h"
#include "maze/WalkingRules.h"

namespace maze::detail {

using Cells = std::array<CellCode, kCellCount>;

inline uint32_t KeyBit(int number) { return uint32_t{1} << (number - 1); }

inline int Manhattan(int index, GridPosition p) {
  const GridPosition q = PositionOf(index);
  const int dx = q.x - p.x;
  const int dy = q.y - p.y;
  return (dx < 0 ? -dx : dx) + (dy < 0 ? -dy : dy);
}

// Copies the grid's cells; a cell past the end of a short row is floor.
Cells CopyCells(const MazeGrid& grid);

// The walking rules' test for the searches, on a set of keys kept as bits.
inline bool Enterable(CellCode code, uint32_t keys) {
  return CanGetOnto(code, KeySet::FromBits(keys));
}

}  // namespace maze::detail
