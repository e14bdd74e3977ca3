#include "bench/GameSession.h"

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "game/GameTexts.h"
#include "maze/MazeFile.h"

namespace bench {
namespace {

void PrepareFolder(const std::filesystem::path& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(ProgramFolder())) {
    if (entry.path().extension() == ".wav") {
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
  }
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {GameSession::kStartColumn, 50};
  record.goal = {1, 1};
  const maze::SaveResult saved = maze::SaveMaze(maze::MazePath(folder, "1"), record);
  if (!saved.ok) throw std::runtime_error("cannot write the maze: " + saved.reason);
}

}  // namespace

GameSession::GameSession(int bufferFrames)
    : stack(bufferFrames), form(stack.benchHost, stack.device, folder.Path()), probe(form) {
  // The window reads its folder only once it loads.
  PrepareFolder(folder.Path());
  stack.host.Attach(probe);
}

GameSession::~GameSession() = default;

double GameSession::StartToGameMode() {
  const int64_t start = NowNs();
  std::atomic<bool> started{false};
  // Enter is lost on the intro, cuts the menu's opening clip short, then
  // chooses maze 1.
  std::thread presser([&] {
    while (!started.load()) {
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      PostKey(stack.host, Key::Enter, true);
      PostKey(stack.host, Key::Enter, false);
    }
  });
  try {
    form.Form_Load();
  } catch (...) {
    started = true;
    presser.join();
    throw;
  }
  started = true;
  presser.join();
  if (form.FormMode != game::kModeGame) throw std::runtime_error("the game did not start maze 1");
  RunEventLoopFor(200);
  return static_cast<double>(NowNs() - start) / 1e9;
}

}  // namespace bench
