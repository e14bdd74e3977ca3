#pragma once
// What the tool tests share: reading a printed route back into key presses,
// running the programs' command lines into strings, and a maze file written
// to a folder that disappears after the test.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "maze/MazeSearch.h"

namespace toolstest {

// The key presses of the route in a report: the lines from the one starting
// "Route: " to the one ending in a full stop, each part "left 3", "right 12",
// "up 1", "down 2" or "open door"; "Route: no moves; press Enter." is one
// Enter. Unset when there is no route or a part cannot be read.
std::optional<std::vector<maze::RouteStep>> ReadRoute(const std::vector<std::string>& lines);

// The text split at its line ends.
std::vector<std::string> SplitLines(const std::string& text);

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> OutLines() const { return SplitLines(out); }
};
ProgramRun RunCheck(const std::vector<std::string>& args);
ProgramRun RunGen(const std::vector<std::string>& args);

// Writes the maze file as the name in the folder and returns its path.
std::filesystem::path WriteMazeFile(const std::filesystem::path& folder, const std::string& name,
                                    const maze::MazeRecord& record);

}  // namespace toolstest
