// Tarnwick: the window host and the sound device wired to the game's window.
// TARNWICK_TRACE=1 writes every clip start to standard output, for the
// headless demonstration.
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "app/RunProgram.h"
#include "game/ClipTrace.h"
#include "game/GameTexts.h"
#include "game/frmMain.h"

int main(int argc, char** argv) {
  const char* trace = std::getenv("TARNWICK_TRACE");
  const bool tracing = trace != nullptr && std::string(trace) == "1";
  // Outlives the window, which plays through it.
  std::unique_ptr<game::ClipTrace> clipTrace;
  return app::RunProgram(
      argc, argv, game::kProgramName,
      [&](platform::WindowHost& host, sound::SoundDevice& device,
          const std::filesystem::path& programFolder) -> std::unique_ptr<platform::WindowEvents> {
        sound::SoundDevice* played = &device;
        if (tracing) {
          clipTrace = std::make_unique<game::ClipTrace>(device, std::cout);
          played = clipTrace.get();
        }
        return std::make_unique<game::frmMain>(host, *played, programFolder);
      });
}
