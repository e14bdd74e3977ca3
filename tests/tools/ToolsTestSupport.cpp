#include "tests/tools/ToolsTestSupport.h"

#include <fstream>
#include <sstream>

#include "maze/MazeFile.h"
#include "tools/CheckCommand.h"
#include "tools/GenCommand.h"

namespace toolstest {
namespace {

constexpr const char* kRouteStart = "Route: ";

bool ReadPart(const std::string& part, std::vector<maze::RouteStep>& steps) {
  if (part == "open door") {
    steps.push_back(maze::RouteStep::OpenDoor);
    return true;
  }
  static const char* const kArrows[] = {"left", "right", "up", "down"};
  std::istringstream in(part);
  std::string word;
  int count = 0;
  std::string rest;
  if (!(in >> word >> count) || (in >> rest) || count < 1) return false;
  for (int arrow = 0; arrow < 4; ++arrow) {
    if (word == kArrows[arrow]) {
      steps.insert(steps.end(), count, static_cast<maze::RouteStep>(arrow));
      return true;
    }
  }
  return false;
}

}  // namespace

std::optional<std::vector<maze::RouteStep>> ReadRoute(const std::vector<std::string>& lines) {
  size_t first = 0;
  while (first < lines.size() && !lines[first].starts_with(kRouteStart)) ++first;
  if (first == lines.size()) return std::nullopt;
  if (lines[first] == "Route: no moves; press Enter.") {
    return std::vector<maze::RouteStep>{maze::RouteStep::OpenDoor};
  }
  std::string text = lines[first].substr(std::string(kRouteStart).size());
  for (size_t i = first + 1; !text.ends_with(".") && i < lines.size(); ++i) text += " " + lines[i];
  if (!text.ends_with(".")) return std::nullopt;
  text.pop_back();
  std::vector<maze::RouteStep> steps;
  std::istringstream parts(text);
  std::string part;
  while (std::getline(parts, part, ',')) {
    const size_t begin = part.find_first_not_of(' ');
    if (begin == std::string::npos || !ReadPart(part.substr(begin), steps)) return std::nullopt;
  }
  return steps;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

ProgramRun RunCheck(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  ProgramRun run;
  run.status = tools::RunMazeCheck(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

ProgramRun RunGen(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  ProgramRun run;
  run.status = tools::RunMazeGen(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

std::filesystem::path WriteMazeFile(const std::filesystem::path& folder, const std::string& name,
                                    const maze::MazeRecord& record) {
  const std::filesystem::path file = folder / name;
  std::ofstream(file, std::ios::binary) << maze::FormatMaze(record);
  return file;
}

}  // namespace toolstest
