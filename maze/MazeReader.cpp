// Reading a maze file: the rows line by line, then the four numbers.

#include <cstdint>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

#include "maze/MazeFile.h"

namespace maze {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr int kNumberCount = 4;

enum class NumberForm { Ok, Bad, OutOfRange };

// An optional sign and one or more decimal digits, within 16-bit range.
// Every byte is looked at, so "99999x" is a bad number, not a large one.
NumberForm ParseNumber(std::string_view token, int16_t& value) {
  size_t i = 0;
  bool negative = false;
  if (!token.empty() && (token[0] == '-' || token[0] == '+')) {
    negative = token[0] == '-';
    i = 1;
  }
  if (i == token.size()) return NumberForm::Bad;
  int32_t magnitude = 0;
  for (; i < token.size(); ++i) {
    const char c = token[i];
    if (c < '0' || c > '9') return NumberForm::Bad;
    if (magnitude <= INT16_MAX + 1) magnitude = magnitude * 10 + (c - '0');
  }
  if (magnitude > (negative ? INT16_MAX + 1 : INT16_MAX)) return NumberForm::OutOfRange;
  value = static_cast<int16_t>(negative ? -magnitude : magnitude);
  return NumberForm::Ok;
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }
  size_t Remaining() const { return bytes_.size() - pos_; }
  int line() const { return line_; }

  // A row line: up to the next CR or the end. The CR, and an LF right after
  // it, are skipped and belong to no line.
  std::string_view ReadLine() {
    size_t end = bytes_.find(kCR, pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    const std::string_view line = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    SkipLineEnd();
    return line;
  }

  // Spaces and line ends before a number.
  void SkipGaps() {
    while (!AtEnd()) {
      if (Peek() == ' ') {
        ++pos_;
      } else if (!SkipLineEnd()) {
        return;
      }
    }
  }

  // A number's bytes: up to the next space, comma, CR, LF or the end. A
  // comma after it, past any spaces, is its separator and is taken with it.
  std::string_view ReadNumberText() {
    const size_t start = pos_;
    while (!AtEnd() && Peek() != ' ' && Peek() != ',' && Peek() != kCR && Peek() != kLF) ++pos_;
    const std::string_view text = bytes_.substr(start, pos_ - start);
    size_t after = pos_;
    while (after < bytes_.size() && bytes_[after] == ' ') ++after;
    if (after < bytes_.size() && bytes_[after] == ',') pos_ = after + 1;
    return text;
  }

  // Spaces and one line end after the last number: the rest is trailing.
  void SkipRestOfLine() {
    while (!AtEnd() && Peek() == ' ') ++pos_;
    SkipLineEnd();
  }

 private:
  char Peek() const { return bytes_[pos_]; }

  // A CR with an optional LF after it, or an LF alone.
  bool SkipLineEnd() {
    if (AtEnd()) return false;
    if (Peek() == kCR) {
      ++pos_;
      if (!AtEnd() && Peek() == kLF) ++pos_;
    } else if (Peek() == kLF) {
      ++pos_;
    } else {
      return false;
    }
    ++line_;
    return true;
  }

  std::string_view bytes_;
  size_t pos_ = 0;
  int line_ = 1;
};

// Brings a row read from the file to at least 100 cells and notes the repair.
void RepairRow(std::string& row, int rowNumber, LoadReport& report) {
  const size_t length = row.size();
  if (length == kGridSize) return;
  if (length > kGridSize) {
    report.longKept.push_back({rowNumber, length});
    return;
  }
  if (length == 40) {
    report.paddedFrom40.push_back(rowNumber);
  } else if (length == 0) {
    report.emptyFilled.push_back(rowNumber);
  } else {
    report.shortPadded.push_back({rowNumber, length});
  }
  row.resize(kGridSize, static_cast<char>(kFloor));
}

LoadResult Failure(LoadResult&& result, LoadFailure kind, int line, int count) {
  result.error.kind = kind;
  result.error.line = line;
  result.error.count = count;
  return std::move(result);
}

bool HasOnlyLfLineEnds(std::string_view bytes) {
  return bytes.find(kCR) == std::string_view::npos && bytes.find(kLF) != std::string_view::npos;
}

}  // namespace

std::filesystem::path MazePath(const std::filesystem::path& folder, const std::string& numberText) {
  return folder / (numberText + ".maz");
}

LoadResult ParseMaze(std::string_view bytes) {
  LoadResult result;
  MazeRecord record;
  Reader reader(bytes);
  for (int y = 1; y <= kGridSize; ++y) {
    if (reader.AtEnd()) {
      const LoadFailure kind =
          HasOnlyLfLineEnds(bytes) ? LoadFailure::LfLineEnds : LoadFailure::TooFewRows;
      return Failure(std::move(result), kind, y, y - 1);
    }
    std::string& row = record.grid[y - 1];
    row = reader.ReadLine();
    RepairRow(row, y, result.report);
  }

  int16_t values[kNumberCount] = {};
  for (int i = 0; i < kNumberCount; ++i) {
    reader.SkipGaps();
    if (reader.AtEnd()) {
      return Failure(std::move(result), LoadFailure::MissingNumber, reader.line(), i);
    }
    const int line = reader.line();
    const std::string_view text = reader.ReadNumberText();
    const NumberForm form = ParseNumber(text, values[i]);
    if (form != NumberForm::Ok) {
      result.error.number = i;
      result.error.text = text;
      const LoadFailure kind =
          form == NumberForm::Bad ? LoadFailure::BadNumber : LoadFailure::NumberOutOfRange;
      return Failure(std::move(result), kind, line, i);
    }
  }
  reader.SkipRestOfLine();
  result.report.trailingBytes = reader.Remaining();

  record.start = {values[0], values[1]};
  record.goal = {values[2], values[3]};
  result.maze = std::move(record);
  return result;
}

LoadResult LoadMaze(const std::filesystem::path& file) {
  LoadResult result;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) {
    return Failure(std::move(result), LoadFailure::Missing, 0, 0);
  }
  if (error) {
    result.error.text = error.message();
    return Failure(std::move(result), LoadFailure::CannotOpen, 0, 0);
  }
  if (!std::filesystem::is_regular_file(status)) {
    if (std::filesystem::is_directory(status)) result.error.text = "folder";
    return Failure(std::move(result), LoadFailure::NotAFile, 0, 0);
  }
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  if (in) bytes << in.rdbuf();
  if (!in || in.bad()) return Failure(std::move(result), LoadFailure::CannotOpen, 0, 0);
  return ParseMaze(bytes.str());
}

bool StartAndGoalOnGrid(const MazeRecord& record) {
  return OnGrid(record.start.x, record.start.y) && OnGrid(record.goal.x, record.goal.y);
}

}  // namespace maze
