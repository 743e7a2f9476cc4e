#include "files/PuzzleFile.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace {

const std::string kHeaderBytes("\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\x51", 12);

// Reads the fields in file order, little-endian; past the end of the bytes
// every field reads 0 and every text "". The first text that is not code page
// 932 becomes the failure and ends the reading.
class FieldReader {
 public:
  FieldReader(const Bytes& bytes, std::size_t start) : bytes_(bytes), position_(start) {}

  void Integer(std::int16_t& v) { v = static_cast<std::int16_t>(Unsigned(2)); }
  void Long(std::int32_t& v) { v = static_cast<std::int32_t>(Unsigned(4)); }
  void CountedText(std::u16string& text, int k) {
    const auto count = static_cast<std::uint16_t>(Unsigned(2));
    Text(text, count, "the text of word " + std::to_string(k));
  }
  void Suffixes(std::u16string& countSuffix, std::u16string& scoreSuffix) {
    std::int16_t countLength = 0, scoreLength = 0;
    Integer(countLength);
    Integer(scoreLength);
    if (countLength < 0 || scoreLength < 0) {
      Fail("a suffix has a negative length");
      return;
    }
    Text(countSuffix, static_cast<std::size_t>(countLength), "the count suffix");
    Text(scoreSuffix, static_cast<std::size_t>(scoreLength), "the score suffix");
  }

  std::optional<std::string> failure;

 private:
  void Fail(std::string reason) {
    if (!failure) failure = std::move(reason);
  }
  void Text(std::u16string& text, std::size_t size, const std::string& what) {
    const std::size_t start = std::min(position_, bytes_.size());
    const std::size_t end = std::min(position_ + size, bytes_.size());
    position_ += size;
    const std::string raw(bytes_.begin() + static_cast<std::ptrdiff_t>(start),
                          bytes_.begin() + static_cast<std::ptrdiff_t>(end));
    if (auto decoded = Cp932ToUtf16(raw)) {
      text = std::move(*decoded);
    } else {
      Fail(what + " is not valid Shift_JIS (code page 932) text");
    }
  }
  std::uint32_t Unsigned(int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i, ++position_) {
      if (position_ < bytes_.size()) value |= std::uint32_t{bytes_[position_]} << (8 * i);
    }
    return value;
  }

  const Bytes& bytes_;
  std::size_t position_;
};

// Writes the fields in file order; a text without a code page 932 form
// becomes the failure.
class FieldWriter {
 public:
  void Integer(std::int16_t v) { Unsigned(static_cast<std::uint16_t>(v), 2); }
  void Long(std::int32_t v) { Unsigned(static_cast<std::uint32_t>(v), 4); }
  void Raw(const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); }
  void CountedText(const std::u16string& text, int) {
    const auto encoded = Encode(text, 0xFFFF);
    Integer(static_cast<std::int16_t>(encoded.size()));
    Raw(encoded);
  }
  // The lengths are always those of the suffixes written, so the fields after
  // them stay where a reader looks for them.
  void Suffixes(const std::u16string& countSuffix, const std::u16string& scoreSuffix) {
    const auto count = Encode(countSuffix, 0x7FFF), score = Encode(scoreSuffix, 0x7FFF);
    Integer(static_cast<std::int16_t>(count.size()));
    Integer(static_cast<std::int16_t>(score.size()));
    Raw(count);
    Raw(score);
  }

  Bytes bytes;
  bool failed = false;

 private:
  std::string Encode(const std::u16string& text, std::size_t longest) {
    auto encoded = Utf16ToCp932(text);
    if (!encoded || encoded->size() > longest) {
      failed = true;
      return {};
    }
    return *encoded;
  }
  void Unsigned(std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
};

// Fields 1 to 14 of both layouts, in file order, for reading and for writing.
template <typename Fields, typename File>
void WalkFields(Fields& fields, File& file) {
  int k = 0;
  for (auto& entry : file.Entries) fields.CountedText(entry.Text, ++k);
  for (auto& entry : file.Entries) fields.Long(entry.Points);
  fields.Suffixes(file.CountSuffix, file.ScoreSuffix);
  fields.Integer(file.BoardSize);
  fields.Integer(file.MaxWordLength);
  fields.Integer(file.WordCount);
  for (auto& entry : file.Entries) fields.Integer(entry.Placed);
  for (auto& entry : file.Entries) fields.Integer(entry.Column);
  for (auto& entry : file.Entries) fields.Integer(entry.Row);
  for (auto& entry : file.Entries) fields.Integer(entry.Direction);
  fields.Long(file.PlacedCount);
  fields.Long(file.Score);
}

