#pragma once
// A story around the editor: a program folder with every clip, answers to
// the dialogs in the order they come, key presses one after another, and
// what each press led to. A test reads like
//   s.EnterNumber("4");
//   auto right = s.Press(vk::kRight);
//   s.Run();
//   EXPECT_THAT(s.Heard(right), ElementsAre("step.wav -960"));

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/frmMain.h"
#include "tests/support/FakeHost.h"
#include "tests/support/FakeSound.h"
#include "tests/support/ScenarioFolder.h"

namespace editortest {

namespace vk = platform::vk;
inline constexpr int kShift = platform::kShiftMask;
inline constexpr int kCtrl = platform::kCtrlMask;
inline constexpr int kAlt = platform::kAltMask;

inline constexpr int kKeyC = vk::Letter('C');
inline constexpr int kKeyD = vk::Letter('D');
inline constexpr int kKeyF = vk::Letter('F');
inline constexpr int kKeyI = vk::Letter('I');
inline constexpr int kKeyK = vk::Letter('K');
inline constexpr int kKeyS = vk::Letter('S');
inline constexpr int kKeyW = vk::Letter('W');

inline constexpr char kPrompt[] =
    "Please enter the number of the maze you would like to edit or create";
inline constexpr char kExists[] = "That maze already exists. It will now be opened for editing.";

// A span of virtual time: one key press until the next, or the load until
// the first press.
struct Moment {
  int64_t from = 0;
  int64_t to = 0;
  bool Holds(int64_t t) const { return t >= from && t < to; }
};

// The fake host, noting also what the caption read while each dialog was up.
class StoryHost : public fake::FakeHost {
 public:
  using fake::FakeHost::FakeHost;
  void ShowMessage(const std::string& text, const std::string& title) override {
    captionDuringDialog.push_back(LastCaption());
    fake::FakeHost::ShowMessage(text, title);
  }
  bool AskYesNo(const std::string& text, const std::string& title) override {
    captionDuringDialog.push_back(LastCaption());
    return fake::FakeHost::AskYesNo(text, title);
  }
  std::string AskText(const std::string& prompt, const std::string& title) override {
    captionDuringDialog.push_back(LastCaption());
    return fake::FakeHost::AskText(prompt, title);
  }
  // One entry per dialog, in the order of dialogs.
  std::vector<std::string> captionDuringDialog;
};

class EditorScenario : public platform::WindowEvents {
 public:
  // Every clip lasts this long; presses come far enough apart that each
  // press's waited clips have ended before the next.
  static constexpr int64_t kClipMs = 200;
  static constexpr int64_t kGapMs = 1000;

  EditorScenario();

  // Answers, in the order the dialogs come.
  void EnterNumber(const std::string& text) { host.AnswerText(text); }
  void Cancel() { host.AnswerText(""); }
  void Ok() { host.AnswerOk(); }
  void Yes() { host.AnswerYes(); }
  void No() { host.AnswerNo(); }

  // Presses a key after the one before; returns the moment it starts.
  Moment Press(int key, int shift = 0);
  // Presses a key n times, for moving.
  void PressTimes(int n, int key, int shift = 0);
  // Keys written one character each: < > ^ v the arrows, a space, ! Esc,
  // - Delete, a capital letter its key; each pressed in turn with `shift`.
  std::vector<Moment> Keys(const std::string& script, int shift = 0);
  // Maze `number`, written first as `record`, opened past the prompt and the
  // message that it exists.
  void Open(const maze::MazeRecord& record, const std::string& number = "1");
  // Presses a key at a chosen time, as during a clip.
  Moment PressAt(int64_t at, int key, int shift = 0);
  Moment CloseRequest();
  Moment Load() const { return {0, kGapMs}; }

  // Runs the editor until the script is done and all is quiet, or until it
  // ends; returns the exit status when it ended. Every scripted answer must
  // have been used, and every dialog carries the title "Loomsel".
  std::optional<int> Run();

  // What a moment brought, in order.
  // Clips as "name pan", e.g. "wall.wav 0", "step.wav -960".
  std::vector<std::string> Heard(Moment m) const;
  std::vector<int64_t> HeardTimes(Moment m) const;
  // What each moment brought, joined by ", ": "step.wav -940, wall.wav 0".
  std::vector<std::string> HeardEach(const std::vector<Moment>& moments) const;
  std::vector<std::string> Shown(Moment m) const;  // dialog texts
  std::vector<std::string> Captions(Moment m) const;
  int Beeps(Moment m) const;
  std::vector<std::string> AllShown() const { return Shown({0, INT64_MAX}); }

  // The grid of the open maze, as a cell.
  maze::CellCode Cell(int x, int y) const { return maze::CellAt(form.Maze().grid, x, y); }

  // Nesting as the editor saw it: how many handlers were already running
  // when each key-down arrived (0 when none), and when the load returned.
  std::vector<int> keyDepths;
  std::vector<int> closeDepths;
  int64_t loadReturnedAt = -1;

  fake::VirtualClock clock;
  fake::FakeSound sound{clock};
  StoryHost host{clock, sound};
  fake::ScenarioFolder folder;
  editor::frmMain form{host, sound, folder.Path()};

  // WindowEvents: passes each event on to the editor, noting the nesting.
  void Form_Load() override;
  void Form_KeyDown(int keyCode, int shift) override;
  void Form_Unload(bool& cancel) override;

 private:
  int64_t next_ = kGapMs;
  int depth_ = 0;
};

// The bytes of a maze file written out by hand: rows, then the numbers.
std::string MazeFileBytes(const std::vector<std::string>& rows, int startX, int startY, int goalX,
                          int goalY);

// A maze of open floor with the given start and goal.
maze::MazeRecord OpenMaze(maze::GridPosition start, maze::GridPosition goal);

}  // namespace editortest
