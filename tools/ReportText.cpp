#include "tools/ReportText.h"

namespace tools {

std::string Counted(long long count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string NumberList(const std::vector<int>& numbers) {
  std::vector<std::string> parts;
  for (size_t i = 0; i < numbers.size();) {
    size_t end = i;
    while (end + 1 < numbers.size() && numbers[end + 1] == numbers[end] + 1) ++end;
    if (end - i >= 2) {
      parts.push_back(std::to_string(numbers[i]) + " to " + std::to_string(numbers[end]));
    } else {
      for (size_t j = i; j <= end; ++j) parts.push_back(std::to_string(numbers[j]));
    }
    i = end + 1;
  }
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += i + 1 == parts.size() ? " and " : ", ";
    text += parts[i];
  }
  return text;
}

std::string CellText(maze::GridPosition position) {
  return "column " + std::to_string(position.x) + ", row " + std::to_string(position.y);
}

}  // namespace tools
