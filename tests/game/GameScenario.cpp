#include "tests/game/GameScenario.h"

namespace gametest {

Scenario::Scenario() {
  folder.WriteClips(game::GameClipNames(), kWordMs);
  folder.WriteClip(game::kIntroClip, kIntroMs);
  folder.WriteClip(game::kChooseMazeClip, kChooseMazeMs);
  folder.WriteClip(game::kWinMazeClip, kWinMs);
  folder.WriteClip(game::kStepClip, kStepMs);
  for (const char* cue : {game::kGoClip, game::kEdgeClip, game::kWallClip, game::kDoorClip,
                          game::kKeyClip, game::kOpenDoorClip, game::kNoOpenDoorClip}) {
    folder.WriteClip(cue, kCueMs);
  }
}

Scenario& Scenario::Maze(int number, const std::vector<std::string>& picture) {
  return MazeOf(number, fake::DrawMaze(picture));
}

Scenario& Scenario::MazeOf(int number, const maze::MazeRecord& record) {
  folder.WriteMaze(std::to_string(number), record);
  return *this;
}

Scenario& Scenario::Press(int key, int shift) {
  host.Press(t_, key, shift, kHoldMs);
  t_ += kGapMs;
  return *this;
}

maze::MazeRecord OpenField(maze::GridPosition start, maze::GridPosition goal) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = start;
  record.goal = goal;
  return record;
}

int64_t Scenario::Play(const maze::MazeRecord& record) {
  MazeOf(1, record);
  const int64_t go = t_;
  Choose(1);
  return go;
}

Scenario& Scenario::Press(const std::vector<int>& keys) {
  for (int key : keys) Press(key);
  return *this;
}

Scenario& Scenario::Keys(const std::string& script) {
  const std::string written = "<>^vEXHN W";
  const int keys[] = {vk::kLeft,   vk::kRight, vk::kUp,  vk::kDown,  vk::kEnter,
                      vk::kEscape, vk::kHome,  vk::kEnd, vk::kSpace, kW};
  for (char c : script) {
    const size_t at = written.find(c);
    if (at == std::string::npos) ADD_FAILURE() << "no key is written '" << c << "'";
    if (at != std::string::npos) Press(keys[at]);
  }
  return *this;
}

Scenario& Scenario::Press(std::initializer_list<int> keys) {
  for (int key : keys) Press(key);
  return *this;
}

Scenario& Scenario::Together(std::initializer_list<int> keys) {
  for (int key : keys) host.KeyDown(t_, key);
  for (int key : keys) host.KeyUp(t_ + kHoldMs, key);
  t_ += kGapMs;
  return *this;
}

Scenario& Scenario::Hold(int key, int repeats) {
  for (int i = 0; i <= repeats; ++i) host.KeyDown(t_ + i * 30, key);
  t_ += kGapMs + repeats * 30;
  return *this;
}

Scenario& Scenario::Release(int key) {
  host.KeyUp(t_, key);
  t_ += kGapMs;
  return *this;
}

Scenario& Scenario::Close() {
  host.CloseRequest(t_);
  t_ += kGapMs;
  return *this;
}

int64_t Scenario::PressRoute(const std::vector<maze::RouteStep>& steps) {
  int64_t last = t_;
  for (maze::RouteStep step : steps) {
    int key = platform::vk::kEnter;
    if (step == maze::RouteStep::Left) key = platform::vk::kLeft;
    if (step == maze::RouteStep::Right) key = platform::vk::kRight;
    if (step == maze::RouteStep::Up) key = platform::vk::kUp;
    if (step == maze::RouteStep::Down) key = platform::vk::kDown;
    last = t_;
    host.Press(t_, key, 0, 10);
    t_ += 30;
  }
  return last;
}

Scenario& Scenario::Wait(int64_t ms) {
  t_ += ms;
  return *this;
}

Scenario& Scenario::At(int64_t time) {
  t_ = time;
  return *this;
}

Scenario& Scenario::Choose(int entry) {
  for (int i = 1; i < entry; ++i) Press(vk::kDown);
  return Press(vk::kEnter);
}

std::optional<int> Scenario::Run() { return host.Run(form); }

std::vector<std::string> Scenario::Heard(int64_t from, int64_t to) const {
  std::vector<std::string> names;
  for (const fake::HeardClip& clip : sound.Heard()) {
    if (clip.time >= from && clip.time < to) names.push_back(clip.name);
  }
  return names;
}

std::string Scenario::HeardText(int64_t from, int64_t to) const {
  std::string text;
  for (const std::string& name : Heard(from, to)) {
    text += (text.empty() ? "" : ", ") + name.substr(0, name.size() - 4);
  }
  return text;
}

std::vector<std::string> Scenario::Said(int64_t from, int64_t to) const {
  std::vector<std::string> names;
  for (const fake::HeardClip& clip : sound.Heard()) {
    if (clip.time >= from && clip.time < to && clip.slot == sound::ClipSlot::Announcement) {
      names.push_back(clip.name);
    }
  }
  return names;
}

int64_t Scenario::PlayedAt(const std::string& name, int nth) const {
  return OpAt("play", name, nth);
}

int64_t Scenario::OpAt(const std::string& op, const std::string& name, int nth) const {
  for (const fake::SoundOp& o : sound.ops) {
    if (o.op == op && o.name == name && nth-- == 0) return o.time;
  }
  return -1;
}

std::vector<int32_t> Scenario::StepPans() const {
  std::vector<int32_t> pans;
  for (const fake::HeardClip& clip : sound.Heard()) {
    if (clip.slot == sound::ClipSlot::Step) pans.push_back(clip.pan);
  }
  return pans;
}

}  // namespace gametest
