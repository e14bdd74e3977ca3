#include "platform/WebProgramFolder.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

namespace platform {
namespace {

// Suspends the program while the page fetches and reads the files.
EM_ASYNC_JS(void, JsLoadFolder, (const char* folder),
            { await Module.webFolder.load(FS, UTF8ToString(folder)); });

// Suspends the program until the storage has kept the file or refused;
// 0 is kept, any other answer why not.
EM_ASYNC_JS(int, JsKeepFile, (const char* file),
            { return await Module.webFolder.keep(UTF8ToString(file)); });

// The page's wording of a refused save; the caller frees it.
EM_JS(char*, JsWhyNotSaved, (int answer), {
  const text = Module.webFolder.whyNotSaved(answer);
  const size = lengthBytesUTF8(text) + 1;
  const copy = _malloc(size);
  stringToUTF8(text, copy, size);
  return copy;
});

class StorageCategory final : public std::error_category {
 public:
  const char* name() const noexcept override { return "browser storage"; }
  std::string message(int answer) const override {
    char* text = JsWhyNotSaved(answer);
    std::string message(text);
    std::free(text);
    return message;
  }
};

}  // namespace

void LoadProgramFolder(const std::filesystem::path& folder) {
  JsLoadFolder(folder.string().c_str());
}

std::error_code KeepInStorage(const std::filesystem::path& file) {
  static const StorageCategory category;
  const int answer = JsKeepFile(file.c_str());
  return answer == 0 ? std::error_code() : std::error_code(answer, category);
}

}  // namespace platform
