#include <gtest/gtest.h>

#include "board/BoardPaint.h"
#include "board/BoardRebuild.h"
#include "board/Counters.h"

namespace {

// A 10-cell board with one word across at (col, row).
PuzzleState BoardWithWord(std::u16string text, int col, int row, int direction = 0) {
  PuzzleState p;
  p.BoardSize = 10;
  p.WordCount = 1;
  WordEntry& w = p.Word(1);
  w.Text = std::move(text);
  w.Placed = 1;
  w.Column = static_cast<std::int16_t>(col);
  w.Row = static_cast<std::int16_t>(row);
  w.Direction = static_cast<std::int16_t>(direction);
  w.SetLabelColours(ColourPlaced);
  return p;
}

const CellPaint* CellAt(const BoardPaint& paint, int x, int y, int n = 10) {
  for (const CellPaint& c : paint.cells) {
    if (c.left == 250.0 * x / n + 1 && c.top == 250.0 * y / n + 1) return &c;
  }
  return nullptr;
}

BoardPaint Paint(PuzzleState& p, SettingsRecord s = {}) {
  RebuildBoard(p);
  return PaintBoard(p, s, 251, 251);
}

TEST(BoardPaint, NoPuzzleDrawsNothingAndCountersReadZero) {
  PuzzleState p;
  EXPECT_TRUE(Paint(p).lines.empty());
  EXPECT_TRUE(Paint(p).cells.empty());
  const Counters c = DescribeCounters(p);
  EXPECT_EQ(c.Lg1, u"0　");
  EXPECT_EQ(c.Lg2, u"NOW:0　");
  EXPECT_EQ(c.Lg3, u"MAX:0　");
  EXPECT_EQ(c.Lg2Colour, 0u);
}

TEST(BoardPaint, GridLinesAndTextOriginsFollowThePitchInFloatingPoint) {
  PuzzleState p;
  p.BoardSize = 7;
  const BoardPaint paint = Paint(p);
  ASSERT_EQ(paint.lines.size(), 12u);
  const double pitch = 250.0 / 7;
  EXPECT_EQ(paint.lines[0], (GridLine{pitch - 1, 0, pitch - 1, 251}));
  EXPECT_EQ(paint.lines[1], (GridLine{0, pitch - 1, 251, pitch - 1}));
  EXPECT_EQ(paint.lines[10], (GridLine{6 * pitch - 1, 0, 6 * pitch - 1, 251}));

  PuzzleState one;
  one.BoardSize = 1;
  EXPECT_TRUE(Paint(one).lines.empty());
}

TEST(BoardPaint, AWordAndItsMarkersAreRebuiltButTheRingIsNeverPainted) {
  PuzzleState p = BoardWithWord(u"かき", 0, 0);
  const BoardPaint paint = Paint(p);
  EXPECT_EQ(p.Board(-1, 0), kEndMarker);
  EXPECT_EQ(p.Board(0, 0), u'か');
  EXPECT_EQ(p.Board(2, 0), kEndMarker);
  ASSERT_EQ(paint.cells.size(), 3u);
  EXPECT_EQ(CellAt(paint, 0, 0)->text, u'か');
  EXPECT_EQ(CellAt(paint, 0, 0)->colour, 0u);
  EXPECT_EQ(CellAt(paint, 2, 0)->text, kEndMarker);

  // Taking the word back empties its cells at the next rebuild.
  p.Word(1).Placed = 0;
  EXPECT_TRUE(Paint(p).cells.empty());
  EXPECT_EQ(p.Board(0, 0), kEmptyCell);
}

TEST(BoardPaint, EachCrossStyleDrawsTheEndMarkerItsOwnWay) {
  struct Case {
    std::int16_t style;
    char16_t text;
    Colour colour;
  };
  for (const Case& c : {Case{0, u'×', 0x0000FF}, Case{1, u'■', 0}, Case{2, u'梨', 0xFDFDFD},
                        Case{3, u'し', 0}, Case{7, u'×', 0}}) {
    PuzzleState p = BoardWithWord(u"ましろ", 2, 2);
    p.FakeWordIndex = 1;
    SettingsRecord s;
    s.CrossStyle = c.style;
    const BoardPaint paint = Paint(p, s);
    const CellPaint* marker = CellAt(paint, 1, 2);
    ASSERT_NE(marker, nullptr) << c.style;
    EXPECT_EQ(marker->text, c.text) << c.style;
    EXPECT_EQ(marker->colour, c.colour) << c.style;
    EXPECT_EQ(p.CellText(1, 2), c.text);
  }
}

TEST(BoardPaint, BlankAndEmptyFakeMarkersPrintNothing) {
  PuzzleState p = BoardWithWord(u"ましろ", 2, 2);
  SettingsRecord s;
  s.CrossStyle = 4;
  EXPECT_EQ(Paint(p, s).cells.size(), 3u);
  EXPECT_EQ(p.CellText(1, 2), kIdeographicSpace);

  s.CrossStyle = 3;
  p.FakeWordIndex = 5;  // beyond the word count: an empty entry
  EXPECT_EQ(Paint(p, s).cells.size(), 3u);
}

TEST(BoardPaint, ShownWordIsOrangeAndProbedCellGreen) {
  PuzzleState p = BoardWithWord(u"ねこ", 3, 3, 1);
  p.Word(1).SetLabelColours(ColourShown);
  p.CellMark(5, 5) = kMarkProbed;
  BoardPaint paint = Paint(p);
  EXPECT_EQ(CellAt(paint, 3, 3)->colour, 0x0080FFu);
  EXPECT_EQ(CellAt(paint, 3, 4)->colour, 0x0080FFu);
  EXPECT_EQ(CellAt(paint, 3, 2)->colour, 0x0000FFu) << "end markers are not part of the shown word";
  EXPECT_EQ(p.CellMark(5, 5), kMarkProbed);
  EXPECT_EQ(CellAt(paint, 5, 5), nullptr) << "an empty probed cell prints nothing";

  p.Word(1).SetLabelColours(ColourPlaced);
  p.CellMark.Fill(kMarkNone);
  p.CellMark(3, 4) = kMarkProbed;
  paint = Paint(p);
  EXPECT_EQ(CellAt(paint, 3, 4)->colour, 0x00FF00u);
}

TEST(BoardPaint, RainbowColoursOverrideEveryOtherColour) {
  PuzzleState p = BoardWithWord(u"ねこ", 3, 3, 1);
  p.Word(1).SetLabelColours(ColourShown);
  p.CellColour(3, 3) = 0x123456;
  p.CellColour(3, 2) = 0x654321;
  SettingsRecord s;
  s.BoardFont = kFontRainbow;
  const BoardPaint paint = Paint(p, s);
  EXPECT_EQ(CellAt(paint, 3, 3)->colour, 0x123456u);
  EXPECT_EQ(CellAt(paint, 3, 2)->colour, 0x654321u);
}

TEST(BoardPaint, LaterEntryWinsASharedCell) {
  PuzzleState p = BoardWithWord(u"あい", 0, 0);
  p.WordCount = 2;
  p.Word(2) = p.Word(1);
  p.Word(2).Text = u"うえ";
  Paint(p);
  EXPECT_EQ(p.Board(0, 0), u'う');
}

TEST(Counters, CaptionsCarryTheSuffixesAndNowTurnsRedWhileIncomplete) {
  PuzzleState p;
  p.PlacedCount = 3;
  p.Score = -120;
  p.BestScore = 45;
  p.CountSuffix = u"個";
  p.ScoreSuffix = u"点";
  p.Incomplete = 1;
  const Counters c = DescribeCounters(p);
  EXPECT_EQ(c.Lg1, u"3個");
  EXPECT_EQ(c.Lg2, u"NOW:-120点");
  EXPECT_EQ(c.Lg3, u"MAX:45点");
  EXPECT_EQ(c.Lg2Colour, 0x0000FFu);
  p.Incomplete = 0;
  EXPECT_EQ(DescribeCounters(p).Lg2Colour, 0u);
}

}  // namespace
