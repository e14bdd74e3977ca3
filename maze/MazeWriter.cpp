// Writing a maze file. The new bytes go to a temporary file first and take
// the old file's place only once they are completely written, so a failure
// or a crash mid-write never destroys the maze that was on disk.

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "maze/MazeFile.h"

namespace maze {
namespace {

constexpr const char* kLineEnd = "\r\n";

// " 12 ", or "-12 " with the minus in place of the leading space.
void AppendNumberLine(std::string& out, int16_t value) {
  out += value < 0 ? "-" : " ";
  out += std::to_string(value < 0 ? -static_cast<int>(value) : static_cast<int>(value));
  out += ' ';
  out += kLineEnd;
}

// The system's word for the last failure, when it left one.
std::string SystemReason(int error) {
  return error != 0 ? std::string(" (") + std::strerror(error) + ")" : std::string();
}

SaveResult Failed(std::string reason) { return {false, std::move(reason)}; }

// Writes and closes the temporary file; an empty text means success.
std::string WriteTemporary(const std::filesystem::path& temp, const std::string& bytes) {
  const std::string name = temp.filename().string();
  errno = 0;
  std::ofstream out(temp, std::ios::binary | std::ios::trunc);
  if (!out) return "the temporary file " + name + " cannot be created" + SystemReason(errno);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const bool written = out.good();
  const int writeError = errno;
  out.close();
  if (!written || out.fail()) {
    return "the temporary file " + name + " cannot be written" + SystemReason(writeError);
  }
  return {};
}

}  // namespace

std::string FormatMaze(const MazeRecord& record) {
  std::string out;
  out.reserve(kGridSize * (kGridSize + 2) + 4 * 9);
  for (const std::string& row : record.grid) {
    out += row;
    out += kLineEnd;
  }
  AppendNumberLine(out, record.start.x);
  AppendNumberLine(out, record.start.y);
  AppendNumberLine(out, record.goal.x);
  AppendNumberLine(out, record.goal.y);
  return out;
}

std::filesystem::path SavingPath(const std::filesystem::path& file) {
  return file.parent_path() / ("." + file.filename().string() + ".saving");
}

SaveResult SaveMaze(const std::filesystem::path& file, const MazeRecord& record) {
  namespace fs = std::filesystem;
  const fs::path temp = SavingPath(file);
  std::error_code error;

  // A leftover of a save that was cut short is replaced; a folder standing
  // in the way is someone else's and is left alone (the save then fails).
  const fs::file_status leftover = fs::symlink_status(temp, error);
  if (fs::exists(leftover) && !fs::is_directory(leftover)) fs::remove(temp, error);

  const std::string writeFailure = WriteTemporary(temp, FormatMaze(record));
  if (!writeFailure.empty()) {
    if (!fs::is_directory(fs::symlink_status(temp, error))) fs::remove(temp, error);
    return Failed(writeFailure);
  }

  // The replaced file keeps the permissions the old one had.
  const fs::file_status old = fs::status(file, error);
  if (!error && fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), error);

  fs::rename(temp, file, error);
  if (error) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    return Failed(file.filename().string() + " cannot be replaced (" + error.message() + ")");
  }
  return {true, {}};
}

}  // namespace maze
