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

TEST(ArrangeWords, BothSearchesArrangeWordsThatAllFitByTheGamesRules) {
  for (bool dense : {true, false}) {
    const std::atomic<bool> never{false};
    Budget budget = Budget::Steps(20'000'000, never);
    const Arranged arranged = ArrangeWords(kPool, 8, 6, dense, 3, budget);
    EXPECT_GE(arranged.words.size(), 6u) << dense;
    // The puzzle of its words with the arrangement placed is complete.
    PuzzleFile file = PuzzleOfWords(arranged.words, 8);
    const SolverPuzzle puzzle = MakeSolverPuzzle(file);
    Arrangement placed;
    for (const auto& [text, p] : arranged.placed) {
      placed.push_back(p);
      placed.back().word =
          static_cast<int>(std::find_if(puzzle.words.begin(), puzzle.words.end(),
                                        [&](const SolverWord& w) { return w.text == text; }) -
                           puzzle.words.begin());
    }
    EXPECT_EQ(CheckArrangementByTheGame(WithArrangement(file, puzzle, placed)), std::nullopt)
        << dense;
  }
}

TEST(WordPool, TheRarestWordsAreThoseWhoseCharactersFewOtherWordsHold) {
  // へび, ゆみ, そら and ほし share no character with another word; every
  // other word shares one at least.
  const std::set<std::u16string> rarest = Texts(RarestWords(kPool, 4.0 / 14));
  EXPECT_EQ(rarest, (std::set<std::u16string>{u"へび", u"ゆみ", u"そら", u"ほし"}));
  EXPECT_EQ(RarestWords(kPool, 1).size(), kPool.size());
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
