// The durable write on a POSIX system: write, fsync, rename, then fsync of
// the folder that holds the new name.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "maze/DurableFile.h"

namespace maze {
namespace {

std::error_code ErrorOf(int error) { return {error != 0 ? error : EIO, std::generic_category()}; }

}  // namespace

std::error_code WriteSynced(const std::filesystem::path& file, std::string_view bytes) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return ErrorOf(errno);
  std::error_code error;
  size_t done = 0;
  while (done < bytes.size() && !error) {
    const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      error = ErrorOf(written < 0 ? errno : EIO);
    } else {
      done += static_cast<size_t>(written);
    }
  }
  // A full disk may only show here, when the blocks are finally allocated.
  if (!error && ::fsync(fd) != 0) error = ErrorOf(errno);
  if (::close(fd) != 0 && !error) error = ErrorOf(errno);
  return error;
}

std::error_code ReplaceSynced(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::rename(from.c_str(), to.c_str()) != 0) return ErrorOf(errno);
  const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return ErrorOf(errno);
  std::error_code error;
  // A file system that cannot sync a folder says so with EINVAL; there is
  // nothing more to do there.
  if (::fsync(fd) != 0 && errno != EINVAL) error = ErrorOf(errno);
  ::close(fd);
  return error;
}

}  // namespace maze
