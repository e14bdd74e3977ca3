// Each clip a program names, removed in turn: the program says which one is
// missing, plays nothing and ends.

#include <gtest/gtest.h>

#include "editor/EditorTexts.h"
#include "game/GameTexts.h"
#include "sound/ClipCheck.h"
#include "tests/robustness/ProgramRuns.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

TEST(MissingClipTest, EachProgramNamesEachMissingClipAndEnds) {
  for (const bool isGame : {true, false}) {
    const std::vector<std::string> clips =
        isGame ? game::GameClipNames()
               : std::vector<std::string>(editor::kEditorClips.begin(), editor::kEditorClips.end());
    for (const std::string& clip : clips) {
      SCOPED_TRACE(clip);
      fake::ScenarioFolder folder;
      isGame ? WriteGameClips(folder) : WriteEditorClips(folder);
      folder.WriteMaze("1", fake::DrawMaze({"SG"}));
      std::filesystem::remove(folder.Path() / clip);
      const RunRecord run = isGame ? RunGameChoosing(folder, 1) : RunEditorOpening(folder, {});
      ASSERT_EQ(run.dialogs.size(), 1u) << "the first dialog: " << run.dialogs.front().text;
      EXPECT_EQ(run.dialogs[0].text, sound::MissingClipsMessage({clip}));
      EXPECT_NE(run.dialogs[0].text.find(clip), std::string::npos);
      EXPECT_EQ(run.dialogs[0].title, isGame ? game::kProgramName : editor::kProgramName);
      EXPECT_EQ(run.endStatus, 1);
      EXPECT_TRUE(run.heard.empty()) << "it played " << run.heard.front();
    }
  }
}

}  // namespace
}  // namespace robustness
