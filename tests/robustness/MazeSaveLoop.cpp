// The helper of save_kill_test.sh: saves two different mazes over one file,
// in turn, as the editor saves, until it is killed.
//
//   maze_save_loop FOLDER references   writes old.ref and new.ref, the exact
//                                      bytes of the two mazes
//   maze_save_loop FOLDER once         saves the old maze as 1.maz
//   maze_save_loop FOLDER loop         saves new, old, new, old... for ever

#include <cstdio>
#include <fstream>
#include <string>

#include "maze/MazeFile.h"

namespace {

// The two differ in every row and in length (the old one has long rows),
// so a file cut short or mixed from both matches neither.
maze::MazeRecord OldMaze() {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (int y = 1; y <= maze::kGridSize; ++y) {
    record.grid[y - 1] = std::string(maze::kGridSize, ' ') + std::string(y % 50, '#');
    maze::SetCell(record.grid, y, y, maze::kWall);
  }
  record.start = {1, 2};
  record.goal = {99, 100};
  return record;
}

maze::MazeRecord NewMaze() {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (int y = 1; y <= maze::kGridSize; ++y) {
    maze::SetCell(record.grid, 101 - y, y, maze::KeyCell(1 + y % 20));
  }
  record.start = {50, 50};
  record.goal = {-3, 7};
  return record;
}

bool Save(const std::filesystem::path& file, const maze::MazeRecord& record) {
  const maze::SaveResult saved = maze::SaveMaze(file, record);
  if (!saved.ok) std::fprintf(stderr, "maze_save_loop: %s\n", saved.reason.c_str());
  return saved.ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: maze_save_loop FOLDER references|once|loop\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const std::string mode = argv[2];
  const std::filesystem::path file = maze::MazePath(folder, "1");
  if (mode == "references") {
    std::ofstream(folder / "old.ref", std::ios::binary) << maze::FormatMaze(OldMaze());
    std::ofstream(folder / "new.ref", std::ios::binary) << maze::FormatMaze(NewMaze());
    return 0;
  }
  if (mode == "once") return Save(file, OldMaze()) ? 0 : 1;
  if (mode != "loop") return 2;
  while (Save(file, NewMaze()) && Save(file, OldMaze())) {
  }
  return 1;
}
