// The spoken maze menu: moving, confirming, quitting, counting the mazes.
#include "tests/game/GameScenario.h"

namespace {

using gametest::Scenario;
using testing::ElementsAre;
using testing::IsEmpty;
namespace vk = platform::vk;

const std::vector<std::string> kSmallMaze{"S  G"};

Scenario& WithMazes(Scenario& s, int count) {
  for (int n = 1; n <= count; ++n) s.Maze(n, kSmallMaze);
  return s;
}

TEST(Menu, DownAndUpSpeakEachEntryHomeGoesBackToOne) {
  Scenario s;
  WithMazes(s, 5);
  const int64_t from = s.Time();
  s.Press({vk::kDown, vk::kDown, vk::kUp, vk::kHome});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav", "3.wav", "2.wav", "1.wav"));
  EXPECT_EQ(s.form.menuSelection, 1);
}

TEST(Menu, EndGoesStraightToQuitAndUpFromThereSpeaksTheLastMaze) {
  Scenario s;
  WithMazes(s, 5);
  const int64_t from = s.Time();
  s.Press({vk::kEnd, vk::kUp});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(from), ElementsAre("quit.wav", "5.wav"));
  EXPECT_EQ(s.form.menuSelection, 5);
}

// At either end of the list a key that would move past it changes nothing
// and says nothing.
struct EndCase {
  const char* story;
  std::vector<int> before;
  int key;
  int16_t selection;
};

TEST(Menu, MovesPastEitherEndChangeNothingAndSayNothing) {
  const EndCase cases[] = {
      {"up at entry 1", {}, vk::kUp, 1},
      {"Home at entry 1", {}, vk::kHome, 1},
      {"down at the quit entry", {vk::kEnd}, vk::kDown, 6},
      {"End at the quit entry", {vk::kEnd}, vk::kEnd, 6},
  };
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.story);
    Scenario s;
    WithMazes(s, 5);
    for (int key : c.before) s.Press(key);
    const int64_t from = s.Time();
    s.Press(c.key);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_THAT(s.Said(from), IsEmpty());
    EXPECT_EQ(s.form.menuSelection, c.selection);
  }
}

// Keys arriving in one yield of the menu loop: the movements are acted on in
// the order down, up, Home, End, but Enter is looked at first.
struct SamePassCase {
  const char* story;
  std::vector<int> before;
  std::initializer_list<int> together;
  int16_t selection;
  std::vector<std::string> said;
  int16_t startedMaze;  // 0: still in the menu
};

TEST(Menu, KeysInOnePassOfTheLoop) {
  const SamePassCase cases[] = {
      {"down and Enter confirm the entry as it stood", {}, {vk::kDown, vk::kEnter}, 1, {}, 1},
      {"Enter and Esc confirm the entry as it stood",
       {vk::kDown},
       {vk::kEnter, vk::kEscape},
       2,
       {},
       2},
      {"down and up from an entry announce it again",
       {vk::kDown},
       {vk::kDown, vk::kUp},
       2,
       {"2.wav"},
       0},
      {"down and up from the quit entry move to the last maze",
       {vk::kEnd},
       {vk::kDown, vk::kUp},
       5,
       {"5.wav"},
       0},
      {"Home and End end at the quit entry",
       {vk::kDown},
       {vk::kHome, vk::kEnd},
       6,
       {"quit.wav"},
       0},
  };
  for (const SamePassCase& c : cases) {
    SCOPED_TRACE(c.story);
    Scenario s;
    WithMazes(s, 5);
    for (int key : c.before) s.Press(key);
    const int64_t from = s.Time();
    s.Together(c.together);
    EXPECT_EQ(s.Run(), std::nullopt);
    EXPECT_EQ(s.Said(from), c.said);
    EXPECT_EQ(s.form.menuSelection, c.selection);
    if (c.startedMaze != 0) {
      EXPECT_EQ(s.form.FormMode, "game");
      EXPECT_EQ(s.form.MazeNumber, c.startedMaze);
      EXPECT_EQ(s.PlayedAt("go.wav"), from);
    } else {
      EXPECT_EQ(s.form.FormMode, "menu");
    }
  }
}

TEST(Menu, AHeldArrowKeepsMovingButRepeatsInOnePassCountOnce) {
  Scenario s;
  WithMazes(s, 9);
  const int64_t from = s.Time();
  s.Hold(vk::kDown, 3);  // four key-downs, 30 ms apart
  s.Together({vk::kDown, vk::kDown});
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav", "3.wav", "4.wav", "5.wav", "6.wav"));
  EXPECT_EQ(s.form.menuSelection, 6);
}

