#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "bench/Figures.h"

namespace bench {

Figure MakeFigure(std::string id, std::string name, std::string unit,
                  const std::vector<double>& samples, std::string baselineName, Summary baseline,
                  std::optional<double> p95Limit) {
  Figure figure;
  figure.id = std::move(id);
  figure.name = std::move(name);
  figure.unit = std::move(unit);
  figure.value = Summarize(samples);
  figure.baselineName = std::move(baselineName);
  figure.baseline = baseline;
  if (p95Limit) {
    std::ostringstream target;
    target << "p95 < " << *p95Limit << " " << figure.unit;
    figure.target = target.str();
    figure.met = figure.value.p95 < *p95Limit;
  }
  return figure;
}

std::string Fixed(double value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

namespace {

// Three significant digits or so: 0.123, 12.34, 1234.5.
std::string Pair(const Summary& s) {
  const double big = std::max(std::fabs(s.median), std::fabs(s.p95));
  const int d = big >= 100 ? 1 : big >= 1 ? 2 : 3;
  return "median " + Fixed(s.median, d) + ", p95 " + Fixed(s.p95, d) +
         " (n=" + std::to_string(s.count) + ")";
}

}  // namespace

void Print(std::ostream& out, const Figure& figure) {
  out << "[" << figure.id << "] " << figure.name << ", in " << figure.unit << ":\n"
      << "      " << Pair(figure.value) << "\n"
      << "      baseline, " << figure.baselineName << ": " << Pair(figure.baseline) << "\n"
      << "      target: " << figure.target << " -> "
      << (figure.met ? (*figure.met ? "MET" : "MISSED") : "-") << "\n";
  if (!figure.note.empty()) out << "      " << figure.note << "\n";
  out.flush();
}

}  // namespace bench
