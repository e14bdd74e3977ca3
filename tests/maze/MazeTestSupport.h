#pragma once
// Small helpers for the maze tests: maze files put together line by line, a
// folder that disappears after the test, and mazes drawn as text.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "maze/Grid.h"

namespace mazetest {

inline constexpr const char* kCrLf = "\r\n";

// Row y of the plain test maze: 100 spaces with a wall at column y, so every
// row differs from its neighbours.
std::string PlainRow(int y);
std::vector<std::string> PlainRows();

// Each line followed by the line end.
std::string Lines(const std::vector<std::string>& lines, const std::string& end = kCrLf);

// Four number lines as written: " 12 " each.
std::string NumberLines(int startX, int startY, int goalX, int goalY);

// A whole file: the rows, then the four number lines.
std::string MazeFileBytes(const std::vector<std::string>& rows, int startX = 12, int startY = 34,
                          int goalX = 56, int goalY = 78);

// A fresh empty folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::filesystem::path path_;
};

void WriteBytes(const std::filesystem::path& file, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& file);

// A maze drawn as text in the top left corner of a grid that is wall
// elsewhere: '#' wall, '.' or ' ' floor, 'S' start, 'G' goal (both on floor),
// 'a'..'t' key 1..20, 'A'..'T' door 1..20 but for 'G' and 'S', which mark
// start and goal; '~' is byte 150, '^' byte 250 (neither door nor key).
maze::MazeRecord DrawMaze(const std::vector<std::string>& picture);

}  // namespace mazetest
