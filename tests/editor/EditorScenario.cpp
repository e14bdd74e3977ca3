#include "tests/editor/EditorScenario.h"

#include "editor/EditorTexts.h"
#include "sound/ClipCheck.h"
#include "sound/StartUp.h"

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

std::vector<Moment> EditorScenario::Keys(const std::string& script, int shift) {
  const std::string written = "<>^v !-";
  const int keys[] = {vk::kLeft,  vk::kRight,  vk::kUp,    vk::kDown,
                      vk::kSpace, vk::kEscape, vk::kDelete};
  std::vector<Moment> moments;
  for (char c : script) {
    const size_t at = written.find(c);
    if (at == std::string::npos && (c < 'A' || c > 'Z')) ADD_FAILURE() << "no key '" << c << "'";
    moments.push_back(Press(at == std::string::npos ? vk::Letter(c) : keys[at], shift));
  }
  return moments;
}

void EditorScenario::Open(const maze::MazeRecord& record, const std::string& number) {
  folder.WriteMaze(number, record);
  EnterNumber(number);
  Ok();
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

namespace {

// What `pick` makes of each record within a moment.
template <typename Records, typename Pick>
auto During(Moment m, const Records& records, Pick pick) {
  std::vector<decltype(pick(*records.begin()))> picked;
  for (const auto& record : records) {
    if (m.Holds(record.time)) picked.push_back(pick(record));
  }
  return picked;
}

}  // namespace

std::vector<std::string> EditorScenario::Heard(Moment m) const {
  return During(m, sound.Heard(), [](const fake::HeardClip& clip) {
    return clip.name + " " + std::to_string(clip.pan);
  });
}

std::vector<int64_t> EditorScenario::HeardTimes(Moment m) const {
  return During(m, sound.Heard(), [](const fake::HeardClip& clip) { return clip.time; });
}

std::vector<std::string> EditorScenario::HeardEach(const std::vector<Moment>& moments) const {
  std::vector<std::string> each;
  for (const Moment& m : moments) {
    std::string joined;
    for (const std::string& clip : Heard(m)) joined += (joined.empty() ? "" : ", ") + clip;
    each.push_back(joined);
  }
  return each;
}

std::vector<std::string> EditorScenario::Shown(Moment m) const {
  return During(m, host.dialogs, [](const fake::ShownDialog& dialog) { return dialog.text; });
}

std::vector<std::string> EditorScenario::Captions(Moment m) const {
  return During(m, host.captions, [](const fake::CaptionRecord& caption) { return caption.text; });
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
