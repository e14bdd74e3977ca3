#include "tests/support/Files.h"

#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

namespace fake {
namespace {
constexpr int kRate = 22050;
}  // namespace

TempFolder::TempFolder() {
  std::random_device random;
  do {
    path_ = std::filesystem::temp_directory_path() / ("tarnwick-test-" + std::to_string(random()));
  } while (!std::filesystem::create_directory(path_));
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteTone(const std::filesystem::path& file, int64_t ms, double hertz) {
  const uint32_t frames = static_cast<uint32_t>(ms * kRate / 1000);
  std::string out;
  auto put = [&out](uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
  };
  out += "RIFF";
  put(36 + frames * 2, 4);
  out += "WAVEfmt ";
  put(16, 4), put(1, 2), put(1, 2), put(kRate, 4), put(kRate * 2, 4), put(2, 2), put(16, 2);
  out += "data";
  put(frames * 2, 4);
  for (uint32_t i = 0; i < frames; ++i) {
    put(static_cast<uint16_t>(std::lround(16000 * std::sin(6.2831853 * hertz * i / kRate))), 2);
  }
  WriteFile(file, out);
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::filesystem::path Fixture(const std::string& name) {
  return std::filesystem::path(TARNWICK_SOURCE_DIR) / "tests" / "fixtures" / name;
}

}  // namespace fake
