#pragma once
// The start-up both programs run at load, before anything is heard.

#include <span>
#include <string>

#include "platform/WindowHost.h"
#include "sound/ClipPlayback.h"

namespace sound {

// The message shown when the audio output cannot be opened.
inline constexpr char kNoSoundMessage[] = "Please install directX8 or later";

// Opens the sound device and shows the window. When the device cannot be
// opened the fixed message is shown (the real reason goes to standard
// error) and the program ends; when a clip the program names is missing
// from its folder, one message names them all (titled with the program's
// name) and the program ends. Every clip is then read ahead, so none waits
// for its file when first played.
void StartUpOrEnd(ClipPlayback& clips, platform::WindowHost& host,
                  std::span<const std::string> clipNames, const std::string& programName);

}  // namespace sound
