// The editor under a key storm: 20,000 random key-downs, key-ups and close
// requests, every dialog answered at random (Cancel, garbage, numbers in and
// out of range, Yes and No). When the author says No to "Edit another
// maze?" the editor ends and is started again on the same folder, whose
// mazes it has meanwhile saved, with the rest of the storm.

#include <gtest/gtest.h>

#include <random>

#include "editor/EditorTexts.h"
#include "editor/frmMain.h"
#include "maze/MazeFile.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

namespace vk = platform::vk;

constexpr int kStormEvents = 20000;

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
  if (host.openDialogs != 0) return "a dialog was left open";
  return {};
}

// What the author answers, picked at random.
struct RandomAuthor {
  explicit RandomAuthor(uint32_t seed) : random(seed) {}
  fake::DialogAnswer operator()(fake::DialogKind kind, const std::string& text) {
    std::uniform_real_distribution<> unit(0, 1);
    switch (kind) {
      case fake::DialogKind::Message:
        return {kind, false, {}};
      case fake::DialogKind::YesNo: {
        // Going on with another maze is the usual choice; No ends the run.
        const bool yes = unit(random) < (text == editor::kAnotherMazeQuestion ? 0.85 : 0.5);
        if (yes && text == editor::kSaveQuestion) ++savesAsked;
        return {kind, yes, {}};
      }
      case fake::DialogKind::Text: {
        static const char* const kEntries[] = {"",   "1",     "2",   " 3 ", "4",  "abc", "0", "-3",
                                               "21", "99999", "2.5", "1e3", "20", "7",   "1", "\t5",
                                               "3.", "+2",    "11",  "",    "15", "x"};
        return {kind, false, kEntries[random() % std::size(kEntries)]};
      }
    }
    return {kind, false, {}};
  }
  std::mt19937 random;
  int savesAsked = 0;
};

struct Session {
  explicit Session(const std::filesystem::path& folder)
      : form(host, sound, folder), checked(form, [this] { return CheckEditor(form, host); }) {
    host.afterEvent = [this] {
      if (checked.loaded) checked.Check();
    };
  }
  fake::VirtualClock clock;
  fake::FakeSound sound{clock};
  StormHost host{clock, sound};
  editor::frmMain form;
  CheckedProgram checked;
};

TEST(EditorStormTest, TwentyThousandRandomKeysAndAnswersLeaveTheEditorSound) {
  const uint32_t seed = StormSeed(20240612);
  SCOPED_TRACE("storm seed " + std::to_string(seed) + " (set TARNWICK_STORM_SEED to repeat)");
  StormMix mix;
  mix.usedKeys = {vk::kLeft,       vk::kRight,      vk::kUp,         vk::kDown,
                  vk::kLeft,       vk::kRight,      vk::kUp,         vk::kDown,
                  vk::kSpace,      vk::kDelete,     vk::kEscape,     vk::Letter('C'),
                  vk::Letter('D'), vk::Letter('K'), vk::Letter('I'), vk::Letter('F'),
                  vk::Letter('S'), vk::Letter('W'), vk::Letter('S'), vk::Letter('W')};
  mix.closeChance = 0.01;
  const std::vector<StormEvent> storm = MakeStorm(seed, kStormEvents, mix);

  fake::ScenarioFolder folder;
  WriteEditorClips(folder);
  folder.WriteMaze("1", fake::DrawMaze({"S..#", ".a.A", "...G"}));
  // Maze 2 cannot be read: the editor must say so and ask again.
  folder.WriteFile("2.maz", "only a line\r\n");
  RandomAuthor author(seed);

  size_t next = 0;
  int sessions = 0;
  int unreadable = 0;
  int saveFailures = 0;
  while (next < storm.size()) {
    Session session(folder.Path());
    session.host.answerer = [&author](fake::DialogKind kind, const std::string& text) {
      return author(kind, text);
    };
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
      EXPECT_EQ(*status, 0) << "after storm event " << next + session.checked.delivered;
    }
    for (const fake::ShownDialog& dialog : session.host.dialogs) {
      EXPECT_EQ(dialog.title, editor::kTitle) << dialog.text;
      if (dialog.text.find("cannot be read") != std::string::npos) ++unreadable;
      if (dialog.text.find("could not be saved") != std::string::npos) ++saveFailures;
    }
    ASSERT_GT(session.checked.delivered, 0) << "a session took no event";
    next += static_cast<size_t>(session.checked.delivered);
  }
  EXPECT_EQ(folder.ReadFile("2.maz"), "only a line\r\n") << "the unreadable maze was changed";
  EXPECT_FALSE(folder.Exists(maze::SavingPath(folder.Path() / "1.maz").filename().string()));
  EXPECT_EQ(saveFailures, 0);
  std::cout << "editor storm: " << storm.size() << " events in " << sessions << " runs; "
            << author.savesAsked << " saves, " << unreadable << " unreadable-maze messages\n";
  EXPECT_GT(author.savesAsked, 0) << "the storm never saved a maze";
  EXPECT_GT(unreadable, 0) << "the storm never tried the unreadable maze";
  // Every maze the storm saved reads back whole.
  for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
    if (entry.path().extension() != ".maz" || entry.path().filename() == "2.maz") continue;
    EXPECT_TRUE(maze::LoadMaze(entry.path()).ok()) << entry.path().filename();
  }
}

}  // namespace
}  // namespace robustness
