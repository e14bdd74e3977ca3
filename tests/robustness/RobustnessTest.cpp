// Both programs under key storms, and on maze files spoilt at random. Each
// must stay within its grid and end only when told to.

#include <gtest/gtest.h>

#include <random>

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"
#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "tests/support/Story.h"

namespace {

namespace vk = platform::vk;

// Key-downs and key-ups at random, mostly arrows, often inside clip waits.
template <class Form>
void Storm(fake::Story<Form>& s, const std::vector<int>& keys, int events, unsigned seed) {
  std::mt19937 random(seed);
  int64_t t = s.kFirstKeyAt;
  for (int i = 0; i < events; ++i) {
    t += random() % 120;
    const int key = keys[random() % keys.size()];
    if (random() % 3 != 0) s.host.KeyDown(t, key, random() % 8 == 0 ? platform::kCtrlMask : 0);
    if (random() % 2 != 0) s.host.KeyUp(t + random() % 200, key);
  }
}

TEST(KeyStorm, TheGameKeepsThePlayerOnTheGridAndNeverEnds) {
  fake::Story<game::frmMain> s(game::GameClipNames());
  // Enough mazes to keep the quit entry out of a random walk's reach.
  for (int n = 1; n <= 40; ++n)
    s.Maze(n, n % 2 ? std::vector<std::string>{"S  a #", " ## A G", "b  #  B"}
                    : std::vector<std::string>{"S G"});
  Storm(s, {vk::kLeft, vk::kRight, vk::kUp, vk::kDown, vk::kEnter, vk::kSpace, 'W', vk::kHome, 'Q'},
        20000, 1803);
  int wins = 0;
  s.host.afterEvent = [&] {
    if (s.form.MazeNumber != 0) {
      ASSERT_TRUE(maze::OnGrid(s.form.position.x, s.form.position.y));
      ASSERT_FALSE(
          maze::IsWall(maze::CellAt(s.form.maze.grid, s.form.position.x, s.form.position.y)));
    }
    ASSERT_LE(s.form.announcements.Count(), sound::AnnouncementQueue::kCapacity);
    wins += s.form.FormMode == game::kModePlayBreakableWav;
  };
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_GT(wins, 0);
}

TEST(KeyStorm, TheEditorKeepsItsCursorOnTheGridAndItsDialogsAnswered) {
  fake::Story<editor::frmMain> s(editor::kEditorClips);
  std::mt19937 random(4711);
  const std::vector<std::string> answers = {"3", "17", "abc", "0", "25", "-4", "2.5", "", "y", "n"};
  s.host.answerer = [&](const std::string& text) -> std::string {
    if (text == editor::kAnotherMazeQuestion) return "y";
    return answers[random() % answers.size()];
  };
  Storm(s,
        {vk::kLeft, vk::kRight, vk::kUp, vk::kDown, vk::kSpace, vk::kDelete, vk::kEscape, 'S', 'W',
         'D', 'K', 'I', 'F', 'C'},
        20000, 4711);
  s.host.afterEvent = [&] {
    ASSERT_TRUE(maze::OnGrid(s.form.EditCursor().x, s.form.EditCursor().y));
    for (const std::string& row : s.form.Maze().grid) ASSERT_GE(row.size(), 100u);
  };
  EXPECT_EQ(s.Run(), std::nullopt);
  EXPECT_GT(s.host.captions.size(), 1000u);
}

TEST(BadMazeFiles, NeitherProgramFallsOverOrWritesASpoiltFile) {
  std::mt19937 random(99);
  const std::string good = fake::ReadFile(fake::Fixture("winnable.maz"));
  for (int n = 0; n < 60; ++n) {
    std::string bytes = good.substr(0, good.size() - random() % 300);
    for (int i = random() % 8; i > 0; --i) bytes[random() % bytes.size()] = char(random() % 256);
    fake::Story<game::frmMain> g(game::GameClipNames());
    fake::WriteFile(g.folder / "1.maz", bytes);
    g.Keys("Enter Right Down Space");
    const std::optional<int> status = g.Run();
    EXPECT_TRUE(status == std::nullopt ||
                (status == 1 && g.ShownSince() == std::vector<std::string>{game::kMazeFileMessage}))
        << n;
    fake::Story<editor::frmMain> e(editor::kEditorClips);
    fake::WriteFile(e.folder / "1.maz", bytes);
    int prompts = 0;
    e.host.answerer = [&prompts](const std::string& text) -> std::string {
      if (text != editor::kMazeNumberPrompt) return "n";
      return ++prompts == 1 ? "1" : "2";
    };
    e.Keys("Right Space Esc");
    e.Run();
    EXPECT_EQ(fake::ReadFile(e.folder / "1.maz"), bytes) << n;
  }
}

}  // namespace
