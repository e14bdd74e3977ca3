#pragma once
// Samples, their median and 95th percentile, and the one table every figure
// of the benchmark ends up in.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

struct Summary {
  double median = 0;
  double p95 = 0;
  size_t count = 0;
};

// Nearest rank: the 95th percentile of 5 samples is the largest.
Summary Summarize(std::vector<double> samples);

struct Figure {
  std::string id;    // "1a"
  std::string name;  // what was measured
  std::string unit;  // "us", "% of a core", "ms"
  Summary value;
  std::string baselineName;
  std::optional<Summary> baseline;
  std::string target;  // "p95 < 1000", or "none set"
  // Empty when no target applies.
  std::optional<bool> met;
  std::string note;
};

class Report {
 public:
  explicit Report(std::ostream& out) : out_(out) {}
  // Prints the figure at once and keeps it for the closing table.
  void Add(Figure figure);
  // A line of explanation printed with the figures.
  void Say(const std::string& text);
  void PrintTable() const;

 private:
  std::ostream& out_;
  std::vector<Figure> figures_;
};

// A figure of samples against a baseline. With a limit the target is "p95 <
// limit unit" and met when the 95th percentile lies below it; without one
// no target is set.
Figure MakeFigure(std::string id, std::string name, std::string unit,
                  const std::vector<double>& samples, std::string baselineName,
                  std::optional<Summary> baseline, std::optional<double> p95Limit);

std::string Fixed(double value, int decimals);

}  // namespace bench
