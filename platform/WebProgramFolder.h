#pragma once
// The program folder of a web page: the site folder's clips and mazes,
// copied into the page's file system before the program starts, so that the
// core finds, counts and reads them exactly as it does on disk.

#include <filesystem>
#include <span>
#include <string>

namespace platform {

// The folder the page's program runs in.
inline constexpr char kWebProgramFolder[] = "/program";

// Fetches the named clips and every maze the site lists in mazes.txt into
// the folder. A file the site does not have is left out, as a missing file
// would be on disk; the program's own start-up checks then report it.
void LoadProgramFolder(const std::filesystem::path& folder, std::span<const std::string> clipNames);

}  // namespace platform
