// Writing a maze file. The new bytes go to a temporary file first and take
// the old file's place only once they are completely written and on the
// disk, so a failure, a crash or a power cut mid-save never destroys the
// maze that was there.

#include <cerrno>
#include <system_error>

#include "maze/DurableFile.h"
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

// What stopped a save, in words an author can act on.
// `inTheWay` is the name a folder standing in the way would have.
std::string ReasonFor(const std::error_code& error, const std::filesystem::path& inTheWay) {
  if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted ||
      error == std::errc::read_only_file_system) {
    return "the folder cannot be written";
  }
  if (error == std::errc::no_space_on_device) return "the disk is full";
#ifdef EDQUOT
  if (error.value() == EDQUOT) return "the disk is full";
#endif
  if (error == std::errc::is_a_directory) {
    return "a folder named " + inTheWay.filename().string() + " stands in the way; remove it";
  }
  if (error == std::errc::no_such_file_or_directory || error == std::errc::not_a_directory) {
    return "the folder does not exist";
  }
  if (error == std::errc::io_error) return "the disk reported an error";
  return "the file cannot be written (" + error.message() + ")";
}

SaveResult Failed(std::string reason) { return {false, std::move(reason)}; }

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

  // The new bytes reach the disk before they replace the old ones, and the
  // new name reaches it too: after a crash at any moment the folder holds
  // the whole old maze or the whole new one.
  const std::error_code writeError = WriteSynced(temp, FormatMaze(record));
  if (writeError) {
    if (!fs::is_directory(fs::symlink_status(temp, error))) fs::remove(temp, error);
    return Failed(ReasonFor(writeError, temp));
  }

  // The replaced file keeps the permissions the old one had.
  const fs::file_status old = fs::status(file, error);
  if (!error && fs::is_regular_file(old)) fs::permissions(temp, old.permissions(), error);

  const std::error_code replaceError = ReplaceSynced(temp, file);
  if (replaceError) {
    fs::remove(temp, error);
    return Failed(ReasonFor(replaceError, file));
  }
  return {true, {}};
}

}  // namespace maze
