#include "sound/FileExists.h"

#include <string>
#include <system_error>

namespace sound {

bool FileExists(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  if (!name.empty() && name.front() == '.') return false;
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

}  // namespace sound
