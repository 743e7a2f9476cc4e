#include <gtest/gtest.h>

#include "files/PuzzleFile.h"

namespace {

PuzzleFile EmptyFile(bool header) {
  PuzzleFile f;
  f.HasHeader = header;
  f.Entries.resize(static_cast<std::size_t>(f.EntryCount()));
  return f;
}

// A 90-entry puzzle with a bit of everything: placements, stored fields of
// unplaced and unused entries, negative numbers, multi-byte suffixes.
PuzzleFile SampleFile(bool header) {
  PuzzleFile f = EmptyFile(header);
  f.BoardSize = 10;
  f.MaxWordLength = 4;
  f.WordCount = 3;
  f.CountSuffix = u"個";
  f.ScoreSuffix = u"点です";
  f.Entries[0] = {u"ねこ", 120, 1, 0, 0, 0};
  f.Entries[1] = {u"漢字ＡＢ", -5, 0, 7, 8, 1};
  f.Entries[2] = {u"x×y", 70000, 2, -3, 40, 9};  // a Placed of 2 acts as not placed
  f.Entries[40] = {u"past the count", 9, 1, 99, 99, 7};
  f.PlacedCount = 1;
  f.Score = -42;
  return f;
}

PuzzleFile Decoded(const Bytes& bytes) {
  auto decoded = DecodePuzzleFile(bytes);
  if (auto* error = std::get_if<PuzzleFileError>(&decoded)) {
    ADD_FAILURE() << error->reason;
    return {};
  }
  return std::get<PuzzleFile>(decoded);
}

std::string Refusal(const PuzzleFile& f) {
  auto decoded = DecodePuzzleFile(*EncodePuzzleFile(f));
  auto* error = std::get_if<PuzzleFileError>(&decoded);
  return error ? error->reason : "";
}

TEST(PuzzleFile, EmptyPuzzlesHaveTheFixedSizesOfTheirLayouts) {
  EXPECT_EQ(EncodePuzzleFile(EmptyFile(false))->size(), 858u);
  EXPECT_EQ(EncodePuzzleFile(EmptyFile(true))->size(), 1290u);
}

TEST(PuzzleFile, CountedTextsAndTheHeaderStartTheFile) {
  PuzzleFile f = EmptyFile(false);
  Bytes bytes = *EncodePuzzleFile(f);
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[1], 0);
  f.Entries[0].Text = u"×";
  bytes = *EncodePuzzleFile(f);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0x02, 0x00, 0x81, 0x7E}));
  f.HasHeader = true;
  f.Entries.resize(90);
  bytes = *EncodePuzzleFile(f);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 14),
            (Bytes{0x83, 0x6F, 0x81, 0x5B, 0x83, 0x57, 0x83, 0x87, 0x83, 0x93, 0x82, 0x51, 2, 0}));
}

TEST(PuzzleFile, BothLayoutsRoundTripByteForByte) {
  for (bool header : {false, true}) {
    const PuzzleFile f = SampleFile(header);
    const Bytes bytes = *EncodePuzzleFile(f);
    const PuzzleFile back = Decoded(bytes);
    EXPECT_EQ(back, f) << header;
    EXPECT_EQ(*EncodePuzzleFile(back), bytes) << header;
  }
}

TEST(PuzzleFile, ATwoCharacterSuffixIsStoredWithLengthFour) {
  PuzzleFile f = EmptyFile(false);
  f.CountSuffix = u"個数";
  const Bytes bytes = *EncodePuzzleFile(f);
  const std::size_t at = 60 * 2 + 60 * 4;  // after the empty texts and the points
  EXPECT_EQ(Bytes(bytes.begin() + at, bytes.begin() + at + 8),
            (Bytes{4, 0, 0, 0, 0x8C, 0xC2, 0x90, 0x94}));
  EXPECT_EQ(bytes.size(), 862u);
}

TEST(PuzzleFile, ShortFilesReadAsTheSixtyEntryLayoutWithZerosPastTheEnd) {
  // Eleven bytes of the header are not the header.
  Bytes header(Bytes{0x83, 0x6F, 0x81, 0x5B, 0x83, 0x57, 0x83, 0x87, 0x83, 0x93, 0x82});
  auto decoded = DecodePuzzleFile(header);
  // The first "count" 0x6F83 runs off the end, taking the rest as its text,
  // which is not valid code page 932 once cut: refused rather than guessed.
  EXPECT_TRUE(std::holds_alternative<PuzzleFileError>(decoded));

  const PuzzleFile f = Decoded({0x04, 0x00, 0x82, 0xB7, 0x82, 0xB5, 0x00, 0x00});
  EXPECT_FALSE(f.HasHeader);
  EXPECT_EQ(f.Entries.size(), 60u);
  EXPECT_EQ(f.Entries[0].Text, u"すし");
  EXPECT_EQ(f.Entries[1].Text, u"");
  EXPECT_EQ(f.BoardSize, 0);
  EXPECT_EQ(f.Score, 0);
  EXPECT_EQ(Decoded({}), EmptyFile(false));
}

