#include "platform/WebProgramFolder.h"

#include <emscripten.h>

namespace platform {
namespace {

// Suspends the program while the page fetches the files.
EM_ASYNC_JS(void, JsLoadFolder, (const char* folder, const char* names), {
  await Module.webFolder.load(FS, UTF8ToString(folder), UTF8ToString(names).split("|"));
});

}  // namespace

void LoadProgramFolder(const std::filesystem::path& folder,
                       std::span<const std::string> clipNames) {
  std::string names;
  for (const std::string& name : clipNames) {
    if (!names.empty()) names += '|';
    names += name;
  }
  JsLoadFolder(folder.string().c_str(), names.c_str());
}

}  // namespace platform
