#pragma once
// One program on the fakes, told as a story: a program folder holding every
// clip the program names, mazes, a key script that moves on in time as it
// is written, and what was heard and shown since a moment.
//
//   Story<game::frmMain> s(game::GameClipNames());
//   s.Maze(1, {"S G"});
//   const int64_t walk = s.Keys("Enter Right Right");
//   s.Run();
//   EXPECT_EQ(s.HeardSince(walk), "go, step -960, step -940, winMaze, chooseMaze, 1");

#include <cctype>
#include <optional>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "maze/MazeFile.h"
#include "tests/support/Fakes.h"

namespace fake {

// A key as written in a script: Left, Right, Up, Down, Enter, Esc, Home, End,
// Space, Delete, or a letter; "ctrl+S" with a modifier; "Right*3" repeated.
struct ScriptKey {
  int code = 0;
  int shift = 0;
  int times = 1;
};
ScriptKey ParseKey(std::string word);

template <class Form>
class Story {
 public:
  // Every clip lasts kClipMs; keys come kGapMs apart, so each has played out
  // its clips before the next unless a test says otherwise.
  static constexpr int64_t kClipMs = 150;
  static constexpr int64_t kFirstKeyAt = 1000;

  explicit Story(std::span<const std::string> clips, int64_t gapMs = 250) : gap_(gapMs) {
    for (const std::string& clip : clips) WriteTone(folder / clip, kClipMs);
  }

  void Maze(int number, const std::vector<std::string>& rows) { Save(number, DrawMaze(rows)); }
  void Save(int number, const maze::MazeRecord& record) {
    WriteFile(maze::MazePath(folder.Path(), std::to_string(number)), maze::FormatMaze(record));
  }

  // Presses the keys one after another; returns the time of the first.
  int64_t Keys(const std::string& script, int64_t holdMs = 20) {
    const int64_t first = t_;
    std::istringstream words(script);
    for (std::string word; words >> word;) {
      const ScriptKey key = ParseKey(word);
      for (int i = 0; i < key.times; ++i, t_ += gap_) {
        host.KeyDown(t_, key.code, key.shift);
        host.KeyUp(t_ + holdMs, key.code, key.shift);
      }
    }
    return first;
  }
  // A key held down: its first key-down and `repeats` auto-repeats.
  int64_t Hold(const std::string& name, int repeats) {
    const int64_t first = t_;
    const int key = ParseKey(name).code;
    for (int i = 0; i <= repeats; ++i) host.KeyDown(t_ + 30 * i, key);
    host.KeyUp(t_ + 30 * repeats + 20, key);
    t_ += gap_ + 30 * repeats;
    return first;
  }
  void Close() {
    host.CloseRequest(t_);
    t_ += gap_;
  }
  void Wait(int64_t ms) { t_ += ms; }
  int64_t Now() const { return t_; }

  std::optional<int> Run() { return host.Run(form); }

  // What was heard from a moment on (in one slot, or in all): "go, step
  // -960, key", each clip's name with its pan when it has one.
  std::string HeardSince(int64_t from, std::optional<sound::ClipSlot> slot = {}) const {
    std::string text;
    for (const Heard& play : sound.heard) {
      if (play.at < from || (slot && play.slot != *slot)) continue;
      text += (text.empty() ? "" : ", ") + play.name;
      if (play.pan != 0) text += " " + std::to_string(play.pan);
    }
    return text;
  }
  std::vector<std::string> ShownSince(size_t firstDialog = 0) const {
    std::vector<std::string> texts;
    for (size_t i = firstDialog; i < host.dialogs.size(); ++i)
      texts.push_back(host.dialogs[i].text);
    return texts;
  }

  TempFolder folder;
  Clock clock;
  FakeSound sound{clock};
  FakeHost host{clock, sound};
  Form form{host, sound, folder.Path()};

 private:
  int64_t gap_;
  int64_t t_ = kFirstKeyAt;
};

}  // namespace fake
