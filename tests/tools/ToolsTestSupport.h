#pragma once
// What the tool tests share: reading a printed route back into key presses
// and running the programs' command lines into strings.

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

struct ProgramRun {
  int status = -1;
  std::string out;
  std::string err;
  std::vector<std::string> OutLines() const;  // out split at its line ends
};
ProgramRun RunCheck(const std::vector<std::string>& args);
ProgramRun RunGen(const std::vector<std::string>& args);

}  // namespace toolstest
