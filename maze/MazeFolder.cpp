#include "maze/MazeFolder.h"

#include <string>
#include <string_view>
#include <system_error>

namespace maze {
namespace {

bool IsHiddenName(const std::string& name) { return !name.empty() && name.front() == '.'; }

bool HasMazeExtension(const std::string& name) {
  static constexpr std::string_view kExtension = ".maz";
  return name.size() >= kExtension.size() &&
         name.compare(name.size() - kExtension.size(), kExtension.size(), kExtension) == 0;
}

}  // namespace

int CountMazeFiles(const std::filesystem::path& folder) {
  std::error_code error;
  int count = 0;
  for (std::filesystem::directory_iterator entry(folder, error);
       !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    std::error_code typeError;
    if (!IsHiddenName(name) && HasMazeExtension(name) && entry->is_regular_file(typeError)) {
      ++count;
    }
  }
  return count;
}

}  // namespace maze
