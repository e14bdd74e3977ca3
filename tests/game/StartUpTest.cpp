// Start-up: the intro waited for, the step sounds loaded, then the menu; the
// failures that end the game before it begins; the close request.
#include "tests/game/GameScenario.h"

namespace {

using gametest::Scenario;
using sound::ClipSlot;
using testing::ElementsAre;
namespace vk = platform::vk;

struct Created {
  std::string name;
  ClipSlot slot;
  int64_t time;
  friend bool operator==(const Created&, const Created&) = default;
};

std::vector<Created> CreatedClips(const Scenario& s) {
  std::vector<Created> created;
  for (const fake::SoundOp& op : s.sound.ops) {
    if (op.op == "create") created.push_back({op.name, op.slot, op.time});
  }
  return created;
}

// Keys during the intro neither shorten it nor act later.
TEST(StartUp, IntroToItsEndThenBothStepSoundsThenTheMenuSpeaksOne) {
  Scenario s;
  s.Maze(1, {"S G"}).Maze(2, {"S G"});
  s.At(200).Keys("vENX");
  EXPECT_EQ(s.Run(), std::nullopt);  // still in the menu when the script is done
  EXPECT_TRUE(s.host.shown);
  EXPECT_EQ(s.host.LastCaption(), "Tarnwick");
  const int64_t introEnd = gametest::kIntroMs;
  EXPECT_EQ(CreatedClips(s),
            (std::vector<Created>{{"mazeIntro.wav", ClipSlot::Current, 0},
                                  {"step.wav", ClipSlot::Step, introEnd},
                                  {"step.wav", ClipSlot::Announcement, introEnd},
                                  {"chooseMaze.wav", ClipSlot::Current, introEnd},
                                  {"1.wav", ClipSlot::Announcement, gametest::kMenuOpensAt}}));
  // The menu's opening clip, too, plays to its natural end.
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav"), gametest::kMenuOpensAt);
  EXPECT_EQ(s.HeardText(), "mazeIntro, chooseMaze, 1");
  EXPECT_EQ(s.sound.Heard().at(0).pan, 0);
  EXPECT_EQ(s.form.FormMode, "menu");
  EXPECT_EQ(s.form.menuSelection, 1);
}

// Failures before the intro: the message, then the game ends unheard.
TEST(StartUp, NoSoundDeviceOrAMissingClipEndsTheGameBeforeTheIntro) {
  struct Case {
    const char* missing;  // empty: no sound device
    const char* text;
    const char* title;
  };
  const Case cases[] = {{"", "Please install directX8 or later", ""},
                        {"key.wav", "key.wav", "Tarnwick"},
                        {"say points.wav", "say points.wav", "Tarnwick"},
                        {"90.wav", "90.wav", "Tarnwick"},
                        {"mazeIntro.wav", "mazeIntro.wav", "Tarnwick"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Scenario s;
    s.Maze(1, {"S G"});
    if (*c.missing == 0) s.sound.openFailure = "no audio device";
    if (*c.missing != 0) std::filesystem::remove(s.folder.Path() / c.missing);
    s.host.AnswerOk();
    EXPECT_EQ(s.Run(), 1);
    ASSERT_EQ(s.host.dialogs.size(), 1u);
    EXPECT_THAT(s.host.dialogs[0].text, testing::HasSubstr(c.text));
    EXPECT_EQ(s.host.dialogs[0].title, c.title);
    EXPECT_TRUE(s.sound.Heard().empty());
  }
}

// A close request ends the game at once, whatever it is doing.
struct CloseCase {
  const char* during;
  int64_t closeAt;
  const char* mode;
};

TEST(CloseRequest, EndsTheGameAtOnceInEveryMode) {
  const int64_t win = gametest::kFirstKeyAt + gametest::kGapMs;  // the step onto the goal
  const CloseCase cases[] = {
      {"the intro", 500, ""},
      {"the menu's opening clip", 1200, "play breakable sound"},
      {"the menu loop", 1450, "menu"},
      {"walking", win - 50, "game"},
      {"the winning clip", win + 500, "play breakable wav"},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.during);
    Scenario s;
    s.Maze(1, {"SG"});
    s.Choose(1).Press(vk::kRight);
    s.host.CloseRequest(c.closeAt);
    EXPECT_EQ(s.Run(), 0);
    EXPECT_EQ(s.host.Now(), c.closeAt);
    EXPECT_EQ(s.form.FormMode, c.mode);
    for (const fake::HeardClip& clip : s.sound.Heard()) EXPECT_LT(clip.time, c.closeAt);
    EXPECT_TRUE(s.sound.closed);
  }
}

}  // namespace
