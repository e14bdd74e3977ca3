#pragma once
// The report of mazecheck on one maze file: the findings about its layout,
// its start and goal, its doors and keys, and whether the game can be won,
// with the route that wins it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "maze/MazeFile.h"
#include "maze/MazeSearch.h"

namespace tools {

// The values are mazecheck's exit statuses.
enum class Verdict { Winnable = 0, NotWinnable = 1, Unreadable = 2 };

struct CheckOptions {
  bool route = false;  // also list the key presses of the route
  maze::SearchLimits limits;
};

struct MazeCheck {
  Verdict verdict = Verdict::Unreadable;
  // One finding a line, without the file's name.
  std::vector<std::string> lines;
  // The maze as read; unset when the file could not be read.
  std::optional<maze::MazeRecord> maze;
  // The cells of the winning route, start first, once it has been pressed
  // through by the game's rules and found to win; empty otherwise.
  std::vector<maze::GridPosition> routeCells;
};

MazeCheck CheckLoaded(const maze::LoadResult& loaded, const CheckOptions& options);
MazeCheck CheckMazeFile(const std::filesystem::path& file, const CheckOptions& options);

}  // namespace tools
