#pragma once
// Whether a file lies in the program folder, as the programs ask it.

#include <filesystem>

namespace sound {

// True only for an existing ordinary file (a link to one counts) whose name
// does not start with a dot. Folders, hidden files and anything missing or
// unreadable give false; nothing throws.
bool FileExists(const std::filesystem::path& file);

}  // namespace sound
