// Maze files that cannot be read, through both programs: the game shows its
// fixed message and ends; the editor says the file cannot be read, asks for
// a number again and writes nothing. First every way the reader fails, then
// a few hundred files mutated from the fuzz corpus.

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "editor/EditorTexts.h"
#include "game/GameTexts.h"
#include "maze/MazeFile.h"
#include "tests/robustness/ProgramRuns.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

std::string Rows(int count, const std::string& end = "\r\n") {
  std::string bytes;
  for (int y = 1; y <= count; ++y) bytes += std::string(100, y % 7 == 0 ? '#' : ' ') + end;
  return bytes;
}

std::string Numbers(const std::vector<std::string>& numbers, const std::string& end = "\r\n") {
  std::string bytes;
  for (const std::string& n : numbers) bytes += n + end;
  return bytes;
}

struct ReaderCase {
  const char* name;
  std::string bytes;
  maze::LoadFailure failure;  // None: it reads, but the game refuses it
};

std::vector<ReaderCase> ReaderCases() {
  const std::string rows = Rows(100);
  return {
      {"an empty file", "", maze::LoadFailure::TooFewRows},
      {"99 rows", Rows(99), maze::LoadFailure::TooFewRows},
      {"LF line ends", Rows(100, "\n") + Numbers({"1", "1", "5", "5"}, "\n"),
       maze::LoadFailure::LfLineEnds},
      {"no numbers", rows, maze::LoadFailure::MissingNumber},
      {"three numbers", rows + Numbers({" 1 ", " 1 ", " 5 "}), maze::LoadFailure::MissingNumber},
      {"a word for a number", rows + Numbers({" 1 ", " abc ", " 5 ", " 5 "}),
       maze::LoadFailure::BadNumber},
      {"a comma for a number", rows + Numbers({",", " 1 ", " 5 ", " 5 "}),
       maze::LoadFailure::BadNumber},
      {"a number past 32767", rows + Numbers({" 1 ", " 1 ", " 40000 ", " 5 "}),
       maze::LoadFailure::NumberOutOfRange},
      {"control bytes for a number",
       rows + Numbers({std::string("\0\xfe", 2), " 1 ", " 5 ", " 5 "}),
       maze::LoadFailure::BadNumber},
      {"the start off the grid", rows + Numbers({" 0 ", " 1 ", " 5 ", " 5 "}),
       maze::LoadFailure::None},
      {"the goal off the grid", rows + Numbers({" 1 ", " 1 ", " 101 ", " 5 "}),
       maze::LoadFailure::None},
  };
}

class BadMazeFileTest : public ::testing::Test {
 protected:
  BadMazeFileTest() {
    WriteGameClips(gameFolder);
    WriteEditorClips(editorFolder);
  }

  // The game's whole answer to a maze it cannot play.
  void ExpectGameRefuses(const RunRecord& run) {
    ASSERT_EQ(run.dialogs.size(), 1u);
    EXPECT_EQ(run.dialogs[0].text, game::kMazeFileMessage);
    EXPECT_EQ(run.dialogs[0].title, game::kProgramName);
    EXPECT_EQ(run.endStatus, 1);
    EXPECT_EQ(std::count(run.heard.begin(), run.heard.end(), game::kGoClip), 0);
  }

  void ExpectGameStarts(const RunRecord& run) {
    EXPECT_TRUE(run.dialogs.empty()) << run.dialogs[0].text;
    EXPECT_FALSE(run.endStatus.has_value());
    EXPECT_EQ(run.heard.back(), game::kGoClip);
  }

  // The editor is given "1", then "9" should it ask again.
  void ExpectEditorRefuses(const RunRecord& run, const std::string& file) {
    ASSERT_EQ(run.dialogs.size(), 4u);
    EXPECT_EQ(run.dialogs[0].text, editor::kMazeNumberPrompt);
    EXPECT_EQ(run.dialogs[1].text, editor::kMazeExistsMessage);
    const maze::LoadResult loaded = maze::LoadMaze(editorFolder.Path() / file);
    EXPECT_EQ(run.dialogs[2].text, editor::UnreadableMazeMessage(file, loaded.error.Describe()));
    EXPECT_EQ(run.dialogs[3].text, editor::kMazeNumberPrompt);
    EXPECT_EQ(run.mazeNumberText, "9");
    EXPECT_FALSE(run.endStatus.has_value());
  }

