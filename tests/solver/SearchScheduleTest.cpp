// The first thread's schedule: boards first, the slow searches after, and
// the same shares however long the search is given.
#include <gtest/gtest.h>

#include <map>

#include "solver/SearchSchedule.h"

namespace {

using Search = SearchSchedule::Search;

// The seconds each search gets within the schedule's first `turns`, when
// each first starts, and all of them.
struct Shares {
  std::map<Search, double> seconds, firstAt;
  double total = 0;
};

Shares SharesOf(const SearchSchedule::Puzzle& puzzle, int turns) {
  SearchSchedule schedule(puzzle);
  Shares shares;
  for (double& at = shares.total; turns-- > 0;) {
    const SearchSchedule::Turn turn = schedule.Next();
    shares.firstAt.try_emplace(turn.search, at);
    shares.seconds[turn.search] += turn.seconds;
    at += turn.seconds;
  }
  return shares;
}

}  // namespace

TEST(SearchSchedule, AloneItAnnealsFirstAndGivesTheSatSearchTheLargestShareFromEarlyOn) {
  const SearchSchedule::Puzzle puzzle{true, false, true, true};
  // Two rounds of four turns, and twelve.
  const Shares early = SharesOf(puzzle, 8), late = SharesOf(puzzle, 48);
  EXPECT_GT(late.total, 30);
  EXPECT_EQ(early.firstAt.at(Search::Annealing), 0);
  EXPECT_LE(early.firstAt.at(Search::Neighbourhoods), 0.25);
  EXPECT_LE(early.firstAt.at(Search::Sat), 0.5);
  for (const Shares* shares : {&early, &late}) {
    for (const auto& [search, seconds] : shares->seconds) {
      if (search != Search::Sat) {
        EXPECT_GT(shares->seconds.at(Search::Sat), seconds);
      }
    }
    EXPECT_GT(shares->seconds.at(Search::Sat), shares->total * 0.4);
    EXPECT_LT(shares->seconds.at(Search::Exact), shares->total / 10);
  }
}

TEST(SearchSchedule, TurnsGrowRoundByRound) {
  SearchSchedule schedule({true, false, false, false});
  double annealing = 0;
  for (int round = 0; round < 10; ++round) {
    const SearchSchedule::Turn turn = schedule.Next();
    ASSERT_EQ(turn.search, Search::Annealing);
    EXPECT_GT(turn.seconds, annealing);
    annealing = turn.seconds;
    EXPECT_EQ(schedule.Next().search, Search::Neighbourhoods);
  }
  EXPECT_GT(annealing, 1);
}

TEST(SearchSchedule, LeavesAnnealingToTheOtherThreadsAndGivesASmallPuzzleMostlyToTheProof) {
  const Shares shares = SharesOf({false, true, true, true}, 30);
  EXPECT_FALSE(shares.seconds.contains(Search::Annealing));
  EXPECT_EQ(shares.firstAt.at(Search::Neighbourhoods), 0);
  EXPECT_GT(shares.seconds.at(Search::Exact), shares.total / 2);
}
