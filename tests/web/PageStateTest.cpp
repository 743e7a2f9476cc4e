#include <gtest/gtest.h>

#include "fakes/GameWithWords.h"
#include "web/Json.h"
#include "web/PageInput.h"
#include "web/PageState.h"

namespace {

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST(PageInput, APressedCellIsTheCellTheWordStartsInOnEveryBoardSize) {
  // The end markers lie on the board too: a word of two starts from column 1
  // to column size - 3.
  for (int size = 4; size <= 30; ++size) {
    for (const auto& [column, row] :
         {std::pair{1, 0}, {size - 3, size - 1}, {size / 2 - 1, size / 3}}) {
      GameWithWords g(size, {u"ねこ"});
      g.host.randoms = {0.1, 0.1};
      g.puzzle.SelectedWord = 1;
      PressBoardCell(g.game, column, row, 1);
      const WordEntry& word = g.puzzle.Word(1);
      ASSERT_EQ(word.Placed, 1) << size << " " << column << " " << row;
      EXPECT_EQ(word.Column, column) << size;
      EXPECT_EQ(word.Row, row) << size;
      EXPECT_TRUE(g.game.History.CanUndo());
    }
  }
}

TEST(PageState, DescribesTheBoardTheWordsAndTheCountersAsPlayed) {
  GameWithWords g(5, {u"ねこ", u"いぬ"});
  g.host.randoms = {0.1, 0.1};
  g.puzzle.SelectedWord = 2;
  PressBoardCell(g.game, 1, 2, 2);
  PageLook look;
  look.text1 = u"「はじめて」\n\\";
  const std::string page = DescribePage(g.game, look);

  EXPECT_EQ(Count(page, "{\"text\":"), 25 + 2);
  EXPECT_EQ(Count(page, "\"letter\":true"), 2);
  EXPECT_NE(page.find("{\"text\":\"い\",\"colour\":\"#000000\",\"letter\":true"),
            std::string::npos);
  EXPECT_NE(page.find("\"text\":\"いぬ\",\"points\":20,\"placed\":true"), std::string::npos);
  EXPECT_EQ(Count(page, "\"placed\":true"), 1);
  EXPECT_NE(page.find("\"now\":\"NOW:20"), std::string::npos);
  EXPECT_NE(page.find("\"incomplete\":false"), std::string::npos);
  EXPECT_NE(page.find("\"canUndo\":true,\"canRedo\":false"), std::string::npos);
  EXPECT_NE(page.find("\"text1\":\"「はじめて」\\n\\\\\""), std::string::npos);
}

TEST(PageState, TextAndColoursAreWrittenAsJson) {
  EXPECT_EQ(JsonString(std::string_view("a\"b\\c\n\x01")), "\"a\\\"b\\\\c\\n\\u0001\"");
  EXPECT_EQ(JsonString(std::u16string_view(u"×")), "\"×\"");
  EXPECT_EQ(JsonColour(0x0080FF), "\"#ff8000\"");
}

}  // namespace
