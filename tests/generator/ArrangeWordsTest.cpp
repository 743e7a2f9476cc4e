// How a puzzle's words are chosen: an arrangement that proves they fit, from
// the words of the level's lengths or of the rarest characters.
#include <gtest/gtest.h>

#include <set>

#include "generator/ArrangeWords.h"
#include "generator/PuzzleOfWords.h"
#include "generator/WordPool.h"
#include "solver/SolverPuzzle.h"

namespace {

std::vector<ListedWord> Listed(const std::vector<std::u16string>& texts) {
  std::vector<ListedWord> words;
  for (const auto& text : texts) words.push_back({text, std::nullopt});
  return words;
}

std::set<std::u16string> Texts(const std::vector<ListedWord>& words) {
  std::set<std::u16string> texts;
  for (const ListedWord& word : words) texts.insert(word.text);
  return texts;
}

const std::vector<ListedWord> kPool =
    Listed({u"ねこ", u"こいぬ", u"いぬ", u"ぬま", u"まり", u"りす", u"すずめ", u"めだか", u"かに",
            u"にわとり", u"へび", u"ゆみ", u"そら", u"ほし"});

// The puzzle of the arranged words with the arrangement placed, as the game
// has it.
PuzzleFile Placed(const Arranged& arranged, int size) {
  PuzzleFile file = PuzzleOfWords(arranged.words, size);
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  Arrangement placed;
  for (const auto& [text, p] : arranged.placed) {
    placed.push_back(p);
    placed.back().word =
        static_cast<int>(std::find_if(puzzle.words.begin(), puzzle.words.end(),
                                      [&](const SolverWord& w) { return w.text == text; }) -
                         puzzle.words.begin());
  }
  return WithArrangement(file, puzzle, placed);
}

TEST(ArrangeWords, BothSearchesArrangeWordsThatAllFitByTheGamesRules) {
  for (bool dense : {true, false}) {
    std::atomic<bool> reached{false};
    Budget budget = Budget::Steps(20'000'000, reached);
    const Arranged arranged = ArrangeWords(kPool, 8, 6, dense, 3, budget, reached);
    EXPECT_EQ(arranged.words.size(), 6u) << dense;
    // Reaching the count stops the search.
    EXPECT_TRUE(reached) << dense;
    EXPECT_EQ(CheckArrangementByTheGame(Placed(arranged, 8)), std::nullopt) << dense;
  }
}

TEST(ArrangeWords, EasingLeavesOutWordsNotKeptWhileEveryWordStillFits) {
  std::atomic<bool> reached{false};
  Budget budget = Budget::Steps(20'000'000, reached);
  const Arranged arranged = ArrangeWords(kPool, 8, 8, false, 5, budget, reached);
  ASSERT_EQ(arranged.words.size(), 8u);
  const std::set<std::u16string> kept{arranged.words[0].text, arranged.words[1].text};
  // Any word that can go goes while the kept words' points are below all.
  const Arranged eased = Eased(arranged, 8, kept, 1.0);
  EXPECT_LT(eased.words.size(), arranged.words.size());
  EXPECT_EQ(CheckArrangementByTheGame(Placed(eased, 8)), std::nullopt);
  for (const auto& text : kept) EXPECT_EQ(Texts(eased.words).count(text), 1u);
  // An aim already met leaves every word.
  EXPECT_EQ(Eased(arranged, 8, kept, 100).words.size(), arranged.words.size());
}

TEST(WordPool, TheRarestWordsAreThoseWhoseCharactersFewOtherWordsHold) {
  // へび, ゆみ, そら and ほし share no character with another word; every
  // other word shares one at least.
  const std::set<std::u16string> rarest = Texts(RarestWords(kPool, 4.0 / 14));
  EXPECT_EQ(rarest, (std::set<std::u16string>{u"へび", u"ゆみ", u"そら", u"ほし"}));
  EXPECT_EQ(RarestWords(kPool, 1).size(), kPool.size());
  // The commonest: each character of いぬ, ぬま, まり and りす is held by one
  // or two other words.
  EXPECT_EQ(Texts(CommonestWords(kPool, 4.0 / 14)),
            (std::set<std::u16string>{u"いぬ", u"ぬま", u"まり", u"りす"}));
  EXPECT_EQ(Texts(CommonestWords(kPool, 1)), Texts(kPool));
}

TEST(WordPool, APoolTakesLongerWordsOnlyWhenTheShortOnesAreTooFew) {
  const std::vector<ListedWord> words =
      Listed({u"ねこ", u"いぬ", u"すずめ", u"にわとり", u"ねこ", u"あ"});
  // Hard puzzles on small boards take words of up to three characters, each
  // once, and never one of a single character.
  EXPECT_EQ(Texts(PoolFor(words, Level::Hard, 8, 3)),
            (std::set<std::u16string>{u"ねこ", u"いぬ", u"すずめ"}));
  EXPECT_EQ(PoolFor(words, Level::Hard, 8, 4).size(), 4u);
  EXPECT_GT(DefaultWordCount(12, Level::Hard), DefaultWordCount(12, Level::Easy));
  EXPECT_EQ(DefaultWordCount(30, Level::Hard), 86);
}

}  // namespace
