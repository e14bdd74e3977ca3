#include "tests/support/Fakes.h"

#include <algorithm>
#include <map>

#include "sound/WavFile.h"
#include "tests/support/Story.h"

namespace fake {
namespace {

struct Ended {
  int status;
};
struct Quiet {};

}  // namespace

class FakeClip final : public sound::Clip {
 public:
  FakeClip(FakeSound& owner, std::string name, sound::ClipSlot slot, int64_t length)
      : owner_(owner), name_(std::move(name)), slot_(slot), length_(length) {}
  ~FakeClip() override { Stop(); }
  bool IsPlaying() const override {
    return play_ >= 0 && owner_.heard[play_].end > owner_.clock_.now;
  }
  void Play() override {
    Stop();
    const int64_t now = owner_.clock_.now;
    owner_.heard.push_back({now, now + length_, name_, slot_, pan_});
    play_ = static_cast<int>(owner_.heard.size()) - 1;
  }
  void SetPosition(uint32_t) override {}
  void SetPan(int32_t pan) override { pan_ = pan; }
  void Stop() override {
    if (IsPlaying()) owner_.heard[play_].end = owner_.clock_.now;
  }

 private:
  FakeSound& owner_;
  std::string name_;
  sound::ClipSlot slot_;
  int64_t length_;
  int32_t pan_ = 0;
  int play_ = -1;
};

bool FakeSound::Open(std::string& reason) {
  if (openFailure) reason = *openFailure;
  return !openFailure;
}

std::unique_ptr<sound::Clip> FakeSound::CreateClip(const std::filesystem::path& wav,
                                                   sound::ClipSlot slot) {
  const std::string bytes = ReadFile(wav);
  const sound::WavReading reading = sound::ReadWav(bytes);
  if (!reading.clip) return nullptr;
  return std::make_unique<FakeClip>(*this, wav.stem().string(), slot, reading.clip->Milliseconds());
}

std::optional<int64_t> FakeSound::NextEnd() const {
  std::optional<int64_t> next;
  for (const Heard& play : heard) {
    if (play.end > clock_.now && (!next || play.end < *next)) next = play.end;
  }
  return next;
}

void FakeHost::Schedule(Event event) {
  auto at = std::upper_bound(script_.begin(), script_.end(), event.at,
                             [](int64_t t, const Event& e) { return t < e.at; });
  script_.insert(at, event);
}

void FakeHost::KeyDown(int64_t at, int key, int shift) { Schedule({Event::Down, at, key, shift}); }
void FakeHost::KeyUp(int64_t at, int key, int shift) { Schedule({Event::Up, at, key, shift}); }
void FakeHost::CloseRequest(int64_t at) { Schedule({Event::Close, at, 0, 0}); }

std::optional<int> FakeHost::Run(platform::WindowEvents& form) {
  form_ = &form;
  try {
    form.Form_Load();
    while (true) DoEvents();
  } catch (const Ended& ended) {
    return ended.status;
  } catch (const Quiet&) {
  }
  return std::nullopt;
}

void FakeHost::StartTimer(int intervalMs) {
  interval_ = intervalMs;
  nextTick_ = clock_.now + intervalMs;
}

bool FakeHost::DeliverDue() {
  bool delivered = false;
  // Taken off the script before delivery: a yield nested in the handler
  // takes the events after it, as the window system would.
  while (!script_.empty() && script_.front().at <= clock_.now) {
    const Event event = script_.front();
    script_.pop_front();
    lastActivity_ = clock_.now;
    bool cancel = false;
    if (event.kind == Event::Down) form_->Form_KeyDown(event.key, event.shift);
    if (event.kind == Event::Up) form_->Form_KeyUp(event.key, event.shift);
    if (event.kind == Event::Close) form_->Form_Unload(cancel);
    if (event.kind == Event::Close && !cancel) EndProgram(0);
    if (afterEvent) afterEvent();
    delivered = true;
  }
  if (interval_ > 0 && nextTick_ <= clock_.now) {
    nextTick_ += interval_;
    form_->tmrScore_Timer();
    if (afterEvent) afterEvent();
    delivered = true;
  }
  return delivered;
}

void FakeHost::DoEvents() {
  if (DeliverDue()) return;
  std::optional<int64_t> next = sound_.NextEnd();
  if (next) lastActivity_ = std::max(lastActivity_, *next);
  if (!script_.empty() && (!next || script_.front().at < *next)) next = script_.front().at;
  // Ticks go on a little after the last activity, for queued announcements.
  if (interval_ > 0 && nextTick_ <= lastActivity_ + 1000 && (!next || nextTick_ < *next)) {
    next = nextTick_;
  }
  if (!next) throw Quiet{};
  if (*next > 3'600'000) throw ScriptError("the program is still busy after an hour");
  clock_.now = std::max(clock_.now, *next);
  DeliverDue();
}

std::string FakeHost::Answer(const std::string& text) {
  if (answerer) return answerer(text);
  if (answers.empty()) throw ScriptError("nobody answers \"" + text + "\"");
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeHost::ShowMessage(const std::string& text, const std::string& title) {
  dialogs.push_back({text, title, captions.empty() ? "" : captions.back()});
}

bool FakeHost::AskYesNo(const std::string& text, const std::string& title) {
  ShowMessage(text, title);
  return Answer(text) == "y";
}

std::string FakeHost::AskText(const std::string& prompt, const std::string& title) {
  ShowMessage(prompt, title);
  return Answer(prompt);
}

void FakeHost::EndProgram(int status) { throw Ended{status}; }

ScriptKey ParseKey(std::string word) {
  namespace vk = platform::vk;
  static const std::map<std::string, int> kNamed = {
      {"Left", vk::kLeft},   {"Right", vk::kRight},  {"Up", vk::kUp},     {"Down", vk::kDown},
      {"Enter", vk::kEnter}, {"Esc", vk::kEscape},   {"Home", vk::kHome}, {"End", vk::kEnd},
      {"Space", vk::kSpace}, {"Delete", vk::kDelete}};
  static const std::map<std::string, int> kModifiers = {
      {"shift", platform::kShiftMask}, {"ctrl", platform::kCtrlMask}, {"alt", platform::kAltMask}};
  ScriptKey key;
  if (const size_t star = word.find('*'); star != std::string::npos) {
    key.times = std::stoi(word.substr(star + 1));
    word.resize(star);
  }
  if (const size_t plus = word.find('+'); plus != std::string::npos) {
    key.shift = kModifiers.at(word.substr(0, plus));
    word.erase(0, plus + 1);
  }
  if (kNamed.count(word) != 0) {
    key.code = kNamed.at(word);
  } else if (word.size() == 1) {
    key.code = vk::Letter(static_cast<char>(std::toupper(static_cast<unsigned char>(word[0]))));
  } else {
    throw ScriptError("no key is written " + word);
  }
  return key;
}

maze::MazeRecord DrawMaze(const std::vector<std::string>& rows) {
  maze::MazeRecord record = maze::NewMazeRecord();
  for (std::string& row : record.grid) row.assign(maze::kGridSize, static_cast<char>(maze::kWall));
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      const char ch = rows[r][c];
      const maze::GridPosition at{static_cast<int16_t>(c + 1), static_cast<int16_t>(r + 1)};
      maze::CellCode code = ch == '#' ? maze::kWall : maze::kFloor;
      if (ch == 'S') record.start = at;
      if (ch == 'G') record.goal = at;
      if (ch >= 'a' && ch <= 't') code = maze::KeyCell(ch - 'a' + 1);
      if (ch >= 'A' && ch <= 'T' && ch != 'S' && ch != 'G') code = maze::DoorCell(ch - 'A' + 1);
      maze::SetCell(record.grid, at.x, at.y, code);
    }
  }
  return record;
}

}  // namespace fake
