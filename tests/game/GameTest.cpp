// The game as a player meets it, on the fakes: start-up, the spoken menu,
// walking, the readouts, and mazes it cannot play.

#include <gtest/gtest.h>

#include "editor/EditorTexts.h"
#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "sound/ClipCheck.h"
#include "sound/StartUp.h"
#include "tests/support/Story.h"

namespace {

namespace vk = platform::vk;

struct Game : fake::Story<game::frmMain> {
  explicit Game(int64_t gapMs = 250) : Story(game::GameClipNames(), gapMs) {}
};

maze::MazeRecord Field(int sx, int sy, int gx, int gy) {
  maze::MazeRecord record = maze::NewMazeRecord();
  record.start = {static_cast<int16_t>(sx), static_cast<int16_t>(sy)};
  record.goal = {static_cast<int16_t>(gx), static_cast<int16_t>(gy)};
  return record;
}

TEST(GameStartUp, PlaysTheIntroWholeThenOpensTheMenuWithEveryClipReadAhead) {
  Game s;
  s.Save(1, Field(1, 1, 9, 9));
  // Keys during the intro neither cut it short nor are remembered; a key
  // cuts the menu's opening clip short.
  s.host.KeyDown(50, vk::kEnter);
  s.host.KeyUp(70, vk::kEnter);
  s.host.KeyDown(200, vk::kDown);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.HeardSince(0), "mazeIntro, chooseMaze, 1");
  EXPECT_EQ(s.sound.heard.at(0).end, s.kClipMs);
  EXPECT_EQ(s.sound.heard.at(1).at, s.kClipMs);
  EXPECT_EQ(s.sound.heard.at(1).end, 200);
  EXPECT_EQ(s.form.MazeNumber, 0);
  EXPECT_EQ(s.sound.preloaded, game::GameClipNames());
  EXPECT_EQ(s.host.captions.at(0), game::kCaption);
}

TEST(GameStartUp, EndsWithAMessageWithoutASoundDeviceOrAClip) {
  Game noDevice;
  noDevice.sound.openFailure = "no audio";
  EXPECT_EQ(noDevice.Run(), 1);
  EXPECT_EQ(noDevice.ShownSince(), std::vector<std::string>{sound::kNoSoundMessage});
  Game noClip;
  std::filesystem::remove(noClip.folder / game::kWallClip);
  EXPECT_EQ(noClip.Run(), 1);
  EXPECT_EQ(noClip.ShownSince(),
            std::vector<std::string>{sound::MissingClipsMessage({"wall.wav"})});
  EXPECT_EQ(noClip.host.dialogs.at(0).title, game::kProgramName);
  EXPECT_EQ(noClip.HeardSince(0), "");
}

TEST(GameStartUp, TheBuiltProgramFolderHoldsEveryClipBothProgramsName) {
  EXPECT_EQ(sound::MissingClips(TARNWICK_PROGRAM_DIR, game::GameClipNames()),
            std::vector<std::string>{});
  EXPECT_EQ(sound::MissingClips(TARNWICK_PROGRAM_DIR, editor::kEditorClips),
            std::vector<std::string>{});
}

struct MenuCase {
  int mazes;
  const char* keys;
  std::optional<int> status;  // set when the game ended
  int startedMaze;
  const char* heard;
};

TEST(GameMenu, MovesBetweenTheMazesAndTheQuitEntry) {
  const MenuCase cases[] = {
      {3, "Down Enter", {}, 2, "2, go"},
      {3, "Down Up Up Enter", {}, 1, "2, 1, go"},
      {2, "Down Down Down Enter", 0, 0, "2, quit"},
      {2, "End Enter", 0, 0, "quit"},
      {2, "End Home Enter", {}, 1, "quit, 1, go"},
      {5, "Esc", 0, 0, ""},
  };
  for (const MenuCase& c : cases) {
    Game s;
    for (int n = 1; n <= c.mazes; ++n) s.Save(n, Field(n, 1, 50, 50));
    const int64_t first = s.Keys(c.keys);
    EXPECT_EQ(s.Run(), c.status) << c.keys;
    EXPECT_EQ(s.form.MazeNumber, c.startedMaze) << c.keys;
    EXPECT_EQ(s.HeardSince(first), c.heard) << c.keys;
  }
}

struct WalkCase {
  std::vector<std::string> maze;
  const char* keys;
  const char* heard;
};

TEST(GameWalking, EachKeyIsHeardAsItsOutcome) {
  const WalkCase cases[] = {
      {{"S  G"}, "Left Up", "edge, edge"},
      {{"S   G"}, "Right Right", "step -960, step -940"},
      {{"S#", " #", "G#"}, "Down", "step -980"},
      {{"S#G"}, "Right", "wall"},
      {{"Sa  G"}, "Right Left Right", "step -960, key, step -980, step -960"},
      {{"S A G"}, "Right Right Enter", "step -960, door, no open door"},
      {{"Sa A G"},
       "Right Right Right Enter Right Right Right",
       "step -960, key, step -940, door, open door, step -920, step -900, step -880, winMaze, "
       "chooseMaze, 1"},
      {{"S G"}, "Esc", "chooseMaze, 1"},
  };
  for (const WalkCase& c : cases) {
    Game s;
    s.Maze(1, c.maze);
    s.Keys("Enter");
    const int64_t walk = s.Keys(c.keys);
    s.Run();
    EXPECT_EQ(s.HeardSince(walk), c.heard) << c.keys << " in " << c.maze[0];
  }
}