TEST(PuzzleFile, ReadingSixtyEntriesAfterNinetyKeepsEntriesSixtyOneOn) {
  PuzzleFile ninety = EmptyFile(true);
  ninety.Entries[60] = {u"六十一", 61, 0, 1, 2, 1};
  ninety.Entries[89] = {u"九十", 90, 0, 0, 0, 0};
  PuzzleState puzzle;
  ApplyPuzzleFile(Decoded(*EncodePuzzleFile(ninety)), puzzle);
  PuzzleFile sixty = EmptyFile(false);
  sixty.Entries[0] = {u"一", 1, 0, 0, 0, 0};
  ApplyPuzzleFile(Decoded(*EncodePuzzleFile(sixty)), puzzle);
  EXPECT_EQ(puzzle.Word(1).Text, u"一");
  EXPECT_EQ(puzzle.Word(61).Text, u"六十一");
  EXPECT_EQ(puzzle.Word(61).Direction, 1);
  EXPECT_EQ(puzzle.Word(90).Points, 90);

  // Written back, each puzzle keeps the layout it was read in.
  EXPECT_EQ(EncodePuzzleFile(PuzzleFileOf(puzzle, false))->size(), 858u + 2);
  EXPECT_EQ(PuzzleFileOf(puzzle, true).Entries[60].Text, u"六十一");
}

TEST(PuzzleFile, ValuesTheGameCannotUseAreRefused) {
  auto with = [](auto change) {
    PuzzleFile f = SampleFile(false);
    change(f);
    return f;
  };
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.BoardSize = 31; })), "");
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.BoardSize = -1; })), "");
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.WordCount = 61; })), "");
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.WordCount = -1; })), "");
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.MaxWordLength = 31; })), "");
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.Entries[0].Direction = 2; })), "");
  // Across from column 9 of 10: the second character would be off the board.
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.Entries[0].Column = 9; })), "");
  EXPECT_NE(Refusal(with([](PuzzleFile& f) { f.Entries[0].Row = -1; })), "");
  // Ninety words only fit the ninety-entry layout.
  PuzzleFile ninety = SampleFile(true);
  ninety.Entries[40].Placed = 0;
  ninety.WordCount = 90;
  EXPECT_EQ(Refusal(ninety), "");
  ninety.WordCount = 91;
  EXPECT_NE(Refusal(ninety), "");
}

TEST(PuzzleFile, EdgeWordsAndToleratedOddities) {
  PuzzleFile f = SampleFile(false);
  f.Entries[0] = {
      u"ああああああああああ", 1, 1, 0, 9, 0};  // length N at column 0: markers at -1 and N
  EXPECT_EQ(Refusal(f), "");
  f.Entries[0].Column = 1;
  EXPECT_NE(Refusal(f), "");
  f.Entries[0] = {u"あ", 1, 1, 9, 9, 1};
  EXPECT_EQ(Refusal(f), "");
  // Counters that disagree with the list and entries past the count are kept.
  f.PlacedCount = 77;
  f.Entries[50] = {u"ん", 5, 1, -20, 500, 3};
  EXPECT_EQ(Refusal(f), "");
}

TEST(PuzzleFile, TextThatIsNotCodePage932IsRefused) {
  Bytes bytes = *EncodePuzzleFile(EmptyFile(false));
  bytes.insert(bytes.begin() + 2, {0x82});  // a cut double-byte character
  bytes[0] = 1;
  auto decoded = DecodePuzzleFile(bytes);
  ASSERT_TRUE(std::holds_alternative<PuzzleFileError>(decoded));
  EXPECT_NE(std::get<PuzzleFileError>(decoded).reason.find("word 1"), std::string::npos);

  PuzzleFile f = EmptyFile(false);
  f.Entries[0].Text = u"한국";
  EXPECT_FALSE(EncodePuzzleFile(f));
}

TEST(PuzzleFile, ANegativeSuffixLengthIsRefused) {
  Bytes bytes = *EncodePuzzleFile(EmptyFile(false));
  bytes[360] = 0xFF;
  bytes[361] = 0xFF;
  EXPECT_TRUE(std::holds_alternative<PuzzleFileError>(DecodePuzzleFile(bytes)));
}

}  // namespace
