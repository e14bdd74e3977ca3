// The game under a key storm: 20,000 random key-downs, key-ups and a few
// close requests, with bursts inside the clip waits, the menu loop and the
// winning clip. Whenever the game ends (Esc or Enter on the quit entry, a
// close request) it is started again on the same folder with the rest of
// the storm.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>

#include "game/GameTexts.h"
#include "game/frmMain.h"
#include "maze/MazeFile.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

namespace vk = platform::vk;

constexpr int kStormEvents = 20000;

// Maze 1 is won with one step right; maze 2 has keys, doors and walls to
// walk into; maze 3 lies in the far corner of an open grid, by the edges.
void WriteMazes(fake::ScenarioFolder& folder) {
  folder.WriteMaze("1", fake::DrawMaze({"SG"}));
  folder.WriteMaze("2", fake::DrawMaze({
                            "SaA.bB.G",
                            ".#..#..#",
                            "c.C.....",
                        }));
  maze::MazeRecord corner = maze::NewMazeRecord();
  corner.start = {100, 100};
  corner.goal = {96, 100};
  maze::SetCell(corner.grid, 99, 99, maze::KeyCell(4));
  maze::SetCell(corner.grid, 98, 100, maze::DoorCell(4));
  maze::SetCell(corner.grid, 100, 98, maze::kWall);
  folder.WriteMaze("3", corner);
}

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
  if (host.openDialogs != 0) return "a dialog was left open";
  return {};
}

// One run of the game, from its load until it ends or the storm is over.
struct Session {
  explicit Session(const std::filesystem::path& folder)
      : form(host, sound, folder), checked(form, [this] { return CheckGame(form, host); }) {
    host.afterEvent = [this] { checked.Check(); };
  }
  fake::VirtualClock clock;
  fake::FakeSound sound{clock};
  StormHost host{clock, sound};
  game::frmMain form;
  CheckedProgram checked;
};

TEST(GameStormTest, TwentyThousandRandomKeysLeaveTheGameSound) {
  const uint32_t seed = StormSeed(20240611);
  SCOPED_TRACE("storm seed " + std::to_string(seed) + " (set TARNWICK_STORM_SEED to repeat)");
  StormMix mix;
  // Arrows most, so the walking gets somewhere between trips to the menu.
  mix.usedKeys = {vk::kLeft,  vk::kLeft,       vk::kLeft,  vk::kRight, vk::kRight,
                  vk::kRight, vk::kUp,         vk::kUp,    vk::kUp,    vk::kDown,
                  vk::kDown,  vk::kDown,       vk::kEnter, vk::kEnter, vk::kSpace,
                  vk::kHome,  vk::Letter('W'), vk::kEnd,   vk::kEscape};
  mix.closeChance = 0.002;
  const std::vector<StormEvent> storm = MakeStorm(seed, kStormEvents, mix);

  fake::ScenarioFolder folder;
  WriteGameClips(folder);
  WriteMazes(folder);

  size_t next = 0;
  int sessions = 0;
  std::map<std::string, int> heard;
  while (next < storm.size()) {
    Session session(folder.Path());
    ScheduleFrom(session.host, storm, next, 50);
    std::optional<int> status;
    try {
      status = session.host.Run(session.checked);
    } catch (const InvariantBroken& broken) {
      FAIL() << broken.what << ", after storm event " << next + session.checked.delivered;
    } catch (const fake::ScriptError& error) {
      FAIL() << error.what() << ", after storm event " << next + session.checked.delivered;
    }
    ++sessions;
    if (status) {
      EXPECT_EQ(*status, 0) << "the game ended with a failure, after storm event "
                            << next + session.checked.delivered;
    }
    EXPECT_TRUE(session.host.dialogs.empty())
        << "the game showed \"" << session.host.dialogs.front().text << "\"";
    ASSERT_GT(session.checked.delivered, 0) << "a session took no event";
    next += static_cast<size_t>(session.checked.delivered);
    for (const std::string& name : session.sound.HeardNames()) ++heard[name];
  }
  std::cout << "game storm: " << storm.size() << " events in " << sessions << " runs; heard "
            << heard["step.wav"] << " steps, " << heard[game::kWinMazeClip] << " wins, "
            << heard[game::kOpenDoorClip] << " doors opened\n";
  // The storm reached every corner it is meant to shake.
  for (const char* clip :
       {game::kStepClip, game::kChooseMazeClip, game::kGoClip, game::kEdgeClip, game::kWallClip,
        game::kDoorClip, game::kKeyClip, game::kWinMazeClip, game::kQuitClip}) {
    EXPECT_GT(heard[clip], 0) << clip << " was never heard";
  }
}

}  // namespace
}  // namespace robustness
