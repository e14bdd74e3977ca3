#pragma once
// Hard 100 x 100 mazes for the checker: dense doors and keys, long single
// corridors, keys spread far from the way, many key sets on equal roads.

#include <string>
#include <vector>

#include "maze/Grid.h"

namespace mazebench {

struct NamedMaze {
  std::string name;
  std::string about;
  maze::MazeRecord record;
};

std::vector<NamedMaze> WorstMazes();

}  // namespace mazebench
