#pragma once
// Small pieces of the plain sentences the tools print: lists of numbers,
// counted nouns and cells, written to be read aloud well.

#include <string>
#include <vector>

#include "maze/Grid.h"

namespace tools {

// "1 cell", "12 cells".
std::string Counted(long long count, const std::string& one, const std::string& many);

// Sorted distinct numbers as a spoken list: "4", "3 and 7", "1, 2 and 9";
// three or more in a row become "5 to 9": "1 to 3, 5 and 8".
std::string NumberList(const std::vector<int>& numbers);

// "column 3, row 4".
std::string CellText(maze::GridPosition position);

}  // namespace tools
