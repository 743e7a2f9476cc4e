#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/PuzzleFile.h"
#include "game/Game.h"
#include "platform/ByteFile.h"
#include "records/PuzzleRecord.h"

class Records;

// A puzzle of the records, boards and all, with its file while that is still
// there and still holds this puzzle.
struct RecordedPuzzle {
  PuzzleRecord record;
  std::optional<PuzzleFile> file;
};

// A puzzle as パズルを選ぶ lists it, with why it cannot be opened: "" when
// it can.
struct ListedPuzzle {
  PuzzleRecord record;
  std::u16string whyNot;
};

// These two read the records and the disk: they belong on the records'
// thread (RecordedPuzzles.cpp, with the store).
std::optional<RecordedPuzzle> LookUpPuzzle(Records& records, const std::string& fingerprint);
std::vector<ListedPuzzle> ListPuzzles(Records& records);

// Puts a puzzle from the records into play with the board as the player left
// it. Its file, when there, is the one Save writes to; otherwise the puzzle
// is saved as a made one is, under its name. False, with nothing changed,
// when no board of it can be had. Reads nothing from the disk.
bool OpenRecordedPuzzle(Game& game, const RecordedPuzzle& puzzle);

// A kept board's puzzle; nullopt when there is none or it does not read.
std::optional<PuzzleFile> DecodedBoard(const std::optional<Bytes>& bytes);
