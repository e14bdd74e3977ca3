#pragma once
// Writing a file so that it survives a power cut: its bytes reach the disk
// before it takes the old file's place, and so does the new name. The one
// place where the maze library talks to the system directly: one file per
// system stands behind it (DurableFilePosix.cpp and its kin), chosen by
// maze/CMakeLists.txt.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace maze {

// Creates `file` (or empties it), writes `bytes`, forces them to the disk
// and closes it. The error carries the system's code (generic category).
std::error_code WriteSynced(const std::filesystem::path& file, std::string_view bytes);

// Renames `from` over `to`, then forces the folder's new entry to the disk
// (in a web page: into the browser's storage).
std::error_code ReplaceSynced(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace maze
