#include "tools/RouteText.h"

namespace tools {

const char* StepWord(maze::RouteStep step) {
  switch (step) {
    case maze::RouteStep::Left:
      return "left";
    case maze::RouteStep::Right:
      return "right";
    case maze::RouteStep::Up:
      return "up";
    case maze::RouteStep::Down:
      return "down";
    case maze::RouteStep::OpenDoor:
      return kOpenDoorWord;
  }
  return "";
}

std::vector<std::string> RouteRuns(const std::vector<maze::RouteStep>& steps) {
  std::vector<std::string> runs;
  for (size_t i = 0; i < steps.size();) {
    size_t end = i + 1;
    if (steps[i] == maze::RouteStep::OpenDoor) {
      runs.push_back(kOpenDoorWord);
    } else {
      while (end < steps.size() && steps[end] == steps[i]) ++end;
      runs.push_back(std::string(StepWord(steps[i])) + " " + std::to_string(end - i));
    }
    i = end;
  }
  return runs;
}

std::vector<std::string> RouteLines(const std::vector<maze::RouteStep>& steps, size_t perLine) {
  const std::vector<std::string> runs = RouteRuns(steps);
  std::vector<std::string> lines;
  for (size_t i = 0; i < runs.size(); i += perLine) {
    std::string line = i == 0 ? "Route: " : "";
    for (size_t j = i; j < runs.size() && j < i + perLine; ++j) {
      if (j > i) line += ", ";
      line += runs[j];
    }
    line += i + perLine < runs.size() ? "," : ".";
    lines.push_back(line);
  }
  return lines;
}

}  // namespace tools
