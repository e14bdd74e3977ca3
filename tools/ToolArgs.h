#pragma once
// Reading the command lines of the tools: whole numbers in a range, and
// options written as "--name value" or "--name=value".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

// A decimal number with nothing else around it, no sign, from low to high.
std::optional<uint64_t> ReadWholeNumber(std::string_view text, uint64_t low, uint64_t high);

// Walks the arguments one by one. An argument "--name=value" counts as the
// option followed by its value.
class ArgReader {
 public:
  explicit ArgReader(const std::vector<std::string>& args);

  bool Done() const { return next_ >= args_.size(); }
  // The next argument, with any "=value" split off and kept for Value().
  std::string Take();
  // The value of the option just taken: its "=value", else the next
  // argument; nothing when there is none.
  std::optional<std::string> Value();
  // True when the option just taken carried "=value" that Value() did not use.
  bool ValueLeft() const { return pending_.has_value(); }

 private:
  std::vector<std::string> args_;
  size_t next_ = 0;
  std::optional<std::string> pending_;
};

}  // namespace tools
