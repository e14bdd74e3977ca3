#include "tools/CheckCommand.h"

#include <algorithm>
#include <ostream>
#include <string_view>

#include "tools/CheckReport.h"
#include "tools/MazePicture.h"
#include "tools/ReportText.h"
#include "tools/ToolArgs.h"

namespace tools {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: mazecheck [--route] [--picture FILE.png] MAZE.maz [MORE.maz ...]

Checks maze files for the game and prints a plain report for each, one
finding a line. For example: mazecheck 3.maz, or mazecheck *.maz.

The report tells:
  The file's layout: rows that are not 100 bytes long and their lengths, the
  40-byte and empty rows that the reader fills with spaces, bytes after the
  last number, and cells that hold a byte that is neither wall, floor, door
  nor key, with how many and where the first is. A file that cannot be read
  at all, such as one that ends early or has a number line that is not a
  whole number, is reported as unreadable, with the reason.
  The start and the goal: where they are, and whether one is not set, lies
  outside the grid, stands on a wall or a door, or both are the same cell.
  Doors and keys: the numbers in the maze, each door number with no key of
  that number, and each key number with no door of that number.
  Whether the maze can be won by the game's rules: walls and doors block, a
  key is picked up by stepping on it, a door opens with Enter while facing
  it from the next cell and holding its key, keys are never used up, and any
  other byte is floor. When it can: the moves (cells walked) and the doors
  opened on a shortest route, and the order the route picks up keys. If the
  search for the shortest route grows too large, a route found leg by leg is
  given instead and called a route of N moves (not proven shortest). When it
  cannot: how many cells can be reached, the doors that stay locked because
  their key cannot be reached, and the reachable cell nearest to the goal.
  A route is only told after it has been pressed through by the game's rules
  and found to win.

Options:
  --route      Also list the route as key presses, counted in runs, for
               example: right 12, down 3, open door, right 1. Each count is
               presses of that arrow key; the press that meets a door bumps
               into it and faces it, and open door is one press of Enter.
  --picture FILE.png
               Also draw the maze as a PNG picture for sighted helpers, 12
               pixels a cell: walls dark, floor light, doors as squares and
               keys as discs in one colour per number with the number
               written in, the start green with S, the goal red with G, and
               the route as a blue line. Only with one maze file.
  --help       Show this text.
  --           Treat every later argument as a file name.

Exit status: 0 when every maze is winnable, 1 when one is not, 2 when a file
cannot be read, the picture cannot be written, or the command line is wrong.
)";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

CheckParse ParseCheckArgs(const std::vector<std::string>& args) {
  CheckCommand command;
  ArgReader reader(args);
  bool filesOnly = false;
  while (!reader.Done()) {
    if (filesOnly) {
      command.files.emplace_back(*reader.Value());
      continue;
    }
    const std::string arg = reader.Take();
    if (arg == "--") {
      filesOnly = true;
    } else if (arg == "--help" || arg == "--route") {
      if (reader.ValueLeft()) return {std::nullopt, arg + " takes no value"};
      if (arg == "--help") {
        command.help = true;
        return {command, ""};
      }
      command.route = true;
    } else if (arg == "--picture") {
      const std::optional<std::string> value = reader.Value();
      if (!value || value->empty()) return {std::nullopt, "--picture needs a file name"};
      if (command.picture) return {std::nullopt, "--picture is given twice"};
      command.picture = *value;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return {std::nullopt, "unknown option " + Quoted(arg)};
    } else {
      command.files.emplace_back(arg);
    }
  }
  if (command.files.empty()) return {std::nullopt, "no maze file was named"};
  if (command.picture && command.files.size() > 1) {
    return {std::nullopt, "--picture draws one maze; name only one file with it"};
  }
  return {command, ""};
}

int RunMazeCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const CheckParse parse = ParseCheckArgs(args);
  if (!parse.command) {
    err << "mazecheck: " << parse.error << ".\nFor help: mazecheck --help\n";
    return 2;
  }
  const CheckCommand& command = *parse.command;
  if (command.help) {
    out << kHelp;
    return 0;
  }
  CheckOptions options;
  options.route = command.route;
  int worst = 0;
  int counts[3] = {};
  for (size_t i = 0; i < command.files.size(); ++i) {
    const MazeCheck check = CheckMazeFile(command.files[i], options);
    if (i > 0) out << "\n";
    out << "Maze file " << command.files[i].string() << ".\n";
    for (const std::string& line : check.lines) out << line << "\n";
    int status = static_cast<int>(check.verdict);
    ++counts[status];
    if (command.picture && !check.maze) {
      out << "No picture: the maze could not be read.\n";
    } else if (command.picture) {
      const PictureResult picture =
          WriteMazePicture(*command.picture, *check.maze, check.routeCells);
      if (picture.ok) {
        out << "Picture written to " << command.picture->string() << ".\n";
      } else {
        out << "No picture: " << picture.reason << ".\n";
        status = 2;
      }
    }
    worst = std::max(worst, status);
  }
  if (command.files.size() > 1) {
    out << "\n"
        << Counted(static_cast<long long>(command.files.size()), "file", "files")
        << " checked: " << counts[0] << " winnable, " << counts[1] << " not winnable, " << counts[2]
        << " unreadable.\n";
  }
  return worst;
}

}  // namespace tools