// The fields a file and the puzzle state share by name.
template <typename From, typename To>
void CopySharedFields(const From& from, To& to) {
  to.CountSuffix = from.CountSuffix;
  to.ScoreSuffix = from.ScoreSuffix;
  to.BoardSize = from.BoardSize;
  to.MaxWordLength = from.MaxWordLength;
  to.WordCount = from.WordCount;
  to.PlacedCount = from.PlacedCount;
  to.Score = from.Score;
}

bool Inside(int v, int low, int high) {
  return v >= low && v <= high;
}

std::optional<PuzzleFileError> CheckPlacement(const PuzzleFile& file, int k) {
  const PuzzleFile::Entry& e = file.Entries[static_cast<std::size_t>(k - 1)];
  const std::string which = "word " + std::to_string(k);
  if (e.Direction != 0 && e.Direction != 1) {
    return PuzzleFileError{which + " is placed in direction " + std::to_string(e.Direction)};
  }
  const int n = file.BoardSize;
  const int length = static_cast<int>(e.Text.size());
  const int dx = 1 - e.Direction, dy = e.Direction;
  const int afterX = e.Column + length * dx, afterY = e.Row + length * dy;
  const bool lettersInside =
      length == 0 || (Inside(e.Column, 0, n - 1) && Inside(e.Row, 0, n - 1) &&
                      Inside(afterX - dx, 0, n - 1) && Inside(afterY - dy, 0, n - 1));
  const bool markersInside = Inside(e.Column - dx, -1, n) && Inside(e.Row - dy, -1, n) &&
                             Inside(afterX, -1, n) && Inside(afterY, -1, n);
  if (!lettersInside || !markersInside) return PuzzleFileError{which + " is placed off the board"};
  return std::nullopt;
}

}  // namespace

std::variant<PuzzleFile, PuzzleFileError> DecodePuzzleFile(const Bytes& bytes) {
  PuzzleFile file;
  file.HasHeader =
      bytes.size() >= kHeaderBytes.size() &&
      std::equal(kHeaderBytes.begin(), kHeaderBytes.end(), bytes.begin(),
                 [](char h, std::uint8_t b) { return static_cast<std::uint8_t>(h) == b; });
  file.Entries.resize(static_cast<std::size_t>(file.EntryCount()));
  FieldReader in(bytes, file.HasHeader ? kHeaderBytes.size() : 0);
  WalkFields(in, file);
  if (in.failure) return PuzzleFileError{*in.failure};
  if (auto error = ValidatePuzzleFile(file)) return *error;
  return file;
}

std::optional<PuzzleFileError> ValidatePuzzleFile(const PuzzleFile& file) {
  if (static_cast<int>(file.Entries.size()) != file.EntryCount()) {
    return PuzzleFileError{"the file must hold " + std::to_string(file.EntryCount()) + " entries"};
  }
  if (!Inside(file.BoardSize, 0, kMaxBoardSize)) {
    return PuzzleFileError{"the board size " + std::to_string(file.BoardSize) + " is not 0 to 30"};
  }
  if (!Inside(file.WordCount, 0, file.EntryCount())) {
    return PuzzleFileError{"the word count " + std::to_string(file.WordCount) + " is not 0 to " +
                           std::to_string(file.EntryCount())};
  }
  if (!Inside(file.MaxWordLength, 0, kMaxBoardSize)) {
    return PuzzleFileError{"the longest word length " + std::to_string(file.MaxWordLength) +
                           " is not 0 to 30"};
  }
  for (int k = 1; k <= file.WordCount; ++k) {
    if (file.Entries[static_cast<std::size_t>(k - 1)].Placed != 1) continue;
    if (auto error = CheckPlacement(file, k)) return error;
  }
  return std::nullopt;
}

std::optional<Bytes> EncodePuzzleFile(const PuzzleFile& file) {
  FieldWriter out;
  if (file.HasHeader) out.Raw(kHeaderBytes);
  WalkFields(out, file);
  if (out.failed) return std::nullopt;
  return out.bytes;
}

void ApplyPuzzleFile(const PuzzleFile& file, PuzzleState& puzzle) {
  for (std::size_t k = 1; k <= file.Entries.size(); ++k) {
    static_cast<StoredWord&>(puzzle.Word(static_cast<int>(k))) = file.Entries[k - 1];
  }
  CopySharedFields(file, puzzle);
}

PuzzleFile PuzzleFileOf(const PuzzleState& puzzle, bool withHeader) {
  PuzzleFile file;
  file.HasHeader = withHeader;
  for (int k = 1; k <= file.EntryCount(); ++k) {
    file.Entries.push_back(puzzle.Word(k));
  }
  CopySharedFields(puzzle, file);
  return file;
}
