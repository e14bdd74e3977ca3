#pragma once
// The program folder as the programs see it: which files exist, and how many
// maze files lie there.

#include <filesystem>

namespace maze {

// True only for an existing ordinary file (a link to one counts) whose name
// does not start with a dot. Folders, hidden files and anything missing or
// unreadable give false; nothing throws.
bool FileExists(const std::filesystem::path& file);

// The ordinary files in the folder whose name ends in ".maz", exactly so
// (".MAZ" does not count), leaving out hidden files (name starting with a
// dot, such as a save in progress) and folders. A missing or unreadable
// folder counts 0.
int CountMazeFiles(const std::filesystem::path& folder);

}  // namespace maze
