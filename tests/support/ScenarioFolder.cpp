#include "tests/support/ScenarioFolder.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "maze/MazeFile.h"

namespace fake {
namespace {

void PutLe(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// Header only: 22050 Hz, mono, 16-bit, with the data size of the length.
std::string WavHeader(int64_t ms) {
  const uint32_t rate = 22050, byteRate = rate * 2;
  uint32_t dataBytes = static_cast<uint32_t>(ms * byteRate / 1000);
  std::string h = "RIFF";
  PutLe(h, 36 + dataBytes, 4);
  h += "WAVEfmt ";
  PutLe(h, 16, 4);
  PutLe(h, 1, 2);
  PutLe(h, 1, 2);
  PutLe(h, rate, 4);
  PutLe(h, byteRate, 4);
  PutLe(h, 2, 2);
  PutLe(h, 16, 2);
  h += "data";
  PutLe(h, dataBytes, 4);
  return h;
}

}  // namespace

ScenarioFolder::ScenarioFolder() {
  static std::atomic<int> counter{0};
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::ostringstream name;
    name << "tarnwick-test-" << std::hex << std::random_device{}() << "-" << counter++;
    std::filesystem::path candidate = std::filesystem::temp_directory_path() / name.str();
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot make a temporary program folder");
}

ScenarioFolder::~ScenarioFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void ScenarioFolder::WriteClip(const std::string& name, int64_t ms) { WriteFile(name, WavHeader(ms)); }

void ScenarioFolder::WriteClips(const std::vector<std::string>& names, int64_t ms) {
  for (const std::string& name : names) WriteClip(name, ms);
}

void ScenarioFolder::WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + name);
}

void ScenarioFolder::WriteMaze(const std::string& numberText, const maze::MazeRecord& record) {
  WriteFile(numberText + ".maz", maze::FormatMaze(record));
}

std::string ScenarioFolder::ReadFile(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

bool ScenarioFolder::Exists(const std::string& name) const {
  return std::filesystem::exists(path_ / name);
}

maze::MazeRecord DrawMaze(const std::vector<std::string>& picture) {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (std::string& row : record.grid) row.assign(maze::kGridSize, static_cast<char>(maze::kWall));
  for (size_t r = 0; r < picture.size() && r < maze::kGridSize; ++r) {
    const int y = static_cast<int>(r) + 1;
    for (size_t c = 0; c < picture[r].size() && c < maze::kGridSize; ++c) {
      const int x = static_cast<int>(c) + 1;
      char ch = picture[r][c];
      maze::CellCode code = maze::kFloor;
      if (ch == '#') code = maze::kWall;
      if (ch >= 'a' && ch <= 't') code = maze::KeyCell(ch - 'a' + 1);
      if (ch >= 'A' && ch <= 'T' && ch != 'S' && ch != 'G') code = maze::DoorCell(ch - 'A' + 1);
      if (ch == 'S') record.start = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      if (ch == 'G') record.goal = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      maze::SetCell(record.grid, x, y, code);
    }
  }
  return record;
}

}  // namespace fake
