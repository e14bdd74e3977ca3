#pragma once
// A program's whole run: the application, the sound device and the window
// host, wired together and handed to the program's frmMain.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/WindowHost.h"
#include "sound/SoundDevice.h"

namespace platform {

// Makes the program's frmMain from the host, the sound device (not yet open:
// frmMain opens it during its load) and the program folder.
using FormFactory = std::function<std::unique_ptr<WindowEvents>(
    WindowHost& host, sound::SoundDevice& sound, const std::filesystem::path& programFolder)>;

// Runs the program until it ends; does not return. An error nobody foresaw
// ends it with the error's text in a message box titled with the program's
// name, and exit status 1.
int RunProgram(int argc, char** argv, const std::string& programName, const FormFactory& makeForm);

}  // namespace platform
