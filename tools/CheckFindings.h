#pragma once
// The findings of mazecheck that need no search: how the file was laid out,
// where the start and the goal stand, and which doors and keys lack a partner.
// Each finding is one plain sentence, or two short ones, for one line.

#include <string>
#include <vector>

#include "maze/MazeFile.h"

namespace tools {

// Rows that were not 100 bytes and what the reader made of them, bytes after
// the last number, and cells holding a byte that is neither wall, floor,
// door nor key.
std::vector<std::string> FormatFindings(const maze::LoadReport& report, const maze::MazeGrid& grid);

// Where the start and the goal are, and whether either is unset, off the
// grid, on a wall or a door, or both are the same cell.
std::vector<std::string> PlaceFindings(const maze::MazeRecord& record);

// The door and key numbers in the maze, and each number that has doors but
// no key or keys but no door.
std::vector<std::string> KeyDoorFindings(const maze::MazeGrid& grid);

}  // namespace tools
