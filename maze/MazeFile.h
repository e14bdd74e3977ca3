#pragma once
// The maze file: 100 row lines, then start x, start y, goal x, goal y, one a
// line, every line ended by CR LF. Rows are bytes, written and read as they
// stand. Reading reports failures as values and lists the repairs it made;
// saving goes through a temporary file so the maze on disk is never lost.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "maze/Grid.h"

namespace maze {

// The file of a maze: the number text followed by ".maz", in the folder.
std::filesystem::path MazePath(const std::filesystem::path& folder, const std::string& numberText);

enum class LoadFailure {
  None,
  Missing,           // no file of that name
  NotAFile,          // a folder or something else stands there
  CannotOpen,        // the file exists but cannot be read
  TooFewRows,        // the file ends before the 100th row
  LfLineEnds,        // too few rows because the lines end in LF alone
  MissingNumber,     // the file ends before the fourth number
  BadNumber,         // a number that is not a decimal integer
  NumberOutOfRange,  // a number outside -32768 to 32767
};

struct LoadError {
  LoadFailure kind = LoadFailure::None;
  // The line of the file the failure was found on (1-based), 0 when none.
  int line = 0;
  // TooFewRows and LfLineEnds: rows read; MissingNumber: numbers read (0 to 3).
  int count = 0;
  // BadNumber and NumberOutOfRange: which number (0 start x ... 3 goal y) and
  // the bytes that stood in its place.
  int number = 0;
  std::string text;

  // A plain sentence for the user, without the file name: "the file ends
  // after 99 rows, but a maze needs 100 rows", "line 102 holds 'abc', which
  // is not a whole number; it should be the start y".
  std::string Describe() const;
};

// The rows the reader repaired or kept out of the ordinary, by row number.
struct RowLength {
  int row = 0;
  std::size_t length = 0;
  friend bool operator==(const RowLength&, const RowLength&) = default;
};

struct LoadReport {
  std::vector<int> paddedFrom40;       // 40-byte rows, padded with 60 spaces
  std::vector<int> emptyFilled;        // empty rows, filled with 100 spaces
  std::vector<RowLength> shortPadded;  // other short rows, padded with spaces to 100
  std::vector<RowLength> longKept;     // rows longer than 100, kept whole
  std::size_t trailingBytes = 0;       // bytes after the goal y's line, never read
};

// The outcome of reading a maze. maze is set exactly when reading
// succeeded; error says what went wrong otherwise. report is filled as far as
// reading got.
struct LoadResult {
  std::optional<MazeRecord> maze;
  LoadError error;
  LoadReport report;

  bool ok() const { return maze.has_value(); }
};

// Reads the file whole, then parses it as ParseMaze does.
LoadResult LoadMaze(const std::filesystem::path& file);

// Parses the bytes of a maze file.
// - A line runs to the next CR or to the end of the bytes; an LF right after
//   that CR is skipped. An LF anywhere else in a row is one of its bytes.
// - A row of 40 bytes gets 60 spaces appended, an empty row becomes 100
//   spaces, any other row shorter than 100 is padded with spaces to 100, a
//   longer row is kept whole.
// - Before each of the four numbers, spaces, CRs and LFs are skipped. A
//   number runs to the next space, comma, CR, LF or the end; a comma after it
//   (after any spaces) belongs to it, so "12,34" holds two numbers. A number
//   is an optional sign and decimal digits within -32768 to 32767.
// - Nothing after the fourth number is read. Start and goal are taken as
//   they stand, on the grid or not.
LoadResult ParseMaze(std::string_view bytes);

// True when both start and goal lie in 1 to 100: a maze that can be walked
// and won. (The game refuses only a start off the grid; the editor opens
// either with the stray position unset.)
bool StartAndGoalOnGrid(const MazeRecord& record);

// The exact bytes of the file: every row as held (a longer row whole), each
// followed by CR LF, then the four numbers as " 12 " (a negative one as
// "-12 "), each followed by CR LF.
std::string FormatMaze(const MazeRecord& record);

struct SaveResult {
  bool ok = false;
  std::string reason;  // why the save failed, for the user; empty when ok
};

// The name of the temporary file SaveMaze writes before it replaces the
// maze: a dot, the file's name, ".saving", in the same folder. The dot keeps
// it out of any count of maze files.
std::filesystem::path SavingPath(const std::filesystem::path& file);

// Writes the maze to SavingPath(file) and forces it to the disk, then
// renames it over the file and forces the folder to the disk. On any failure
// the old file is left as it was, the temporary file is removed and the
// reason is returned, in words an author can act on ("the disk is full").
SaveResult SaveMaze(const std::filesystem::path& file, const MazeRecord& record);

}  // namespace maze
