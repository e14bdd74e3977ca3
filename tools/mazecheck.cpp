// mazecheck: is this maze winnable, and what in its file is out of order.
#include <iostream>
#include <string>
#include <vector>

#include "tools/CheckCommand.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tools::RunMazeCheck(args, std::cout, std::cerr);
}
