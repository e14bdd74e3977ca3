#pragma once
// New winnable mazes: a perfect labyrinth carved from a seed, the start and
// the goal at the two ends of its longest way, and numbered doors across
// that way with each key lying in the part opened by the door before it.

#include <cstdint>
#include <optional>
#include <string>

#include "maze/Grid.h"

namespace tools {

// The rectangle the labyrinth fills, corners included; the rest is wall.
struct Area {
  int x1 = 1;
  int y1 = 1;
  int x2 = maze::kGridSize;
  int y2 = maze::kGridSize;
  friend bool operator==(const Area&, const Area&) = default;
};

// The smallest width and height of an area: two rooms and the wall or
// corridor between them.
inline constexpr int kMinAreaSide = 3;

struct GenOptions {
  uint64_t seed = 0;
  int keys = 0;  // 0 to 20
  Area area;
};

struct GenResult {
  std::optional<maze::MazeRecord> maze;
  // Why no maze was made, as a sentence for the user; empty when made.
  std::string failure;
};

// The same options always give the same maze. The maze is checked with the
// winnability flood before it is returned: it is winnable and its keys come
// to hand in the order 1 to K.
GenResult GenerateMaze(const GenOptions& options);

}  // namespace tools
