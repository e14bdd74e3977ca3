#pragma once
// A temporary program folder for one test: clip files of chosen lengths and
// maze files, removed again when the test ends.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "maze/Grid.h"

namespace fake {

class ScenarioFolder {
 public:
  ScenarioFolder();
  ~ScenarioFolder();
  ScenarioFolder(const ScenarioFolder&) = delete;
  ScenarioFolder& operator=(const ScenarioFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

  // A WAV file whose header gives the length; the fake device reads only
  // the header.
  void WriteClip(const std::string& name, int64_t ms);
  void WriteClips(const std::vector<std::string>& names, int64_t ms);
  void WriteFile(const std::string& name, const std::string& bytes);
  void WriteMaze(const std::string& numberText, const maze::MazeRecord& record);
  std::string ReadFile(const std::string& name) const;
  bool Exists(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// A maze drawn as text: rows of the picture become the top rows of the
// grid, '#' wall, ' ' or '.' floor, 'S' start, 'G' goal, 'a'..'t' key 1..20,
// 'A'..'T' door 1..20 (but for G and S). Rows not drawn are wall.
maze::MazeRecord DrawMaze(const std::vector<std::string>& picture);

}  // namespace fake
