#pragma once
// A program's whole run: the window host and the sound device of this
// edition, wired together and handed to the program's frmMain. Each edition
// links its own definition of RunProgram; the programs' entry points are
// the same for all.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/WindowHost.h"
#include "sound/SoundDevice.h"

namespace app {

// Makes the program's frmMain from the host, the sound device (not yet open:
// frmMain opens it during its load) and the program folder.
using FormFactory = std::function<std::unique_ptr<platform::WindowEvents>(
    platform::WindowHost& host, sound::SoundDevice& sound,
    const std::filesystem::path& programFolder)>;

// Runs the program until it ends; does not return. An error nobody foresaw
// ends it with the error's text in a message box titled with the program's
// name, and exit status 1.
int RunProgram(int argc, char** argv, const std::string& programName, const FormFactory& makeForm);

}  // namespace app
