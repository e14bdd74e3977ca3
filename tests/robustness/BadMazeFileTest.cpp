// Maze files that cannot be read, through both programs: the game shows its
// fixed message and ends; the editor says the file cannot be read, asks for
// a number again and writes nothing. First every way the reader fails, then
// a few hundred files mutated from the fuzz corpus.

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "editor/EditorTexts.h"
#include "game/GameTexts.h"
#include "maze/MazeFile.h"
#include "tests/robustness/ProgramRuns.h"
#include "tests/robustness/StormSupport.h"

namespace robustness {
namespace {

// `count` rows of a maze file, then `numbers` as they stand.
std::string Maze(int count, const std::string& numbers, const std::string& end = "\r\n") {
  std::string bytes;
  for (int y = 1; y <= count; ++y) bytes += std::string(100, y % 7 == 0 ? '#' : ' ') + end;
  return bytes + numbers;
}

bool StartOnGrid(const maze::MazeRecord& record) {
  return maze::OnGrid(record.start.x, record.start.y);
}

struct ReaderCase {
  const char* name;
  std::string bytes;
  maze::LoadFailure failure;  // None: it reads; the game plays it unless the start is off the grid
};

std::vector<ReaderCase> ReaderCases() {
  using F = maze::LoadFailure;
  return {
      {"an empty file", "", F::TooFewRows},
      {"99 rows", Maze(99, ""), F::TooFewRows},
      {"LF line ends", Maze(100, "1\n1\n5\n5\n", "\n"), F::LfLineEnds},
      {"no numbers", Maze(100, ""), F::MissingNumber},
      {"three numbers", Maze(100, " 1 \r\n 1 \r\n 5 \r\n"), F::MissingNumber},
      {"a word for a number", Maze(100, " 1 \r\n abc \r\n 5 \r\n 5 \r\n"), F::BadNumber},
      {"control bytes for a number", Maze(100, std::string("\0\xfe\r\n1\r\n5\r\n5\r\n", 13)),
       F::BadNumber},
      {"a number past 32767", Maze(100, " 1 \r\n 1 \r\n 40000 \r\n 5 \r\n"), F::NumberOutOfRange},
      {"the start off the grid", Maze(100, " 0 \r\n 1 \r\n 5 \r\n 5 \r\n"), F::None},
      {"the goal off the grid", Maze(100, " 1 \r\n 1 \r\n 101 \r\n 5 \r\n"), F::None},
      {"the goal at 0, 0", Maze(100, " 1 \r\n 1 \r\n 0 \r\n 0 \r\n"), F::None},
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

  // Both programs given the bytes as maze 1: the game plays it only when it
  // reads with the start on the grid (a goal off it is taken as it stands), the editor opens it
  // only when it reads, and neither changes or adds a file. Returns the reader's word.
  maze::LoadResult CheckBothPrograms(const std::string& bytes) {
    gameFolder.WriteFile("1.maz", bytes);
    editorFolder.WriteFile("1.maz", bytes);
    maze::LoadResult loaded = maze::LoadMaze(gameFolder.Path() / "1.maz");
    const RunRecord gameRun = RunGameChoosing(gameFolder, 1);
    if (loaded.ok() && StartOnGrid(*loaded.maze)) {
      ExpectGameStarts(gameRun);
    } else {
      ExpectGameRefuses(gameRun);
    }
    const std::vector<std::string> before = FolderNames(editorFolder.Path());
    const RunRecord editorRun = RunEditorOpening(editorFolder, {"1", "9"});
    if (loaded.ok()) {
      ExpectEditorOpens(editorRun);  // a stray position is unset for the author
    } else {
      ExpectEditorRefuses(editorRun, "1.maz");
    }
    EXPECT_EQ(editorFolder.ReadFile("1.maz"), bytes) << "the editor changed the file";
    EXPECT_EQ(FolderNames(editorFolder.Path()), before) << "the editor wrote a file";
    return loaded;
  }

  fake::ScenarioFolder gameFolder;
  fake::ScenarioFolder editorFolder;
};

TEST_F(BadMazeFileTest, EveryReaderFailureEndsTheGameAndSendsTheEditorBackToItsPrompt) {
  for (const ReaderCase& c : ReaderCases()) {
    SCOPED_TRACE(c.name);
    // The table must fail the way it says, or it tests something else.
    EXPECT_EQ(CheckBothPrograms(c.bytes).error.kind, c.failure);
  }
}

std::string GoodMaze() { return Maze(100, " 1 \r\n 1 \r\n 5 \r\n 5 \r\n"); }

TEST_F(BadMazeFileTest, AMazeMissingFromTheNumberingOrAFolderInItsPlaceEndsTheGame) {
  const std::string good = GoodMaze();
  gameFolder.WriteFile("1.maz", good);
  gameFolder.WriteFile("3.maz", good);
  // Two maze files, so the menu offers 1 and 2; there is no 2.
  ExpectGameRefuses(RunGameChoosing(gameFolder, 2));
  // A folder named as maze 2 is not counted, and cannot be read as one.
  std::filesystem::create_directory(gameFolder.Path() / "2.maz");
  gameFolder.WriteFile("4.maz", good);
  ExpectGameRefuses(RunGameChoosing(gameFolder, 2));
}

TEST_F(BadMazeFileTest, AFileThatCannotBeOpenedEndsTheGameAndSendsTheEditorBack) {
  gameFolder.WriteFile("1.maz", GoodMaze());
  editorFolder.WriteFile("1.maz", GoodMaze());
  for (const fake::ScenarioFolder* folder : {&gameFolder, &editorFolder}) {
    std::filesystem::permissions(folder->Path() / "1.maz", std::filesystem::perms::none);
  }
  if (std::ifstream(gameFolder.Path() / "1.maz").good()) {
    GTEST_SKIP() << "this user (root) reads files without read permission; the file that "
                    "cannot be opened is not tested";
  }
  ExpectGameRefuses(RunGameChoosing(gameFolder, 1));
  ExpectEditorRefuses(RunEditorOpening(editorFolder, {"1", "9"}), "1.maz");
}

// The corpus the fuzzer starts from, each file changed a few bytes at a time.
std::vector<std::string> Mutants(uint32_t seed, int count) {
  std::vector<std::string> corpus;
  for (const auto& entry : std::filesystem::directory_iterator(
           std::filesystem::path(TARNWICK_SOURCE_DIR) / "tests/fuzz/corpus")) {
    std::ifstream in(entry.path(), std::ios::binary);
    corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (corpus.size() < 3) return {};
  std::mt19937 random(seed);
  auto pick = [&random](size_t n) { return n == 0 ? 0 : random() % n; };
  static const char kBytes[] = {'\r', '\n', ' ', ',',  '-',    '+',
                                '0',  '9',  '#', '\0', '\xdb', '\xff'};
  std::vector<std::string> mutants;
  for (int i = 0; i < count; ++i) {
    std::string bytes = corpus[pick(corpus.size())];
    for (size_t changes = 1 + pick(4); changes > 0; --changes) {
      const size_t at = pick(bytes.size() + 1);
      const char byte = pick(3) == 0 ? static_cast<char>(random()) : kBytes[pick(sizeof kBytes)];
      switch (pick(6)) {
        case 0:
          if (at < bytes.size()) bytes[at] = byte;
          break;
        case 1:
          bytes.insert(at, 1, byte);
          break;
        case 2:
          bytes.erase(at, 1 + pick(200));
          break;
        case 3:
          bytes.resize(at);
          break;
        case 4:  // digits among the numbers at the end
          bytes.insert(bytes.size() - std::min<size_t>(bytes.size(), pick(41)),
                       std::to_string(random() % 200000));
          break;
        default: {  // the rest of another file
          const std::string& other = corpus[pick(corpus.size())];
          bytes = bytes.substr(0, at) + other.substr(std::min(at, other.size()));
        }
      }
    }
    mutants.push_back(std::move(bytes));
  }
  return mutants;
}

TEST_F(BadMazeFileTest, MutatedCorpusFilesNeverCrashEitherProgramOrGetWritten) {
  constexpr int kMutants = 300;
  const std::vector<std::string> mutants = Mutants(77, kMutants);
  ASSERT_EQ(mutants.size(), size_t{kMutants}) << "the fuzz corpus is missing";
  int playable = 0;
  int unreadable = 0;
  for (int i = 0; i < kMutants && !HasFailure(); ++i) {
    SCOPED_TRACE("mutant " + std::to_string(i) + " of seed 77");
    const maze::LoadResult loaded = CheckBothPrograms(mutants[i]);
    playable += loaded.ok() && StartOnGrid(*loaded.maze);
    unreadable += !loaded.ok();
  }
  std::cout << kMutants << " mutated files: " << playable << " playable, " << unreadable
            << " unreadable\n";
  // Both sides of the reader were reached.
  EXPECT_GT(playable, 0);
  EXPECT_GT(unreadable, 0);
}

}  // namespace
}  // namespace robustness
