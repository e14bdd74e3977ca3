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

void ExpectMissingClipEnd(const RunRecord& run, const std::string& clip,
                          const std::string& programName) {
  ASSERT_EQ(run.dialogs.size(), 1u) << "the first dialog: " << run.dialogs.front().text;
  EXPECT_EQ(run.dialogs[0].text, sound::MissingClipsMessage({clip}));
  EXPECT_NE(run.dialogs[0].text.find(clip), std::string::npos);
  EXPECT_EQ(run.dialogs[0].title, programName);
  EXPECT_EQ(run.endStatus, 1);
  EXPECT_TRUE(run.heard.empty()) << "it played " << run.heard.front();
}

TEST(MissingClipTest, TheGameNamesEachMissingClipAndEnds) {
  const std::vector<std::string> clips = game::GameClipNames();
  for (const std::string& clip : clips) {
    SCOPED_TRACE(clip);
    fake::ScenarioFolder folder;
    WriteGameClips(folder);
    folder.WriteMaze("1", fake::DrawMaze({"SG"}));
    std::filesystem::remove(folder.Path() / clip);
    ExpectMissingClipEnd(RunGameChoosing(folder, 1), clip, game::kProgramName);
  }
}

TEST(MissingClipTest, TheEditorNamesEachMissingClipAndEnds) {
  for (const std::string& clip : editor::kEditorClips) {
    SCOPED_TRACE(clip);
    fake::ScenarioFolder folder;
    WriteEditorClips(folder);
    std::filesystem::remove(folder.Path() / clip);
    ExpectMissingClipEnd(RunEditorOpening(folder, {}), clip, editor::kProgramName);
  }
}

}  // namespace
}  // namespace robustness
