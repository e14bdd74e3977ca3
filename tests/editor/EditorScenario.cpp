#include "tests/editor/EditorScenario.h"

#include "editor/EditorTexts.h"
#include "sound/ClipCheck.h"

namespace editortest {

EditorScenario::EditorScenario() {
  folder.WriteClips({editor::kEditorClips.begin(), editor::kEditorClips.end()}, kClipMs);
}

Moment EditorScenario::Press(int key, int shift) {
  const int64_t at = next_;
  next_ += kGapMs;
  host.Press(at, key, shift);
  return {at, next_};
}

void EditorScenario::PressTimes(int n, int key, int shift) {
  for (int i = 0; i < n; ++i) Press(key, shift);
}

Moment EditorScenario::PressAt(int64_t at, int key, int shift) {
  host.Press(at, key, shift);
  return {at, at + kGapMs};
}

Moment EditorScenario::CloseRequest() {
  const int64_t at = next_;
  next_ += kGapMs;
  host.CloseRequest(at);
  return {at, next_};
}

std::optional<int> EditorScenario::Run() {
  std::optional<int> status = host.Run(*this);
  EXPECT_EQ(host.UnusedAnswers(), 0u) << "the story scripted answers to dialogs never shown";
  for (const fake::ShownDialog& dialog : host.dialogs) {
    if (dialog.text == sound::kNoSoundMessage) continue;  // the system's own title
    EXPECT_EQ(dialog.title, "Loomsel") << dialog.text;
  }
  return status;
}

std::vector<std::string> EditorScenario::Heard(Moment m) const {
  std::vector<std::string> heard;
  for (const fake::HeardClip& clip : sound.Heard()) {
    if (m.Holds(clip.time)) heard.push_back(clip.name + " " + std::to_string(clip.pan));
  }
  return heard;
}

std::vector<int64_t> EditorScenario::HeardTimes(Moment m) const {
  std::vector<int64_t> times;
  for (const fake::HeardClip& clip : sound.Heard()) {
    if (m.Holds(clip.time)) times.push_back(clip.time);
  }
  return times;
}

std::vector<std::string> EditorScenario::Shown(Moment m) const {
  std::vector<std::string> shown;
  for (const fake::ShownDialog& dialog : host.dialogs) {
    if (m.Holds(dialog.time)) shown.push_back(dialog.text);
  }
  return shown;
}

std::vector<std::string> EditorScenario::Captions(Moment m) const {
  std::vector<std::string> captions;
  for (const fake::CaptionRecord& caption : host.captions) {
    if (m.Holds(caption.time)) captions.push_back(caption.text);
  }
  return captions;
}

int EditorScenario::Beeps(Moment m) const {
  int beeps = 0;
  for (int64_t t : host.beeps) beeps += m.Holds(t) ? 1 : 0;
  return beeps;
}

void EditorScenario::Form_Load() {
  ++depth_;
  form.Form_Load();
  --depth_;
  loadReturnedAt = clock.now;
}

void EditorScenario::Form_KeyDown(int keyCode, int shift) {
  keyDepths.push_back(depth_);
  ++depth_;
  form.Form_KeyDown(keyCode, shift);
  --depth_;
}

void EditorScenario::Form_Unload(bool& cancel) {
  closeDepths.push_back(depth_);
  ++depth_;
  form.Form_Unload(cancel);
  --depth_;
}

std::string MazeFileBytes(const std::vector<std::string>& rows, int startX, int startY, int goalX,
                          int goalY) {
  std::string bytes;
  for (const std::string& row : rows) bytes += row + "\r\n";
  for (int n : {startX, startY, goalX, goalY}) bytes += " " + std::to_string(n) + " \r\n";
  return bytes;
}

maze::MazeRecord OpenMaze(maze::GridPosition start, maze::GridPosition goal) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = start;
  record.goal = goal;
  return record;
}

}  // namespace editortest
