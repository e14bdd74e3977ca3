#include "maze/DurableFile.h"

#include <cerrno>
#include <string>

#if (defined(__unix__) || defined(__APPLE__)) && !defined(__EMSCRIPTEN__)
#define TARNWICK_DURABLE_POSIX 1
#include <fcntl.h>
#include <unistd.h>
#else
#include <fstream>
#endif
#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace maze {
namespace {

std::error_code ErrorOf(int error) { return {error != 0 ? error : EIO, std::generic_category()}; }

}  // namespace

#ifdef TARNWICK_DURABLE_POSIX

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

#else

std::error_code WriteSynced(const std::filesystem::path& file, std::string_view bytes) {
  errno = 0;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return ErrorOf(errno);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  const bool written = out.good();
  const int error = errno;
  out.close();
  return written && !out.fail() ? std::error_code() : ErrorOf(error);
}

#ifdef __EMSCRIPTEN__

// A web page's folder lasts beyond the page only in the browser's storage;
// the page keeps a renamed file there, and says why it could not.
EM_ASYNC_JS(int, JsKeepFile, (const char* file), {
  const folder = Module.webFolder;
  return folder && folder.keep ? await folder.keep(UTF8ToString(file)) : 0;
});

// The page's answers, as web/folder.js numbers them.
class BrowserStorageCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "browser storage"; }
  std::string message(int code) const override {
    switch (code) {
      case 1:
        return "the browser's storage for this site is full";
      case 2:
        return "this browser keeps no files for the page, as in a private window; "
               "Download maze below the editor still gives the file for this visit";
      default:
        return "the browser's storage reported an error";
    }
  }
};

std::error_code KeepFile(const std::filesystem::path& file) {
  static const BrowserStorageCategory category;
  const int answer = JsKeepFile(file.c_str());
  return answer == 0 ? std::error_code() : std::error_code(answer, category);
}

#else

std::error_code KeepFile(const std::filesystem::path&) { return {}; }

#endif

std::error_code ReplaceSynced(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error ? error : KeepFile(to);
}

#endif

}  // namespace maze