  void ExpectEditorOpens(const RunRecord& run) {
    ASSERT_EQ(run.dialogs.size(), 2u) << run.dialogs.back().text;
    EXPECT_EQ(run.dialogs[1].text, editor::kMazeExistsMessage);
    EXPECT_EQ(run.mazeNumberText, "1");
    EXPECT_FALSE(run.endStatus.has_value());
  }

  fake::ScenarioFolder gameFolder;
  fake::ScenarioFolder editorFolder;
};

TEST_F(BadMazeFileTest, EveryReaderFailureEndsTheGameAndSendsTheEditorBackToItsPrompt) {
  for (const ReaderCase& c : ReaderCases()) {
    SCOPED_TRACE(c.name);
    gameFolder.WriteFile("1.maz", c.bytes);
    editorFolder.WriteFile("1.maz", c.bytes);
    // The table must fail the way it says, or it tests something else.
    const maze::LoadResult loaded = maze::LoadMaze(gameFolder.Path() / "1.maz");
    ASSERT_EQ(loaded.error.kind, c.failure) << loaded.error.Describe();

    ExpectGameRefuses(RunGameChoosing(gameFolder, 1));

    const std::vector<std::string> before = FolderNames(editorFolder.Path());
    const RunRecord editorRun = RunEditorOpening(editorFolder, {"1", "9"});
    if (c.failure == maze::LoadFailure::None) {
      // The editor opens it, with the stray position unset for the author.
      ExpectEditorOpens(editorRun);
    } else {
      ExpectEditorRefuses(editorRun, "1.maz");
    }
    EXPECT_EQ(editorFolder.ReadFile("1.maz"), c.bytes) << "the editor changed the file";
    EXPECT_EQ(FolderNames(editorFolder.Path()), before) << "the editor wrote a file";
  }
}

TEST_F(BadMazeFileTest, AMazeMissingFromTheNumberingOrAFolderInItsPlaceEndsTheGame) {
  const std::string good = Rows(100) + Numbers({" 1 ", " 1 ", " 5 ", " 5 "});
  gameFolder.WriteFile("1.maz", good);
  gameFolder.WriteFile("3.maz", good);
  // Two maze files, so the menu offers 1 and 2; there is no 2.
  ExpectGameRefuses(RunGameChoosing(gameFolder, 2));
  // A folder named as maze 2 is not counted, and cannot be read as one.
  std::filesystem::create_directory(gameFolder.Path() / "2.maz");
  gameFolder.WriteFile("4.maz", good);
  ExpectGameRefuses(RunGameChoosing(gameFolder, 2));
}

TEST_F(BadMazeFileTest, AFileThatCannotBeOpenedEndsTheGame) {
  const std::string good = Rows(100) + Numbers({" 1 ", " 1 ", " 5 ", " 5 "});
  gameFolder.WriteFile("1.maz", good);
  editorFolder.WriteFile("1.maz", good);
  for (const fake::ScenarioFolder* folder : {&gameFolder, &editorFolder}) {
    std::filesystem::permissions(folder->Path() / "1.maz", std::filesystem::perms::none);
  }
  if (std::ifstream(gameFolder.Path() / "1.maz").good()) {
    GTEST_SKIP() << "this user reads files without read permission (root), so no file here "
                    "cannot be opened";
  }
  ExpectGameRefuses(RunGameChoosing(gameFolder, 1));
  ExpectEditorRefuses(RunEditorOpening(editorFolder, {"1", "9"}), "1.maz");
}

