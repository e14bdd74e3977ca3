#include "sound/ClipCheck.h"

#include "sound/FileExists.h"

namespace sound {

std::vector<std::string> MissingClips(const std::filesystem::path& folder,
                                      std::span<const std::string> names) {
  std::vector<std::string> missing;
  for (const std::string& name : names) {
    if (!FileExists(folder / name)) missing.push_back(name);
  }
  return missing;
}

std::string MissingClipsMessage(const std::vector<std::string>& missing) {
  std::string text = missing.size() == 1
                         ? "This sound file is missing from the program folder: "
                         : "These sound files are missing from the program folder: ";
  for (size_t i = 0; i < missing.size(); ++i) {
    if (i > 0) text += ", ";
    text += missing[i];
  }
  text += missing.size() == 1 ? ". The program cannot run without it and will now close."
                              : ". The program cannot run without them and will now close.";
  return text;
}

}  // namespace sound
