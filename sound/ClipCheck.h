#pragma once
// Every clip a program names must lie in its folder; a missing one is found
// at start-up rather than at some later key press.

#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace sound {

std::vector<std::string> MissingClips(const std::filesystem::path& folder,
                                      std::span<const std::string> names);

// One message naming every missing clip.
std::string MissingClipsMessage(const std::vector<std::string>& missing);

}  // namespace sound
