#pragma once
// A route as the key presses to make, run-length encoded: "right 12, down 3,
// open door, right 1". Each count is presses of that arrow, one after
// another; the press that meets a door bumps into it and faces it, and
// "open door" is one press of Enter.

#include <string>
#include <vector>

#include "maze/MazeSearch.h"

namespace tools {

inline constexpr const char* kOpenDoorWord = "open door";

// "left", "right", "up", "down" or "open door".
const char* StepWord(maze::RouteStep step);

// One part per run of the same arrow, one per Enter.
std::vector<std::string> RouteRuns(const std::vector<maze::RouteStep>& steps);

// The runs as lines of at most perLine parts: the first line starts with
// "Route: ", parts are joined with ", ", every line but the last ends with a
// comma and the last with a full stop.
std::vector<std::string> RouteLines(const std::vector<maze::RouteStep>& steps, size_t perLine = 10);

}  // namespace tools
