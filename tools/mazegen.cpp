// mazegen: a new winnable maze from a seed.
#include <iostream>
#include <string>
#include <vector>

#include "tools/GenCommand.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tools::RunMazeGen(args, std::cout, std::cerr);
}
