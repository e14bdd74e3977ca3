#include "bench/Stats.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace bench {

Summary Summarize(std::vector<double> samples) {
  Summary summary;
  summary.count = samples.size();
  if (samples.empty()) return summary;
  std::sort(samples.begin(), samples.end());
  const size_t n = samples.size();
  summary.median = n % 2 == 1 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
  const auto rank = static_cast<size_t>(std::ceil(0.95 * static_cast<double>(n)));
  summary.p95 = samples[std::max<size_t>(rank, 1) - 1];
  return summary;
}

Figure MakeFigure(std::string id, std::string name, std::string unit,
                  const std::vector<double>& samples, std::string baselineName,
                  std::optional<Summary> baseline, std::optional<double> p95Limit) {
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
  } else {
    figure.target = "none set";
  }
  return figure;
}

std::string Fixed(double value, int decimals) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(decimals) << value;
  return text.str();
}

namespace {

int DecimalsFor(const Summary& s) {
  const double big = std::max(std::fabs(s.median), std::fabs(s.p95));
  if (big >= 100) return 1;
  if (big >= 1) return 2;
  return 3;
}

std::string Pair(const Summary& s) {
  const int d = DecimalsFor(s);
  return "median " + Fixed(s.median, d) + ", p95 " + Fixed(s.p95, d) +
         " (n=" + std::to_string(s.count) + ")";
}

std::string Verdict(const Figure& f) {
  if (!f.met) return "-";
  return *f.met ? "MET" : "MISSED";
}

}  // namespace

void Report::Add(Figure figure) {
  out_ << "[" << figure.id << "] " << figure.name << ", in " << figure.unit << ":\n"
       << "      " << Pair(figure.value) << "\n";
  if (figure.baseline) {
    out_ << "      baseline, " << figure.baselineName << ": " << Pair(*figure.baseline) << "\n";
  } else if (!figure.baselineName.empty()) {
    out_ << "      baseline: " << figure.baselineName << "\n";
  }
  out_ << "      target: " << figure.target << " -> " << Verdict(figure) << "\n";
  if (!figure.note.empty()) out_ << "      " << figure.note << "\n";
  out_.flush();
  figures_.push_back(std::move(figure));
}

void Report::Say(const std::string& text) {
  out_ << text << "\n";
  out_.flush();
}

void Report::PrintTable() const {
  out_ << "\nSummary (median / p95; baseline median / p95)\n";
  for (const Figure& f : figures_) {
    const int d = DecimalsFor(f.value);
    out_ << "  " << std::left << std::setw(4) << f.id << std::setw(58) << f.name.substr(0, 57)
         << std::right << std::setw(10) << Fixed(f.value.median, d) << " / " << std::left
         << std::setw(10) << Fixed(f.value.p95, d) << std::setw(13) << f.unit;
    if (f.baseline) {
      const int bd = DecimalsFor(*f.baseline);
      out_ << "base " << Fixed(f.baseline->median, bd) << " / " << Fixed(f.baseline->p95, bd)
           << "  ";
    }
    out_ << "[" << f.target << ": " << Verdict(f) << "]\n";
  }
  out_.flush();
}

}  // namespace bench