TEST(Menu, AKeyReleasedInTheSamePassStillMoves) {
  Scenario s;
  WithMazes(s, 3);
  const int64_t tap = s.Time();
  s.host.KeyDown(tap, vk::kDown);
  s.host.KeyUp(tap, vk::kDown);  // key-ups do nothing in the menu
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(tap), ElementsAre("2.wav"));
  EXPECT_EQ(s.form.menuSelection, 2);
}

TEST(Menu, EachRunStartsAgainAtEntryOne) {
  Scenario s;
  WithMazes(s, 3);
  s.Choose(3).Press(vk::kEscape).Wait(gametest::kChooseMazeMs);
  const int64_t again = s.Time();
  s.Press(vk::kEnter);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(again - gametest::kChooseMazeMs), ElementsAre("1.wav"));
  EXPECT_EQ(s.form.MazeNumber, 1);
  EXPECT_EQ(s.PlayedAt("go.wav", 1), again);
}

TEST(Menu, EscEndsTheGameAtOnceWithoutSayingQuit) {
  Scenario s;
  WithMazes(s, 3);
  s.Press(vk::kDown);
  const int64_t escAt = s.Time();
  s.Press(vk::kEscape);
  EXPECT_EQ(s.Run(), 0);
  EXPECT_EQ(s.host.Now(), escAt);
  EXPECT_EQ(s.PlayedAt("quit.wav"), -1);
}

TEST(Menu, ConfirmingTheQuitEntryEndsTheGame) {
  Scenario s;
  WithMazes(s, 3);
  s.Press({vk::kEnd, vk::kEnter});
  EXPECT_EQ(s.Run(), 0);
  EXPECT_NE(s.PlayedAt("quit.wav"), -1);
  EXPECT_EQ(s.PlayedAt("go.wav"), -1);
}

TEST(Menu, WithNoMazesOneIsSpokenAndOnlyQuitIsOffered) {
  Scenario s;
  const int64_t from = s.Time();
  s.Press({vk::kDown, vk::kEnd, vk::kUp, vk::kHome});
  s.Press(vk::kEnter);
  EXPECT_EQ(s.Run(), 0);
  EXPECT_THAT(s.Said(), ElementsAre("1.wav"));
  EXPECT_THAT(s.Said(from), IsEmpty());
  EXPECT_EQ(s.form.menuEntryCount, 0);
}

TEST(Menu, CountsOnlyOrdinaryMazeFilesAndCountsAfreshEachTimeItOpens) {
  Scenario s;
  s.Maze(1, kSmallMaze);
  s.folder.WriteFile(".2.maz", "hidden");
  std::filesystem::create_directory(s.folder.Path() / "3.maz");
  // A second maze appears while the first is being played.
  s.host.afterEvent = [&s] {
    if (s.form.FormMode == "game" && !s.folder.Exists("2.maz")) s.Maze(2, kSmallMaze);
  };
  s.Press(vk::kEnd);  // 1 maze: End is the quit entry, entry 2
  const int64_t firstCount = s.Time();
  s.Press({vk::kHome, vk::kEnter});
  s.Press(vk::kEscape).Wait(gametest::kChooseMazeMs);
  const int64_t from = s.Time();
  s.Press(vk::kDown);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(firstCount - gametest::kGapMs, firstCount), ElementsAre("quit.wav"));
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav"));
  EXPECT_EQ(s.form.menuEntryCount, 2);
}

TEST(Menu, EnterDuringTheOpeningClipOnlyCutsItShort) {
  Scenario s;
  WithMazes(s, 2);
  const int64_t cutAt = gametest::kIntroMs + 150;
  s.At(cutAt).Press(vk::kEnter);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav"), cutAt);
  EXPECT_EQ(s.PlayedAt("1.wav"), cutAt);
  EXPECT_EQ(s.PlayedAt("go.wav"), -1);
  EXPECT_EQ(s.form.FormMode, "menu");
}

TEST(Menu, AQuickRunOfKeysIsHeardAsCutOffWordsEndingInTheLastEntry) {
  Scenario s;
  WithMazes(s, 5);
  s.Wait(200);  // the opening "1" has ended
  const int64_t from = s.Time();
  for (int i = 0; i < 3; ++i) s.host.Press(from + i * 40, vk::kDown, 0, 10);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav", "3.wav", "4.wav"));
  EXPECT_EQ(s.OpAt("stop", "2.wav"), from + 40);
  EXPECT_EQ(s.OpAt("stop", "3.wav"), from + 80);
  EXPECT_EQ(s.form.menuSelection, 4);
}

}  // namespace
