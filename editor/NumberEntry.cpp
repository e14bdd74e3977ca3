#include "editor/NumberEntry.h"

#include <cstdint>
#include <limits>

namespace editor {
namespace {

constexpr char kBlank = ' ';

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimmedView(std::string_view entry) {
  const size_t begin = entry.find_first_not_of(kBlank);
  if (begin == std::string_view::npos) return {};
  const size_t end = entry.find_last_not_of(kBlank);
  return entry.substr(begin, end - begin + 1);
}

// The parts of an entry that reads as a number.
struct NumberParts {
  bool negative = false;
  std::string_view whole;     // at least one digit
  std::string_view fraction;  // empty, or the digits after the point
};

std::optional<NumberParts> Split(std::string_view entry) {
  std::string_view text = TrimmedView(entry);
  if (text.empty()) return std::nullopt;

  NumberParts parts;
  if (text.front() == '+' || text.front() == '-') {
    parts.negative = text.front() == '-';
    text.remove_prefix(1);
  }
  size_t digits = 0;
  while (digits < text.size() && IsDigit(text[digits])) ++digits;
  if (digits == 0) return std::nullopt;
  parts.whole = text.substr(0, digits);
  text.remove_prefix(digits);
  if (text.empty()) return parts;
  if (text.front() != '.') return std::nullopt;
  text.remove_prefix(1);
  size_t fractionDigits = 0;
  while (fractionDigits < text.size() && IsDigit(text[fractionDigits])) ++fractionDigits;
  if (fractionDigits == 0 || fractionDigits != text.size()) return std::nullopt;
  parts.fraction = text;
  return parts;
}

}  // namespace

std::string TrimBlanks(std::string_view entry) { return std::string(TrimmedView(entry)); }

std::optional<int16_t> RoundedDownValue(std::string_view entry) {
  const std::optional<NumberParts> parts = Split(entry);
  if (!parts) return std::nullopt;
  // Any magnitude past this is out of range whatever the sign; stopping
  // there keeps a long run of digits from overflowing.
  constexpr int64_t kBeyondRange = 100'000;
  int64_t magnitude = 0;
  for (char digit : parts->whole) {
    magnitude = magnitude * 10 + (digit - '0');
    if (magnitude > kBeyondRange) return std::nullopt;
  }
  const bool hasFraction = parts->fraction.find_first_not_of('0') != std::string_view::npos;
  // Rounding down moves a negative value with a fraction one further away.
  const int64_t value = parts->negative ? -magnitude - (hasFraction ? 1 : 0) : magnitude;
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(value);
}

}  // namespace editor
