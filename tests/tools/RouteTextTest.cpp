// The words of the report: routes counted in runs and wrapped into lines,
// and lists of numbers as they are read aloud.
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

TEST(RouteText, CountsRunsOfOneArrowAndGivesEachEnterItsOwnPart) {
  EXPECT_THAT(tools::RouteRuns(Steps("RRRRRRRRRRRRDDDORL")),
              ElementsAre("right 12", "down 3", "open door", "right 1", "left 1"));
  EXPECT_THAT(tools::RouteRuns(Steps("UOOU")),
              ElementsAre("up 1", "open door", "open door", "up 1"));
  EXPECT_TRUE(tools::RouteRuns({}).empty());
}

TEST(RouteText, WrapsTheRunsIntoLinesWithCommasAndAFullStop) {
  EXPECT_THAT(tools::RouteLines(Steps("RRDOD")),
              ElementsAre("Route: right 2, down 1, open door, down 1."));
  EXPECT_THAT(
      tools::RouteLines(Steps("RDRDRDR"), 3),
      ElementsAre("Route: right 1, down 1, right 1,", "down 1, right 1, down 1,", "right 1."));
  EXPECT_THAT(tools::RouteLines(Steps("RDRDRD"), 3),
              ElementsAre("Route: right 1, down 1, right 1,", "down 1, right 1, down 1."));
}

TEST(RouteText, ReadsBackAsTheSamePresses) {
  for (const std::string presses :
       {"R", "RRDODDLLLUUO", "ORRRRRRRRRRRRRLLLLLLLLLLLLU", "UDUDUDUDUDUDUDUDUDUDUDUDUD"}) {
    SCOPED_TRACE(presses);
    for (size_t perLine : {1u, 4u, 10u}) {
      EXPECT_EQ(toolstest::ReadRoute(tools::RouteLines(Steps(presses), perLine)), Steps(presses));
    }
  }
}

TEST(ReportText, ListsNumbersWithRangesOfThreeOrMore) {
  struct Case {
    std::vector<int> numbers;
    const char* text;
  };
  const Case cases[] = {
      {{}, ""},
      {{4}, "4"},
      {{3, 7}, "3 and 7"},
      {{1, 2}, "1 and 2"},
      {{1, 2, 9}, "1, 2 and 9"},
      {{1, 2, 3}, "1 to 3"},
      {{1, 2, 3, 5, 8}, "1 to 3, 5 and 8"},
      {{2, 5, 6, 7, 8, 20}, "2, 5 to 8 and 20"},
  };
  for (const Case& c : cases) EXPECT_EQ(tools::NumberList(c.numbers), c.text);
}

TEST(ReportText, CountsNounsAndNamesCells) {
  EXPECT_EQ(tools::Counted(1, "cell", "cells"), "1 cell");
  EXPECT_EQ(tools::Counted(0, "cell", "cells"), "0 cells");
  EXPECT_EQ(tools::Counted(12, "cell", "cells"), "12 cells");
  EXPECT_EQ(tools::CellText({3, 100}), "column 3, row 100");
}

}  // namespace
