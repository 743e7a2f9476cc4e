// The generator: its word lists, its points, the puzzle of the day, and a
// generated puzzle whose best arrangement the game's own rules accept.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "generator/DailyPuzzle.h"
#include "generator/Generate.h"
#include "generator/PointsRule.h"
#include "generator/Themes.h"
#include "solver/SolverPuzzle.h"

namespace {

TEST(WordList, ReadsNamePointsAndWordsOnceAndRefusesWhatTheGameCannotShow) {
  const auto parsed = ParseWordList("# 動物\n# a note\nねこ\n\nいぬ 40\nねこ # again\n");
  ASSERT_TRUE(std::holds_alternative<WordList>(parsed));
  const WordList& list = std::get<WordList>(parsed);
  EXPECT_EQ(list.name, "動物");
  EXPECT_EQ(list.words, (std::vector<ListedWord>{{u"ねこ", std::nullopt}, {u"いぬ", 40}}));

  for (const auto& [text, line] : std::vector<std::pair<std::string, int>>{
           {"ねこ\n한국\n", 2}, {"ねこ×\n", 1}, {"# x\nねこ ten\n", 2}, {"ねこ 1 2\n", 1}}) {
    const auto refused = ParseWordList(text);
    ASSERT_TRUE(std::holds_alternative<WordListError>(refused)) << text;
    EXPECT_EQ(std::get<WordListError>(refused).line, line) << text;
  }
}

TEST(Themes, EveryShippedListHoldsEnoughWordsOfTwoToTenCharacters) {
  const auto loaded = LoadThemes(TSUBURA_WORD_LISTS);
  ASSERT_TRUE(std::holds_alternative<std::vector<Theme>>(loaded));
  const auto& themes = std::get<std::vector<Theme>>(loaded);
  EXPECT_GE(themes.size(), 12u);
  for (const Theme& theme : themes) {
    EXPECT_FALSE(theme.list.name.empty()) << theme.id;
    EXPECT_GE(theme.list.words.size(), 80u) << theme.id;
    for (const ListedWord& word : theme.list.words) {
      EXPECT_GE(word.text.size(), 2u) << theme.id;
      EXPECT_LE(word.text.size(), 10u) << theme.id;
    }
  }
  EXPECT_NE(FindTheme(themes, "動物"), nullptr);
  EXPECT_EQ(FindTheme(themes, "animals"), FindTheme(themes, "動物"));
}

TEST(Themes, WithoutItsFolderOfListsTheProgramHasTheShippedOnesBuiltIn) {
  const auto shipped = std::get<std::vector<Theme>>(LoadThemes(TSUBURA_WORD_LISTS));
  const auto missing =
      std::filesystem::temp_directory_path() / ("tsubura-no-lists-" + std::to_string(getpid()));
  std::filesystem::remove_all(missing);
  const auto builtIn = std::get<std::vector<Theme>>(LoadThemes(missing.string()));
  ASSERT_EQ(builtIn.size(), shipped.size());
  for (std::size_t t = 0; t < shipped.size(); ++t) {
    EXPECT_EQ(builtIn[t].id, shipped[t].id);
    EXPECT_EQ(builtIn[t].list.name, shipped[t].list.name);
    EXPECT_EQ(builtIn[t].list.words, shipped[t].list.words) << shipped[t].id;
  }
  // A folder that is there wins, even an empty one.
  std::filesystem::create_directory(missing);
  const auto none = LoadThemes(missing.string());
  std::filesystem::remove(missing);
  ASSERT_TRUE(std::holds_alternative<std::vector<Theme>>(none));
  EXPECT_TRUE(std::get<std::vector<Theme>>(none).empty());
}

TEST(PointsRule, RareCharactersEarnMoreAndAListsOwnPointsWin) {
  // あ is in three words, い and う in two, か, き, く, け in one each.
  const std::vector<std::u16string> words{u"あい", u"あう", u"あいう", u"かき", u"くけ"};
  const std::vector<int> points =
      PointsFor(words, {std::nullopt, std::nullopt, std::nullopt, std::nullopt, 5});
  EXPECT_EQ(points, (std::vector<int>{40, 40, 60, 60, 5}));
}

TEST(DailyPuzzle, OneDayGivesOnePuzzleAndTheThemesTakeTurns) {
  EXPECT_FALSE(ParseDate("2026-02-30"));
  EXPECT_FALSE(ParseDate("2026-1-5"));
  const auto day = *ParseDate("2026-12-08");
  EXPECT_EQ(DateText(day), "2026-12-08");
  const auto next = std::chrono::year_month_day(std::chrono::sys_days(day) + std::chrono::days(1));
  const DailyChoice today = DailyPuzzleOf(day, 16), tomorrow = DailyPuzzleOf(next, 16);
  EXPECT_EQ(today.options.seed, DailyPuzzleOf(day, 16).options.seed);
  EXPECT_NE(today.options.seed, tomorrow.options.seed);
  EXPECT_EQ(tomorrow.theme, (today.theme + 1) % 16);
  EXPECT_EQ(today.options.size, 15);
  EXPECT_EQ(today.options.level, Level::Normal);
}

TEST(Generate, AHardPuzzleKeepsItsPromisesByTheGamesOwnRules) {
  const auto themes = std::get<std::vector<Theme>>(LoadThemes(TSUBURA_WORD_LISTS));
  const std::atomic<bool> noCancel{false};
  const auto made =
      Generate(FindTheme(themes, "animals")->list.words, {8, 0, Level::Hard, 1}, noCancel);
  ASSERT_TRUE(std::holds_alternative<GeneratedPuzzle>(made));
  const GeneratedPuzzle& puzzle = std::get<GeneratedPuzzle>(made);
  // Hard when a candidate reached it in time, else easy; either way as
  // measured.
  EXPECT_NE(puzzle.level, Level::Normal);
  EXPECT_TRUE(Meets(puzzle.level, puzzle.measure));
  EXPECT_GT(puzzle.measure.greedy, 0);
  // The reader takes the file; the best arrangement is legal and complete
  // and scores what the generator says.
  const auto bytes = EncodePuzzleFile(puzzle.file);
  ASSERT_TRUE(bytes);
  EXPECT_TRUE(std::holds_alternative<PuzzleFile>(DecodePuzzleFile(*bytes)));
  EXPECT_EQ(puzzle.file.PlacedCount, 0);
  EXPECT_EQ(CheckArrangementByTheGame(puzzle.solved), std::nullopt);
  EXPECT_EQ(puzzle.solved.Score, puzzle.measure.best);
  EXPECT_LE(puzzle.measure.best, puzzle.measure.bound);

  // The game sizes every points label by the first word's points: the words
  // of widest points come first, so that no label cuts its points short.
  std::vector<ListedWord> mixed = FindTheme(themes, "animals")->list.words;
  for (ListedWord& word : mixed) word.points = word.text.size() > 2 ? 100 : 10;
  const auto easy = std::get<GeneratedPuzzle>(Generate(mixed, {8, 0, Level::Easy, 1}, noCancel));
  for (int w = 0; w < easy.file.WordCount; ++w)
    EXPECT_LE(std::to_string(easy.file.Entries[static_cast<std::size_t>(w)].Points).size(),
              std::to_string(easy.file.Entries[0].Points).size());

  const std::vector<ListedWord> few{{u"ねこ", {}}, {u"いぬ", {}}, {u"さる", {}}};
  EXPECT_TRUE(std::holds_alternative<std::string>(Generate(few, {8}, noCancel)));
}

TEST(Generate, EveryLevelIsAsStatedAndTheSameOptionsGiveTheSameBytes) {
  const auto themes = std::get<std::vector<Theme>>(LoadThemes(TSUBURA_WORD_LISTS));
  const std::atomic<bool> noCancel{false};
  const auto& words = FindTheme(themes, "birds")->list.words;
  for (Level level : {Level::Easy, Level::Normal, Level::Hard}) {
    const GenerateOptions options{8, 0, level, 5, 1.0};
    const auto made = std::get<GeneratedPuzzle>(Generate(words, options, noCancel));
    EXPECT_EQ(EncodePuzzleFile(std::get<GeneratedPuzzle>(Generate(words, options, noCancel)).file),
              EncodePuzzleFile(made.file))
        << LevelId(level);
    EXPECT_TRUE(Meets(made.level, made.measure)) << LevelId(level);
    EXPECT_EQ(CheckArrangementByTheGame(made.solved), std::nullopt) << LevelId(level);
    EXPECT_EQ(made.solved.Score, made.measure.best) << LevelId(level);
    // Every word fits: the best known is the highest possible.
    EXPECT_EQ(made.measure.best, made.measure.total) << LevelId(level);
    EXPECT_TRUE(made.optimal) << LevelId(level);
  }
}

TEST(Generate, ALevelOutOfReachGivesAPuzzleThatIsTrulyEasy) {
  const auto themes = std::get<std::vector<Theme>>(LoadThemes(TSUBURA_WORD_LISTS));
  const std::atomic<bool> noCancel{false};
  // Words of two letters only cross one another anywhere: greedy restarts
  // place every one of them, so that no puzzle of them is hard. The puzzle is
  // easy, every word fits and greedy restarts nearly solve it.
  std::vector<ListedWord> crossing;
  for (const std::u16string text : {u"アア", u"アイ", u"イア", u"イイ"})
    for (const char16_t* last : {u"", u"ア", u"イ"}) crossing.push_back({text + last, {}});
  for (std::uint64_t seed : {1, 2}) {
    const auto made =
        std::get<GeneratedPuzzle>(Generate(crossing, {12, 10, Level::Hard, seed, 0.01}, noCancel));
    EXPECT_EQ(made.level, Level::Easy) << seed;
    EXPECT_TRUE(Meets(Level::Easy, made.measure)) << seed;
    EXPECT_GT(made.file.WordCount, 5) << seed;
  }
  std::atomic<bool> cancel{true};
  EXPECT_EQ(std::get<std::string>(Generate(FindTheme(themes, "animals")->list.words,
                                           {8, 0, Level::Normal, 1}, cancel)),
            "cancelled");
}

}  // namespace
