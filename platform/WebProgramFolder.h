#pragma once
// The program folder of a web page, shared by every page of the site: the
// site's clips (listed in clips.txt) and the mazes kept in the browser's
// storage, seeded with the site's sample mazes (mazes.txt) on the first
// visit. The page copies them into its file system before the program
// starts, so that the core finds, counts and reads them exactly as on disk,
// and keeps that copy current when another page stores a maze.

#include <filesystem>
#include <system_error>

namespace platform {

// The folder the page's program runs in.
inline constexpr char kWebProgramFolder[] = "/program";

// Fills the folder. A clip the site does not have is left out, as a missing
// file would be on disk; the program's own start-up checks then report it.
void LoadProgramFolder(const std::filesystem::path& folder);

// Keeps a file of the folder, just renamed into place, in the browser's
// storage. The error's text is the page's own wording of why it could not
// (web/folder.js numbers and words the answers).
std::error_code KeepInStorage(const std::filesystem::path& file);

}  // namespace platform
