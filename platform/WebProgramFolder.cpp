#include "platform/WebProgramFolder.h"

#include <emscripten.h>

namespace platform {
namespace {

// Suspends the program while the page fetches and reads the files.
EM_ASYNC_JS(void, JsLoadFolder, (const char* folder), {
  await Module.webFolder.load(FS, UTF8ToString(folder));
});

}  // namespace

void LoadProgramFolder(const std::filesystem::path& folder) {
  JsLoadFolder(folder.string().c_str());
}

}  // namespace platform
