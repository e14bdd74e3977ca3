#pragma once
// How many maze files lie in the program folder.

#include <filesystem>

namespace maze {

// The ordinary files in the folder whose name ends in ".maz", exactly so
// (".MAZ" does not count), leaving out hidden files (name starting with a
// dot, such as a save in progress) and folders. A missing or unreadable
// folder counts 0.
int CountMazeFiles(const std::filesystem::path& folder);

}  // namespace maze
