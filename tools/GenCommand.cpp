#include "tools/GenCommand.h"

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string_view>
#include <utility>

#include "maze/MazeFile.h"
#include "tools/ToolArgs.h"

namespace tools {
namespace {

constexpr std::string_view kHelp =
    R"(Usage: mazegen --seed N [--keys K] [--area X1,Y1,X2,Y2] [--output FILE]

Makes a new maze for the game and writes it in the maze file format, to
standard output unless an output file is given.

The maze is a labyrinth: corridors one cell wide between walls, with exactly
one way between any two cells. The start and the goal lie at the two ends of
its longest way. With keys, doors numbered 1 to K stand across the way to the
goal, in that order, and key 1 lies before door 1, key 2 between door 1 and
door 2, and so on, often at the end of a side passage. Every maze is checked
by the same search as mazecheck before it is written; mazegen never writes a
maze that cannot be won.

Options:
  --seed N     Any whole number from 0 to 18446744073709551615. The same seed
               and options always give the same file, byte for byte.
  --keys K     The number of doors and keys, 0 to 20. 0 unless given.
  --area X1,Y1,X2,Y2
               The columns X1 to X2 and rows Y1 to Y2 that the labyrinth
               fills, each from 1 to 100, at least 3 wide and 3 high; the rest
               of the grid is wall. The whole grid unless given.
  --output FILE
               Write the maze to FILE instead of standard output, replacing
               any file of that name. To add it to the game, name it after the
               last maze in the game's folder: with 5.maz there, write 6.maz.
  --help       Show this text.

Exit status: 0 when the maze was written, 2 for a bad option or when no
winnable maze can be made from the options (for example too many keys for a
small area).
)";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::optional<Area> ReadArea(const std::string& text) {
  int values[4] = {};
  size_t from = 0;
  for (int i = 0; i < 4; ++i) {
    const size_t comma = i < 3 ? text.find(',', from) : text.size();
    if (comma == std::string::npos) return std::nullopt;
    const auto value =
        ReadWholeNumber(std::string_view(text).substr(from, comma - from), 1, maze::kGridSize);
    if (!value) return std::nullopt;
    values[i] = static_cast<int>(*value);
    from = comma + 1;
  }
  // Either pair of opposite corners will do.
  return Area{std::min(values[0], values[2]), std::min(values[1], values[3]),
              std::max(values[0], values[2]), std::max(values[1], values[3])};
}

}  // namespace

GenParse ParseGenArgs(const std::vector<std::string>& args) {
  GenCommand command;
  bool seedGiven = false;
  ArgReader reader(args);
  while (!reader.Done()) {
    const std::string option = reader.Take();
    if (option == "--help") {
      if (reader.ValueLeft()) return {std::nullopt, "--help takes no value"};
      command.help = true;
      return {command, ""};
    }
    if (option != "--seed" && option != "--keys" && option != "--area" && option != "--output") {
      return {std::nullopt, "unknown option " + Quoted(option)};
    }
    const std::optional<std::string> value = reader.Value();
    if (!value) return {std::nullopt, option + " needs a value"};
    if (option == "--seed") {
      const auto seed = ReadWholeNumber(*value, 0, UINT64_MAX);
      if (!seed) {
        return {std::nullopt, "--seed needs a whole number from 0 to 18446744073709551615, not " +
                                  Quoted(*value)};
      }
      command.options.seed = *seed;
      seedGiven = true;
    } else if (option == "--keys") {
      const auto keys = ReadWholeNumber(*value, 0, maze::kKeyCount);
      if (!keys)
        return {std::nullopt, "--keys needs a whole number from 0 to 20, not " + Quoted(*value)};
      command.options.keys = static_cast<int>(*keys);
    } else if (option == "--area") {
      const std::optional<Area> area = ReadArea(*value);
      if (!area) {
        return {std::nullopt,
                "--area needs four whole numbers from 1 to 100 written X1,Y1,X2,Y2, not " +
                    Quoted(*value)};
      }
      if (area->x2 - area->x1 + 1 < kMinAreaSide || area->y2 - area->y1 + 1 < kMinAreaSide) {
        return {std::nullopt,
                "the area " + *value + " is too small; it needs at least 3 columns and 3 rows"};
      }
      command.options.area = *area;
    } else {
      if (value->empty()) return {std::nullopt, "--output needs a file name"};
      command.output = *value;
    }
  }
  if (!seedGiven)
    return {std::nullopt, "--seed is needed: the same seed always gives the same maze"};
  return {command, ""};
}

int RunMazeGen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const GenParse parse = ParseGenArgs(args);
  if (!parse.command) {
    err << "mazegen: " << parse.error << ".\nFor help: mazegen --help\n";
    return 2;
  }
  const GenCommand& command = *parse.command;
  if (command.help) {
    out << kHelp;
    return 0;
  }
  const GenResult made = GenerateMaze(command.options);
  if (!made.maze) {
    err << "mazegen: no maze was written: " << made.failure << ".\n";
    return 2;
  }
  if (!command.output) {
    out << maze::FormatMaze(*made.maze);
    return out.good() ? 0 : 2;
  }
  const maze::SaveResult saved = maze::SaveMaze(*command.output, *made.maze);
  if (!saved.ok) {
    err << "mazegen: cannot write " << command.output->string() << ": " << saved.reason << "\n";
    return 2;
  }
  const maze::MazeRecord& record = *made.maze;
  out << "Wrote " << command.output->string() << " with " << command.options.keys
      << (command.options.keys == 1 ? " key and door" : " keys and doors") << ". Start at column "
      << record.start.x << ", row " << record.start.y << ". Goal at column " << record.goal.x
      << ", row " << record.goal.y << ".\n";
  return 0;
}

}  // namespace tools
