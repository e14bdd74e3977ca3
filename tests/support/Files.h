#pragma once
// Files for tests and the benchmark: a temporary folder, tone clips, whole
// files read and written, and the tests' own maze fixtures.

#include <cstdint>
#include <filesystem>
#include <string>

namespace fake {

// A folder of its own under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A WAV clip of a steady tone: 16-bit mono at 22050 Hz.
void WriteTone(const std::filesystem::path& file, int64_t ms, double hertz = 440.0);
void WriteFile(const std::filesystem::path& file, const std::string& bytes);
std::string ReadFile(const std::filesystem::path& file);
// A maze file of the tests' own fixtures (tests/fixtures).
std::filesystem::path Fixture(const std::string& name);

}  // namespace fake
