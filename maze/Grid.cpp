#include "maze/Grid.h"

#include <cstdio>
#include <cstdlib>

namespace maze {
namespace {

// A broken precondition in the builds that hunt for faults: say where, then
// stop before anything reads or writes past a row.
[[maybe_unused]] [[noreturn]] void StopOnBadCell(const char* operation, int x, int y) {
  std::fprintf(stderr, "maze: %s called with x=%d y=%d, outside 1..%d\n", operation, x, y,
               kGridSize);
  std::abort();
}

bool CheckCell([[maybe_unused]] const char* operation, int x, int y) {
  if (OnGrid(x, y)) return true;
#if defined(TARNWICK_CHECKED)
  StopOnBadCell(operation, x, y);
#else
  return false;
#endif
}

}  // namespace

MazeRecord NewMazeRecord() {
  MazeRecord record;
  record.grid.fill(std::string(kGridSize, static_cast<char>(kFloor)));
  return record;
}

CellCode CellAt(const MazeGrid& grid, int x, int y) {
  if (!CheckCell("CellAt", x, y)) return kWall;
  const std::string& row = grid[y - 1];
  if (static_cast<size_t>(x) > row.size()) return kFloor;
  return static_cast<CellCode>(row[x - 1]);
}

void SetCell(MazeGrid& grid, int x, int y, CellCode code) {
  if (!CheckCell("SetCell", x, y)) return;
  std::string& row = grid[y - 1];
  if (static_cast<size_t>(x) > row.size()) row.resize(x, static_cast<char>(kFloor));
  row[x - 1] = static_cast<char>(code);
}

}  // namespace maze
