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

TEST(StartUp, IntroToItsEndThenBothStepSoundsThenTheMenuSpeaksOne) {
  Scenario s;
  s.Maze(1, {"S G"});
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
  ASSERT_FALSE(s.sound.Heard().empty());
  EXPECT_EQ(s.sound.Heard()[0].pan, 0);
  EXPECT_EQ(s.form.FormMode, "menu");
  EXPECT_EQ(s.form.menuEntryCount, 1);
  EXPECT_EQ(s.form.menuSelection, 1);
}

TEST(StartUp, KeysDuringTheIntroNeitherShortenItNorActLater) {
  Scenario s;
  s.Maze(1, {"S G"}).Maze(2, {"S G"});
  s.At(200).Press({vk::kDown, vk::kEnter, vk::kEnd, vk::kEscape});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.PlayedAt("chooseMaze.wav"), gametest::kIntroMs);
  // The menu's opening clip, too, plays to its natural end.
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav"), gametest::kMenuOpensAt);
  EXPECT_EQ(s.form.FormMode, "menu");
  EXPECT_EQ(s.form.menuSelection, 1);
  EXPECT_THAT(s.Heard(), ElementsAre("mazeIntro.wav", "chooseMaze.wav", "1.wav"));
}

TEST(StartUp, WithoutASoundDeviceTheFixedMessageEndsTheGame) {
  Scenario s;
  s.Maze(1, {"S G"});
  s.sound.openFailure = "no audio device";
  s.host.AnswerOk();
  EXPECT_EQ(s.Run(), 1);
  ASSERT_EQ(s.host.dialogs.size(), 1u);
  EXPECT_EQ(s.host.dialogs[0].text, "Please install directX8 or later");
  EXPECT_EQ(s.host.dialogs[0].title, "");
  EXPECT_FALSE(s.host.shown);
  EXPECT_TRUE(s.sound.Heard().empty());
}

TEST(StartUp, AMissingClipIsNamedAndEndsTheGameBeforeTheIntro) {
  for (const char* missing : {"key.wav", "say points.wav", "90.wav", "mazeIntro.wav"}) {
    SCOPED_TRACE(missing);
    Scenario s;
    s.Maze(1, {"S G"});
    std::filesystem::remove(s.folder.Path() / missing);
    s.host.AnswerOk();
    EXPECT_EQ(s.Run(), 1);
    ASSERT_EQ(s.host.dialogs.size(), 1u);
    EXPECT_THAT(s.host.dialogs[0].text, testing::HasSubstr(missing));
    EXPECT_EQ(s.host.dialogs[0].title, "Tarnwick");
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
