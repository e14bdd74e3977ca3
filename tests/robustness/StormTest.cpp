// Both programs under a key storm: 20,000 random key-downs, key-ups and
// close requests each, with bursts inside the clip waits, the menu loop and
// the winning clip. Whenever a program ends it is started again on the same
// folder with the rest of the storm. The editor's dialogs are answered at
// random (Cancel, garbage, numbers in and out of range, Yes and No).

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"
#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "maze/MazeFile.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

namespace vk = platform::vk;

constexpr int kStormEvents = 20000;

std::string CheckGame(const game::frmMain& form, const StormHost& host) {
  static const std::set<std::string> kModes = {game::kModeNone, game::kModeMenu, game::kModeGame,
                                               game::kModePlayBreakableSound,
                                               game::kModePlayBreakableWav};
  if (kModes.count(form.FormMode) == 0) return "FormMode is \"" + form.FormMode + "\"";
  if (form.MazeNumber != 0 && !maze::OnGrid(form.position.x, form.position.y)) {
    return "the position is " + std::to_string(form.position.x) + ", " +
           std::to_string(form.position.y);
  }
  const int queued = form.announcements.Count();
  if (queued < 0 || queued > sound::AnnouncementQueue::kCapacity) {
    return "the announcement queue holds " + std::to_string(queued);
  }
  if (form.FormMode == game::kModeMenu &&
      (form.menuSelection < 1 || form.menuSelection > form.menuEntryCount + 1)) {
    return "the menu selection is " + std::to_string(form.menuSelection);
  }
  return host.openDialogs != 0 ? "a dialog was left open" : "";
}

std::string CheckEditor(const editor::frmMain& form, const StormHost& host) {
  const maze::GridPosition cursor = form.EditCursor();
  if (!maze::OnGrid(cursor.x, cursor.y)) {
    return "the cursor is at " + std::to_string(cursor.x) + ", " + std::to_string(cursor.y);
  }
  for (const maze::GridPosition& p : {form.Maze().start, form.Maze().goal}) {
    if (p.IsSet() && !maze::OnGrid(p.x, p.y)) return "a start or goal lies off the grid";
  }
  for (const std::string& row : form.Maze().grid) {
    if (row.size() < maze::kGridSize) return "a row is shorter than the grid";
  }
  return host.openDialogs != 0 ? "a dialog was left open" : "";
}

TEST(StormTest, TwentyThousandRandomKeysLeaveTheGameSound) {
  const uint32_t seed = StormSeed(20240611);
  SCOPED_TRACE("storm seed " + std::to_string(seed) + " (set TARNWICK_STORM_SEED to repeat)");
  // Arrows most, so the walking gets somewhere between trips to the menu.
  const std::vector<int> keys = {vk::kLeft, vk::kLeft, vk::kRight,  vk::kRight,     vk::kUp,
                                 vk::kUp,   vk::kDown, vk::kDown,   vk::kEnter,     vk::kSpace,
                                 vk::kHome, vk::kEnd,  vk::kEscape, vk::Letter('W')};
  fake::ScenarioFolder folder;
  WriteGameClips(folder);
  // Maze 1 is won with one step right; maze 2 has keys, doors and walls;
  // maze 3 lies in the far corner of an open grid, by the edges.
  folder.WriteMaze("1", fake::DrawMaze({"SG"}));
  folder.WriteMaze("2", fake::DrawMaze({"SaA.bB.G", ".#..#..#", "c.C....."}));
  maze::MazeRecord corner = maze::NewMazeRecord();
  corner.start = {100, 100};
  corner.goal = {96, 100};
  maze::SetCell(corner.grid, 99, 99, maze::KeyCell(4));
  maze::SetCell(corner.grid, 98, 100, maze::DoorCell(4));
  maze::SetCell(corner.grid, 100, 98, maze::kWall);
  folder.WriteMaze("3", corner);

  std::map<std::string, int> heard;
  const int sessions = RunStorm<game::frmMain>(
      folder.Path(), MakeStorm(seed, kStormEvents, keys, 0.002), CheckGame, nullptr,
      [&heard](StormSession<game::frmMain>& session) {
        EXPECT_TRUE(session.host.dialogs.empty())
            << "the game showed \"" << session.host.dialogs.front().text << "\"";
        for (const std::string& name : session.sound.HeardNames()) ++heard[name];
      });
  std::cout << "game storm: " << sessions << " runs; heard " << heard[game::kStepClip] << " steps, "
            << heard[game::kWinMazeClip] << " wins\n";
  // The storm reached every corner it is meant to shake.
  for (const char* clip :
       {game::kStepClip, game::kChooseMazeClip, game::kGoClip, game::kEdgeClip, game::kWallClip,
        game::kDoorClip, game::kKeyClip, game::kWinMazeClip, game::kQuitClip}) {
    EXPECT_GT(heard[clip], 0) << clip << " was never heard";
  }
}

