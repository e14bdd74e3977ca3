#include "tests/tools/ToolsTestSupport.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "tools/CheckCommand.h"
#include "tools/GenCommand.h"

namespace toolstest {

std::optional<std::vector<maze::RouteStep>> ReadRoute(const std::vector<std::string>& lines) {
  auto line = std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.starts_with("Route: "); });
  if (line == lines.end()) return std::nullopt;
  if (*line == "Route: no moves; press Enter.") return std::vector{maze::RouteStep::OpenDoor};
  std::string text = line->substr(7);
  while (!text.ends_with(".") && ++line != lines.end()) text += " " + *line;
  if (!text.ends_with(".")) return std::nullopt;
  text.back() = ',';  // every part now ends in a comma
  static const std::string kArrows[] = {"left", "right", "up", "down"};
  std::vector<maze::RouteStep> steps;
  std::istringstream parts(text);
  for (std::string word, second; parts >> word >> second;) {
    if (word == "open" && second == "door,") {
      steps.push_back(maze::RouteStep::OpenDoor);
      continue;
    }
    const auto arrow = std::find(std::begin(kArrows), std::end(kArrows), word);
    const char* last = second.data() + second.size() - 1;
    int count = 0;
    const auto [end, error] = std::from_chars(second.data(), last, count);
    if (arrow == std::end(kArrows) || *last != ',' || end != last || count < 1) return std::nullopt;
    steps.insert(steps.end(), count, static_cast<maze::RouteStep>(arrow - std::begin(kArrows)));
  }
  return steps;
}

std::vector<std::string> ProgramRun::OutLines() const {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

namespace {
ProgramRun Run(int (*program)(const std::vector<std::string>&, std::ostream&, std::ostream&),
               const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ProgramRun run;
  run.status = program(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}
}  // namespace

ProgramRun RunCheck(const std::vector<std::string>& args) { return Run(tools::RunMazeCheck, args); }
ProgramRun RunGen(const std::vector<std::string>& args) { return Run(tools::RunMazeGen, args); }

}  // namespace toolstest
