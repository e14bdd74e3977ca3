#pragma once
// Where the durable write has no disk of its own to force a file to, as in
// a web page, the edition's wiring hands in the step that keeps a renamed
// file: the page's storage, which says why it could not. Only that
// edition's durable write (DurableFileWeb.cpp) defines it.

#include <filesystem>
#include <functional>
#include <system_error>

namespace maze {

using KeepFile = std::function<std::error_code(const std::filesystem::path& file)>;

// Called once at start-up, before the first save; until then a renamed file
// is only renamed.
void SetKeepFile(KeepFile keep);

}  // namespace maze
