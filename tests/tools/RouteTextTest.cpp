// The words of the report: routes counted in runs and wrapped into lines
// that read back as the same presses, and lists of numbers as read aloud.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/tools/ToolsTestSupport.h"
#include "tools/ReportText.h"
#include "tools/RouteText.h"

namespace {

using maze::RouteStep;
using testing::ElementsAre;

std::vector<RouteStep> Steps(const std::string& presses) {
  std::vector<RouteStep> steps;
  for (char c : presses) steps.push_back(static_cast<RouteStep>(std::string("LRUDO").find(c)));
  return steps;
}

TEST(RouteText, CountsRunsWrapsThemAndReadsBack) {
  EXPECT_THAT(tools::RouteLines(Steps("RRRRRRRRRRRRDDDORLOOU"), 4),
              ElementsAre("Route: right 12, down 3, open door, right 1,",
                          "left 1, open door, open door, up 1."));
  EXPECT_THAT(
      tools::RouteLines(Steps("RDRDRDR"), 3),
      ElementsAre("Route: right 1, down 1, right 1,", "down 1, right 1, down 1,", "right 1."));
  for (const std::string presses : {"R", "ORRRRRRRRRRRRRLLLLLLLLLLLLU", "UDUDUDUDUDUDUDUDUDUD"}) {
    for (size_t perLine : {1u, 4u, 10u}) {
      EXPECT_EQ(toolstest::ReadRoute(tools::RouteLines(Steps(presses), perLine)), Steps(presses))
          << presses << " " << perLine;
    }
  }
}

// Counts, cells and the rows lists are read in whole report sentences in the
// report tests; the ranges are checked here.
TEST(ReportText, ListsNumbersWithRangesOfThreeOrMore) {
  const std::pair<std::vector<int>, const char*> cases[] = {
      {{}, ""}, {{4}, "4"}, {{1, 2, 9}, "1, 2 and 9"}, {{2, 5, 6, 7, 8, 20}, "2, 5 to 8 and 20"}};
  for (const auto& [numbers, text] : cases) EXPECT_EQ(tools::NumberList(numbers), text);
}

}  // namespace
