#pragma once
// The command line of mazecheck: reading the options, checking each maze
// file, printing the reports and writing the picture.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tools {

struct CheckCommand {
  bool route = false;
  std::optional<std::filesystem::path> picture;
  std::vector<std::filesystem::path> files;
  bool help = false;
};

struct CheckParse {
  std::optional<CheckCommand> command;
  std::string error;  // a sentence for the user when command is unset
};

// The arguments after the program name.
CheckParse ParseCheckArgs(const std::vector<std::string>& args);

// Runs mazecheck: the reports to out, usage messages to err. The exit status
// is the worst over the files: 0 all winnable, 1 one not winnable, 2 one
// unreadable or a picture not written; 2 also for bad usage.
int RunMazeCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace tools
