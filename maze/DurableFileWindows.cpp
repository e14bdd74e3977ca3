// The durable save on Windows: the temporary file's bytes are flushed to
// the disk before it replaces the maze, and the replacement is written
// through.
#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "maze/DurableFile.h"

namespace maze {
namespace {

// The system's reasons as the portable codes the save's messages know.
std::error_code ErrorOf(DWORD error, const std::filesystem::path& file) {
  int code = EIO;
  switch (error) {
    case ERROR_ACCESS_DENIED:
      // Windows refuses to open a folder as a file with "access denied".
      code = (GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                     GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES
                 ? EISDIR
                 : EACCES;
      break;
    case ERROR_WRITE_PROTECT:
      code = EROFS;
      break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      code = ENOSPC;
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      code = ENOENT;
      break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      code = EBUSY;
      break;
    default:
      break;
  }
  return {code, std::generic_category()};
}

}  // namespace

std::error_code WriteSynced(const std::filesystem::path& file, std::string_view bytes) {
  // Hidden, like the dot file it is elsewhere.
  const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return ErrorOf(GetLastError(), file);
  std::error_code error;
  size_t done = 0;
  while (done < bytes.size() && !error) {
    DWORD written = 0;
    const auto chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    if (WriteFile(handle, bytes.data() + done, chunk, &written, nullptr) == 0 || written == 0) {
      error = ErrorOf(GetLastError(), file);
    } else {
      done += written;
    }
  }
  if (!error && FlushFileBuffers(handle) == 0) error = ErrorOf(GetLastError(), file);
  if (CloseHandle(handle) == 0 && !error) error = ErrorOf(GetLastError(), file);
  return error;
}

std::error_code ReplaceSynced(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) ==
      0) {
    return ErrorOf(GetLastError(), to);
  }
  // The maze itself is an ordinary file, seen as the other editions see it.
  SetFileAttributesW(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  return {};
}

}  // namespace maze
