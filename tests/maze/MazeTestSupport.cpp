#include "MazeTestSupport.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace mazetest {

std::string PlainRow(int y) {
  std::string row(maze::kGridSize, ' ');
  row[y - 1] = '#';
  return row;
}

std::vector<std::string> PlainRows() {
  std::vector<std::string> rows;
  for (int y = 1; y <= maze::kGridSize; ++y) rows.push_back(PlainRow(y));
  return rows;
}

std::string Lines(const std::vector<std::string>& lines, const std::string& end) {
  std::string out;
  for (const std::string& line : lines) out += line + end;
  return out;
}

std::string NumberLines(int startX, int startY, int goalX, int goalY) {
  std::string out;
  for (int value : {startX, startY, goalX, goalY}) out += " " + std::to_string(value) + " \r\n";
  return out;
}

std::string MazeFileBytes(const std::vector<std::string>& rows, int startX, int startY, int goalX,
                          int goalY) {
  return Lines(rows) + NumberLines(startX, startY, goalX, goalY);
}

TempFolder::TempFolder() {
  std::random_device random;
  const std::filesystem::path base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    path_ = base / ("maze-test-" + std::to_string(random()));
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TempFolder::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

maze::MazeRecord DrawMaze(const std::vector<std::string>& picture) {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (std::string& row : record.grid) row.assign(maze::kGridSize, '#');
  for (size_t row = 0; row < picture.size(); ++row) {
    for (size_t column = 0; column < picture[row].size(); ++column) {
      const int x = static_cast<int>(column) + 1;
      const int y = static_cast<int>(row) + 1;
      const char c = picture[row][column];
      maze::CellCode code = maze::kFloor;
      if (c == '#') {
        code = maze::kWall;
      } else if (c == 'S') {
        record.start = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      } else if (c == 'G') {
        record.goal = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      } else if (c >= 'a' && c <= 't') {
        code = maze::KeyCell(c - 'a' + 1);
      } else if (c >= 'A' && c <= 'T') {
        code = maze::DoorCell(c - 'A' + 1);
      } else if (c == '~') {
        code = 150;
      } else if (c == '^') {
        code = 250;
      }
      maze::SetCell(record.grid, x, y, code);
    }
  }
  return record;
}

}  // namespace mazetest