TEST(StormTest, TwentyThousandRandomKeysAndAnswersLeaveTheEditorSound) {
  const uint32_t seed = StormSeed(20240612);
  SCOPED_TRACE("storm seed " + std::to_string(seed) + " (set TARNWICK_STORM_SEED to repeat)");
  const std::vector<int> keys = {
      vk::kLeft,       vk::kRight,      vk::kUp,         vk::kDown,       vk::kLeft,
      vk::kRight,      vk::kUp,         vk::kDown,       vk::kSpace,      vk::kDelete,
      vk::kEscape,     vk::Letter('C'), vk::Letter('D'), vk::Letter('K'), vk::Letter('I'),
      vk::Letter('F'), vk::Letter('S'), vk::Letter('W'), vk::Letter('S'), vk::Letter('W')};
  fake::ScenarioFolder folder;
  WriteEditorClips(folder);
  folder.WriteMaze("1", fake::DrawMaze({"S..#", ".a.A", "...G"}));
  folder.WriteFile("2.maz", "only a line\r\n");  // the editor must say so and ask again

  std::mt19937 random(seed);
  int saves = 0;
  int unreadable = 0;
  auto author = [&](fake::DialogKind kind, const std::string& text) -> fake::DialogAnswer {
    static const char* const kEntries[] = {"",   "1",     "2",   " 3 ", "4",   "abc", "0",  "-3",
                                           "21", "99999", "2.5", "1e3", "\t5", "+2",  "15", "x"};
    // Going on with another maze is the usual choice; No ends the run.
    const bool yes = random() % 100 < (text == editor::kAnotherMazeQuestion ? 85u : 50u);
    if (kind == fake::DialogKind::YesNo && yes && text == editor::kSaveQuestion) ++saves;
    return {kind, yes, kEntries[random() % std::size(kEntries)]};
  };
  RunStorm<editor::frmMain>(
      folder.Path(), MakeStorm(seed, kStormEvents, keys, 0.01), CheckEditor,
      [&author](StormSession<editor::frmMain>& session) { session.host.answerer = author; },
      [&unreadable](StormSession<editor::frmMain>& session) {
        for (const fake::ShownDialog& dialog : session.host.dialogs) {
          EXPECT_EQ(dialog.title, editor::kTitle) << dialog.text;
          EXPECT_EQ(dialog.text.find("could not be saved"), std::string::npos);
          if (dialog.text.find("cannot be read") != std::string::npos) ++unreadable;
        }
      });
  EXPECT_EQ(folder.ReadFile("2.maz"), "only a line\r\n") << "the unreadable maze was changed";
  EXPECT_FALSE(folder.Exists(maze::SavingPath(folder.Path() / "1.maz").filename().string()));
  std::cout << "editor storm: " << saves << " saves, " << unreadable
            << " unreadable-maze messages\n";
  EXPECT_GT(saves, 0) << "the storm never saved a maze";
  EXPECT_GT(unreadable, 0) << "the storm never tried the unreadable maze";
  // Every maze the storm saved reads back whole.
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    if (entry.path().extension() != ".maz" || entry.path().filename() == "2.maz") continue;
    EXPECT_TRUE(maze::LoadMaze(entry.path()).ok()) << entry.path().filename();
  }
}

}  // namespace
}  // namespace robustness
