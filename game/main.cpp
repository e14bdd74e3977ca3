// Tarnwick: the game's window, wired to this edition's window host and sound
// device.
#include <memory>

#include "app/RunProgram.h"
#include "game/GameTexts.h"
#include "game/frmMain.h"

int main(int argc, char** argv) {
  return app::RunProgram(
      argc, argv, game::kProgramName,
      [](platform::WindowHost& host, sound::SoundDevice& device,
         const std::filesystem::path& programFolder) -> std::unique_ptr<platform::WindowEvents> {
        return std::make_unique<game::frmMain>(host, device, programFolder);
      });
}
