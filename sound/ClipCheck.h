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

#include "sound/ClipPlayback.h"

namespace sound {

// The message shown when the audio output cannot be opened.
inline constexpr char kNoSoundMessage[] = "Please install directX8 or later";

// Start-up as both programs run it at load: open the sound device and show
// the window. When the device cannot be opened the fixed message is shown
// (the real reason goes to standard error) and the program ends; when a
// clip the program names is missing from its folder, one message names
// them all (titled with the program's name) and the program ends. Every
// clip is then read ahead, so none waits for its file when first played.
void StartUpOrEnd(ClipPlayback& clips, platform::WindowHost& host,
                  std::span<const std::string> clipNames, const std::string& programName);

}  // namespace sound
