// Plain sentences for the ways a maze file can fail to read.

#include <string>

#include "maze/MazeFile.h"

namespace maze {
namespace {

constexpr const char* kNumberNames[] = {"start x", "start y", "goal x", "goal y"};
constexpr size_t kShownTextLength = 20;

const char* NumberName(int number) {
  return number >= 0 && number < 4 ? kNumberNames[number] : "number";
}

// The bytes that stood where a number should be, safe to print and to read
// aloud: anything but printable ASCII becomes '?', and a long run is cut.
std::string Shown(const std::string& text) {
  std::string shown;
  for (size_t i = 0; i < text.size() && i < kShownTextLength; ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    shown += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
  }
  if (text.size() > kShownTextLength) shown += "...";
  return shown;
}

std::string Rows(int count) { return std::to_string(count) + (count == 1 ? " row" : " rows"); }

}  // namespace

std::string LoadError::Describe() const {
  const std::string where = "line " + std::to_string(line);
  const std::string which = std::string("; it should be the ") + NumberName(number);
  switch (kind) {
    case LoadFailure::None:
      return "the file was read without a fault";
    case LoadFailure::Missing:
      return "the file does not exist";
    case LoadFailure::NotAFile:
      return text == "folder" ? "it is a folder, not a file" : "it is not an ordinary file";
    case LoadFailure::CannotOpen:
      return text.empty() ? "the file cannot be opened" : "the file cannot be opened: " + text;
    case LoadFailure::TooFewRows:
      if (count == 0) return "the file is empty";
      return "the file ends after " + Rows(count) + ", but a maze needs 100 rows";
    case LoadFailure::LfLineEnds:
      return "the file ends after " + Rows(count) +
             " because its lines end in LF alone; a maze file needs CR LF line ends";
    case LoadFailure::MissingNumber:
      if (count == 0) return "the file ends after the 100 rows, without the start and goal numbers";
      return "the file ends after " + std::to_string(count) +
             " of the 4 numbers after the rows; the " + NumberName(count) + " is missing";
    case LoadFailure::BadNumber:
      if (text.empty()) return where + " holds a comma where a number should be" + which;
      return where + " holds '" + Shown(text) + "', which is not a whole number" + which;
    case LoadFailure::NumberOutOfRange:
      return where + " holds " + Shown(text) + ", which is outside -32768 to 32767" + which;
  }
  return "the file cannot be read";
}

}  // namespace maze