// The corpus the fuzzer starts from, changed a few bytes at a time.
class Mutator {
 public:
  explicit Mutator(uint32_t seed) : random_(seed) {
    const auto corpus = std::filesystem::path(TARNWICK_SOURCE_DIR) / "tests/fuzz/corpus";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      seeds_.push_back(bytes.str());
    }
  }
  size_t SeedCount() const { return seeds_.size(); }

  std::string Next() {
    std::string bytes = seeds_[Pick(seeds_.size())];
    const int changes = 1 + static_cast<int>(Pick(4));
    for (int i = 0; i < changes; ++i) Change(bytes);
    return bytes;
  }

 private:
  size_t Pick(size_t n) { return n == 0 ? 0 : random_() % n; }

  char InterestingByte() {
    static const char kBytes[] = {'\r', '\n', ' ',    ',',    '-',    '+',    '0',   '9',
                                  '#',  '\0', '\xc8', '\xdb', '\xdc', '\xef', '\xff'};
    return Pick(3) == 0 ? static_cast<char>(random_()) : kBytes[Pick(sizeof kBytes)];
  }

  void Change(std::string& bytes) {
    const size_t at = Pick(bytes.size() + 1);
    switch (Pick(7)) {
      case 0:
        if (!bytes.empty()) bytes[Pick(bytes.size())] = InterestingByte();
        break;
      case 1:
        bytes.insert(at, 1, InterestingByte());
        break;
      case 2:
        bytes.erase(at, 1 + Pick(200));
        break;
      case 3:
        bytes.insert(at, bytes.substr(Pick(bytes.size() + 1), 1 + Pick(300)));
        break;
      case 4:
        bytes.resize(at);
        break;
      case 5: {
        // Digits among the numbers at the end.
        const size_t tail = bytes.size() - std::min<size_t>(bytes.size(), 40) + Pick(41);
        bytes.insert(std::min(tail, bytes.size()), std::to_string(random_() % 200000));
        break;
      }
      default: {
        const std::string& other = seeds_[Pick(seeds_.size())];
        bytes = bytes.substr(0, at) + other.substr(std::min(at, other.size()));
        break;
      }
    }
  }

  std::mt19937 random_;
  std::vector<std::string> seeds_;
};

TEST_F(BadMazeFileTest, MutatedCorpusFilesNeverCrashEitherProgramOrGetWritten) {
  constexpr int kMutants = 300;
  Mutator mutator(77);
  ASSERT_GE(mutator.SeedCount(), 3u) << "the fuzz corpus is missing";
  int playable = 0;
  int refusedByGame = 0;
  int unreadable = 0;
  for (int i = 0; i < kMutants; ++i) {
    const std::string bytes = mutator.Next();
    SCOPED_TRACE("mutant " + std::to_string(i) + " of seed 77, " + std::to_string(bytes.size()) +
                 " bytes");
    gameFolder.WriteFile("1.maz", bytes);
    editorFolder.WriteFile("1.maz", bytes);
    const maze::LoadResult loaded = maze::LoadMaze(gameFolder.Path() / "1.maz");

    const RunRecord gameRun = RunGameChoosing(gameFolder, 1);
    if (loaded.ok() && maze::StartAndGoalOnGrid(*loaded.maze)) {
      ++playable;
      ExpectGameStarts(gameRun);
    } else {
      ++refusedByGame;
      ExpectGameRefuses(gameRun);
    }

    const std::vector<std::string> before = FolderNames(editorFolder.Path());
    const RunRecord editorRun = RunEditorOpening(editorFolder, {"1", "9"});
    if (loaded.ok()) {
      ExpectEditorOpens(editorRun);
    } else {
      ++unreadable;
      ExpectEditorRefuses(editorRun, "1.maz");
    }
    ASSERT_EQ(editorFolder.ReadFile("1.maz"), bytes) << "the editor changed the file";
    ASSERT_EQ(FolderNames(editorFolder.Path()), before) << "the editor wrote a file";
    if (HasFatalFailure()) return;
  }
  std::cout << kMutants << " mutated files: " << playable << " playable, " << refusedByGame
            << " refused by the game, " << unreadable << " unreadable to the editor\n";
  // Both sides of the reader were reached.
  EXPECT_GT(playable, 0);
  EXPECT_GT(unreadable, 0);
}

}  // namespace
}  // namespace robustness
