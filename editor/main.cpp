// The maze editor's entry point: the Qt window host and the SDL2_mixer
// sound device, wired to the editor's window.

#include <memory>

#include "app/RunProgram.h"
#include "editor/EditorTexts.h"
#include "editor/frmMain.h"

int main(int argc, char** argv) {
  return app::RunProgram(
      argc, argv, editor::kProgramName,
      [](platform::WindowHost& host, sound::SoundDevice& device,
         const std::filesystem::path& programFolder) -> std::unique_ptr<platform::WindowEvents> {
        return std::make_unique<editor::frmMain>(host, device, programFolder);
      });
}
