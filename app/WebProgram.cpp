// The web edition: the page's window host and Web Audio device, in a program
// folder that the page fills from the site and keeps in the browser's
// storage. It also answers the page's question whether a maze file the
// user adds is one, with the same maze reader the programs use.
#include <emscripten.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

#include "app/RunProgram.h"
#include "maze/KeepFile.h"
#include "maze/MazeFile.h"
#include "platform/WebProgramFolder.h"
#include "platform/WebWindowHost.h"
#include "sound/WebAudioDevice.h"

namespace app {
namespace {

// The next file the page wants checked, or null; the caller frees it.
EM_JS(char*, JsNextFileToCheck, (), {
  const file = Module.webFolder.nextFileToCheck();
  if (file === null) return 0;
  const size = lengthBytesUTF8(file) + 1;
  const copy = _malloc(size);
  stringToUTF8(file, copy, size);
  return copy;
});
EM_JS(void, JsFileChecked, (const char* refusal), {
  Module.webFolder.fileChecked(UTF8ToString(refusal));
});

// Each file waiting to be checked gets its answer: empty for a maze file,
// otherwise why it is none.
void CheckAddedFiles() {
  while (char* file = JsNextFileToCheck()) {
    const maze::LoadResult loaded = maze::LoadMaze(file);
    std::free(file);
    JsFileChecked(loaded.ok() ? "" : loaded.error.Describe().c_str());
  }
}

}  // namespace

int RunProgram(int, char**, const std::string& programName, const FormFactory& makeForm) {
  // They live for the whole run: the program never returns from Run.
  static platform::WebWindowHost host(programName);
  static sound::WebAudioDevice sound;
  host.SetBeep([] { sound.PlayBeep(); });
  host.SetOnEnd([] { sound.Close(); });
  host.SetPageTask(CheckAddedFiles);
  const std::filesystem::path folder = platform::kWebProgramFolder;
  platform::LoadProgramFolder(folder);
  // A save lasts beyond the page only once the browser's storage keeps it.
  maze::SetKeepFile(platform::KeepInStorage);
  host.WaitForStart();
  static std::unique_ptr<platform::WindowEvents> form = makeForm(host, sound, folder);
  host.Run(*form);
}

}  // namespace app
