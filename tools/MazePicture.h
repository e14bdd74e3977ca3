#pragma once
// A picture of a maze for sighted helpers: one square per cell, walls dark,
// floor light, doors and keys in a colour per number with the number written
// in, the start and the goal marked, and the route drawn over them.

#include <filesystem>
#include <string>
#include <vector>

#include "maze/Grid.h"

namespace tools {

inline constexpr int kCellPixels = 12;
inline constexpr int kPictureSide = maze::kGridSize * kCellPixels;

struct PictureResult {
  bool ok = false;
  std::string reason;  // why the picture was not written; empty when ok
};

// Writes a PNG of kPictureSide square, whatever the file's name ends in.
// route holds the cells of the route in order; it may be empty.
PictureResult WriteMazePicture(const std::filesystem::path& file, const maze::MazeRecord& record,
                               const std::vector<maze::GridPosition>& route);

}  // namespace tools
