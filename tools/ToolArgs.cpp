#include "tools/ToolArgs.h"

#include <charconv>

namespace tools {

std::optional<uint64_t> ReadWholeNumber(std::string_view text, uint64_t low, uint64_t high) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < low || value > high) return std::nullopt;
  return value;
}

ArgReader::ArgReader(const std::vector<std::string>& args) : args_(args) {}

std::string ArgReader::Take() {
  pending_.reset();
  std::string arg = args_[next_++];
  const size_t equals = arg.find('=');
  if (arg.starts_with("--") && equals != std::string::npos) {
    pending_ = arg.substr(equals + 1);
    arg.resize(equals);
  }
  return arg;
}

std::optional<std::string> ArgReader::Value() {
  if (pending_) {
    std::optional<std::string> value = std::move(pending_);
    pending_.reset();
    return value;
  }
  if (Done()) return std::nullopt;
  return args_[next_++];
}

}  // namespace tools
