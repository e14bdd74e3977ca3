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

// In a menu of five mazes: keys pressed one after another (see
// Scenario::Keys), then keys arriving in one yield of the menu loop, where the
// movements are acted on in the order down, up, Home, End, but Enter is looked
// at first. Past either end a key changes nothing and says nothing.
struct MenuCase {
  const char* keys;
  std::initializer_list<int> together;
  std::vector<std::string> said;
  int16_t selection;
  int16_t startedMaze = 0;                 // 0: still in the menu
  std::optional<int> exit = std::nullopt;  // the game ended at the keys together
};

TEST(Menu, MovesConfirmationsAndKeysInOnePass) {
  const MenuCase cases[] = {
      {"vv^H", {}, {"2.wav", "3.wav", "2.wav", "1.wav"}, 1},
      {"N^", {}, {"quit.wav", "5.wav"}, 5},
      {"^H", {}, {}, 1},
      {"NvN", {}, {"quit.wav"}, 6},
      {"", {vk::kDown, vk::kEnter}, {}, 1, 1},  // confirms the entry as it stood
      {"v", {vk::kEnter, vk::kEscape}, {"2.wav"}, 2, 2},
      {"v", {vk::kDown, vk::kUp}, {"2.wav", "2.wav"}, 2},
      {"N", {vk::kDown, vk::kUp}, {"quit.wav", "5.wav"}, 5},
      {"v", {vk::kHome, vk::kEnd}, {"2.wav", "quit.wav"}, 6},
      {"v", {vk::kEscape}, {"2.wav"}, 6, 0, 0},  // to quit without saying it
      {"N", {vk::kEnter}, {"quit.wav"}, 6, 0, 0},
  };
  for (const MenuCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.keys << " then " << c.together.size() << " together");
    Scenario s;
    WithMazes(s, 5);
    const int64_t from = s.Time();
    const int64_t together = s.Keys(c.keys).Time();
    s.Together(c.together);
    EXPECT_EQ(s.Run(), c.exit);
    EXPECT_EQ(s.Said(from), c.said);
    EXPECT_EQ(s.form.menuSelection, c.selection);
    EXPECT_EQ(s.form.MazeNumber, c.startedMaze);
    if (c.exit) {
      EXPECT_EQ(s.host.Now(), together);
    } else {
      EXPECT_EQ(s.form.FormMode, c.startedMaze != 0 ? "game" : "menu");
    }
  }
}

TEST(Menu, AHeldArrowKeepsMovingButRepeatsInOnePassCountOnce) {
  Scenario s;
  WithMazes(s, 9);
  const int64_t from = s.Time();
  s.Hold(vk::kDown, 3);  // four key-downs, 30 ms apart
  s.Together({vk::kDown, vk::kDown});
  s.host.KeyDown(s.Time(), vk::kDown);
  s.host.KeyUp(s.Time(), vk::kDown);  // released in the same pass: still moves
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav", "3.wav", "4.wav", "5.wav", "6.wav", "7.wav"));
  EXPECT_EQ(s.form.menuSelection, 7);
}

TEST(Menu, WithNoMazesOneIsSpokenAndOnlyQuitIsOffered) {
  Scenario s;
  const int64_t from = s.Time();
  s.Keys("vN^HE");
  EXPECT_EQ(s.Run(), 0);
  EXPECT_THAT(s.Said(), ElementsAre("1.wav"));
  EXPECT_THAT(s.Said(from), IsEmpty());
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
  s.Keys("N");  // 1 maze: End is the quit entry, entry 2
  const int64_t firstCount = s.Time();
  s.Keys("HEX").Wait(gametest::kChooseMazeMs);
  const int64_t from = s.Time();
  s.Press(vk::kDown);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_THAT(s.Said(firstCount - gametest::kGapMs, firstCount), ElementsAre("quit.wav"));
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav"));
  EXPECT_EQ(s.form.menuEntryCount, 2);
}

// Enter during the menu's opening clip only cuts it short; a quick run of
// keys after is heard as cut-off words.
TEST(Menu, KeysCutTheOpeningClipAndEachOtherShort) {
  Scenario s;
  WithMazes(s, 5);
  const int64_t cutAt = gametest::kIntroMs + 150;
  s.At(cutAt).Press(vk::kEnter);
  const int64_t from = s.Wait(200).Time();  // the opening "1" has ended
  for (int i = 0; i < 3; ++i) s.host.Press(from + i * 40, vk::kDown, 0, 10);
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_EQ(s.OpAt("stop", "chooseMaze.wav"), cutAt);
  EXPECT_EQ(s.PlayedAt("1.wav"), cutAt);
  EXPECT_THAT(s.Said(from), ElementsAre("2.wav", "3.wav", "4.wav"));
  EXPECT_EQ(s.OpAt("stop", "2.wav"), from + 40);
  EXPECT_EQ(s.OpAt("stop", "3.wav"), from + 80);
  EXPECT_EQ(s.form.FormMode, "menu");
}

}  // namespace
