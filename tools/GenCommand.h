#pragma once
// The command line of mazegen: reading the options, making the maze and
// writing it to standard output or to a file.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/MazeGenerator.h"

namespace tools {

struct GenCommand {
  GenOptions options;
  std::optional<std::filesystem::path> output;  // standard output when unset
  bool help = false;
};

struct GenParse {
  std::optional<GenCommand> command;
  std::string error;  // a sentence for the user when command is unset
};

// The arguments after the program name.
GenParse ParseGenArgs(const std::vector<std::string>& args);

// Runs mazegen: the maze's bytes to out (or to the output file, with a line
// about it to out), messages to err. Exit status 0 when a maze was written or
// help was asked for, 2 for bad usage or when no maze could be made or saved.
int RunMazeGen(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tools
