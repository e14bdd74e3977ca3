// The durable write in a web page: the page's file system lives in memory,
// so a plain write and rename stand in, and the file lasts beyond the page
// only once the step handed in at start-up has kept it.
#include <cerrno>
#include <fstream>
#include <utility>

#include "maze/DurableFile.h"
#include "maze/KeepFile.h"

namespace maze {
namespace {

std::error_code ErrorOf(int error) { return {error != 0 ? error : EIO, std::generic_category()}; }

KeepFile& KeepStep() {
  static KeepFile keep;
  return keep;
}

}  // namespace

void SetKeepFile(KeepFile keep) { KeepStep() = std::move(keep); }

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

std::error_code ReplaceSynced(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  if (error || !KeepStep()) return error;
  return KeepStep()(to);
}

}  // namespace maze
