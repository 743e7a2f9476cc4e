#include <gtest/gtest.h>

#include "PuzzleText.h"

namespace {

PuzzleFile Parsed(const std::string& text) {
  auto parsed = ParsePuzzleText(text);
  if (auto* error = std::get_if<TextError>(&parsed)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->reason;
    return {};
  }
  return std::get<PuzzleFile>(parsed);
}

TextError Error(const std::string& text) {
  auto parsed = ParsePuzzleText(text);
  if (auto* error = std::get_if<TextError>(&parsed)) return *error;
  ADD_FAILURE() << "accepted:\n" << text;
  return {};
}

TEST(PuzzleText, ASourceGivesTheFileWithItsCountsWorkedOut) {
  const PuzzleFile f = Parsed(
      "# two words\n"
      "layout 60\n"
      "size 8\n"
      "count-suffix 個\n"
      "score-suffix \"点 です\"\n"
      "word ねこ 30 across 1 2\n"
      "word \"い\\\"ぬ\" 20\n"
      "word きつね 50 down 1 2\n");
  EXPECT_FALSE(f.HasHeader);
  EXPECT_EQ(f.Entries.size(), 60u);
  EXPECT_EQ(f.BoardSize, 8);
  EXPECT_EQ(f.WordCount, 3);
  EXPECT_EQ(f.MaxWordLength, 3);
  EXPECT_EQ(f.PlacedCount, 2);
  EXPECT_EQ(f.Score, 80);
  EXPECT_EQ(f.ScoreSuffix, u"点 です");
  EXPECT_EQ(f.Entries[1].Text, u"い\"ぬ");
  EXPECT_EQ(f.Entries[2], (PuzzleFile::Entry{u"きつね", 50, 1, 1, 2, 1}));
}

TEST(PuzzleText, ShowingAFileAndReadingItBackGivesTheSameFile) {
  PuzzleFile f = Parsed(
      "size 5\nword あ 1 across 0 0\nword い 2 fields 2 -3 9 7\nword \"\" 0\n"
      "word う 3\nwords 2\nplaced-count 9\nscore -4\nlongest 12\n");
  f.Entries[70] = {u"ずっと先", 5, 0, 0, 1, 0};
  const std::string shown = PrintPuzzleText(f);
  EXPECT_EQ(Parsed(shown), f) << shown;
  EXPECT_NE(shown.find("# board:"), std::string::npos);
  EXPECT_NE(shown.find("#   ×あ×"), std::string::npos) << shown;
}

TEST(PuzzleText, MistakesAreReportedWithTheirLine) {
  EXPECT_EQ(Error("size 5\nword あ\n").line, 2);
  EXPECT_EQ(Error("size 5\nword あ x\n").line, 2);
  EXPECT_EQ(Error("size 5\ncolour red\n").line, 2);
  EXPECT_EQ(Error("layout 70\n").line, 1);
  EXPECT_EQ(Error("size 5\nword 한 1\n").line, 2);
  EXPECT_EQ(Error("size 5\nword \"open 1\n").line, 2);
  EXPECT_NE(Error("word あ 1\n").reason.find("size"), std::string::npos);
  const TextError offBoard = Error("size 3\nword あいう 1 across 1 0\n");
  EXPECT_NE(offBoard.reason.find("off the board"), std::string::npos);
  std::string tooMany = "layout 60\nsize 5\n";
  for (int i = 0; i < 61; ++i) tooMany += "word あ 1\n";
  EXPECT_EQ(Error(tooMany).line, 63);
}

}  // namespace