TEST(GameWalking, AHeldArrowStepsOnceAndTheWinPlaysOutBeforeTheMenu) {
  Game s;
  s.Maze(1, {"S  G"});
  s.Keys("Enter");
  const int64_t hold = s.Hold("Right", 3);
  s.Keys("Right Right");
  s.Run();
  EXPECT_EQ(s.HeardSince(hold), "step -960, step -940, step -920, winMaze, chooseMaze, 1");
  EXPECT_EQ(s.HeardSince(hold).substr(0, 11) + s.HeardSince(hold + 100), s.HeardSince(hold))
      << "the auto-repeats stepped";
  const fake::Heard& win = s.sound.heard.at(s.sound.heard.size() - 3);
  EXPECT_EQ(s.sound.heard.at(s.sound.heard.size() - 2).at, win.at + s.kClipMs);
}

TEST(GameWalking, AnArrowHeldIntoTheMenuStepsAgainInTheNextMaze) {
  Game s;
  s.Maze(1, {"S  G"});
  s.Keys("Enter");
  s.host.KeyDown(s.Now(), vk::kRight);
  s.Wait(250);
  s.Keys("Esc");
  s.host.KeyUp(s.Now(), vk::kRight);
  const int64_t again = s.Keys("Enter Right");
  s.Run();
  EXPECT_EQ(s.HeardSince(again), "go, step -960");
}

TEST(GameWalking, StepsArePannedByColumnAcrossTheGrid) {
  // -980 at column 1, 0 at 50, 1000 at 100; a vertical step by its column.
  Game s;
  s.Save(1, Field(99, 50, 1, 1));
  s.Keys("Enter");
  const int64_t walk = s.Keys("Right Right Down Left*50");
  s.Run();
  EXPECT_EQ(s.HeardSince(walk).substr(0, 40), "step 1000, edge, step 1000, step 980, st");
  EXPECT_EQ(s.HeardSince(walk).substr(s.HeardSince(walk).size() - 13), "step 20, step");
}

TEST(GameReadouts, SpaceTellsWhereThePlayerStandsAndWTheGoal) {
  Game s(100);
  s.Save(1, Field(23, 45, 100, 7));
  s.Keys("Enter");
  const int64_t here = s.Keys("Space");
  s.Wait(1000);
  const int64_t goal = s.Keys("W");
  s.Wait(1000);
  // A new readout silences the one still being spoken.
  const int64_t cut = s.Keys("Space W");
  s.Run();
  using sound::ClipSlot;
  EXPECT_EQ(s.HeardSince(here, ClipSlot::Announcement).substr(0, 28),
            "20, 3, 40, 5, 1, hundred, 7,");
  EXPECT_EQ(s.HeardSince(goal, ClipSlot::Announcement).substr(0, 17), "1, hundred, 7, 20");
  EXPECT_EQ(s.HeardSince(cut, ClipSlot::Announcement), "20, 1, hundred, 7");
  int64_t previousEnd = 0;
  for (const fake::Heard& word : s.sound.heard) {
    if (word.slot != ClipSlot::Announcement || word.at < here) continue;
    EXPECT_GE(word.at, previousEnd) << word.name << " cuts into the word before";
    const int64_t end = word.at >= cut && word.name == "20" ? cut + 100 : word.at + s.kClipMs;
    EXPECT_EQ(word.end, end) << word.name << " at " << word.at;
    previousEnd = word.end;
  }
}

TEST(GameReadouts, AGoalOffTheGridIsPlayedAndToldAsTheFileHoldsIt) {
  Game s;
  s.Save(1, Field(3, 3, 150, 0));
  s.Keys("Enter");
  const int64_t goal = s.Keys("W");
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.HeardSince(goal, sound::ClipSlot::Announcement), "1, hundred, 50");
}

TEST(GameMazeFiles, AMazeItCannotPlayEndsTheGameWithItsMessage) {
  for (const char* fixture : {"truncated.maz", "off-grid-start.maz"}) {
    Game s;
    std::filesystem::copy_file(fake::Fixture(fixture), s.folder / "1.maz");
    s.Keys("Enter");
    EXPECT_EQ(s.Run(), 1) << fixture;
    EXPECT_EQ(s.ShownSince(), std::vector<std::string>{game::kMazeFileMessage}) << fixture;
    EXPECT_EQ(s.HeardSince(s.kFirstKeyAt), "") << fixture;
  }
}

}  // namespace
