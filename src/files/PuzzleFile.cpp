#include "files/PuzzleFile.h"

#include <algorithm>

#include "platform/Cp932.h"

namespace {

const std::string kHeaderBytes("\x83\x6F\x81\x5B\x83\x57\x83\x87\x83\x93\x82\x51", 12);

// Reads little-endian fields; past the end of the bytes every field reads 0.
class FieldReader {
 public:
  explicit FieldReader(const Bytes& bytes) : bytes_(bytes) {}

  void Skip(std::size_t n) { position_ += n; }
  std::int16_t Integer() { return static_cast<std::int16_t>(Unsigned(2)); }
  std::int32_t Long() { return static_cast<std::int32_t>(Unsigned(4)); }
  std::string Raw(std::size_t n) {
    const std::size_t start = std::min(position_, bytes_.size());
    const std::size_t end = std::min(position_ + n, bytes_.size());
    position_ += n;
    return std::string(bytes_.begin() + static_cast<std::ptrdiff_t>(start),
                       bytes_.begin() + static_cast<std::ptrdiff_t>(end));
  }

 private:
  std::uint32_t Unsigned(int size) {
    std::uint32_t value = 0;
    for (int i = 0; i < size; ++i, ++position_) {
      if (position_ < bytes_.size()) value |= std::uint32_t{bytes_[position_]} << (8 * i);
    }
    return value;
  }

  const Bytes& bytes_;
  std::size_t position_ = 0;
};

class FieldWriter {
 public:
  void Integer(std::int16_t v) { Unsigned(static_cast<std::uint16_t>(v), 2); }
  void Long(std::int32_t v) { Unsigned(static_cast<std::uint32_t>(v), 4); }
  void Raw(const std::string& s) { bytes.insert(bytes.end(), s.begin(), s.end()); }

  Bytes bytes;

 private:
  void Unsigned(std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
};

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
  FieldReader in(bytes);
  file.HasHeader =
      bytes.size() >= kHeaderBytes.size() &&
      std::equal(kHeaderBytes.begin(), kHeaderBytes.end(), bytes.begin(),
                 [](char h, std::uint8_t b) { return static_cast<std::uint8_t>(h) == b; });
  if (file.HasHeader) in.Skip(kHeaderBytes.size());
  const int e = file.EntryCount();
  file.Entries.resize(static_cast<std::size_t>(e));

  auto text = [](const std::string& raw,
                 const std::string& what) -> std::variant<std::u16string, PuzzleFileError> {
    if (auto t = Cp932ToUtf16(raw)) return *t;
    return PuzzleFileError{what + " is not valid Shift_JIS (code page 932) text"};
  };
  for (int k = 0; k < e; ++k) {
    const auto count = static_cast<std::uint16_t>(in.Integer());
    auto t = text(in.Raw(count), "the text of word " + std::to_string(k + 1));
    if (auto* error = std::get_if<PuzzleFileError>(&t)) return *error;
    file.Entries[static_cast<std::size_t>(k)].Text = std::get<std::u16string>(t);
  }
  for (auto& entry : file.Entries) entry.Points = in.Long();
  const std::int16_t countSuffixLength = in.Integer();
  const std::int16_t scoreSuffixLength = in.Integer();
  if (countSuffixLength < 0 || scoreSuffixLength < 0) {
    return PuzzleFileError{"a suffix has a negative length"};
  }
  struct Suffix {
    std::int16_t length;
    std::u16string* target;
    const char* what;
  };
  for (const Suffix& suffix : {Suffix{countSuffixLength, &file.CountSuffix, "the count suffix"},
                               Suffix{scoreSuffixLength, &file.ScoreSuffix, "the score suffix"}}) {
    auto t = text(in.Raw(static_cast<std::size_t>(suffix.length)), suffix.what);
    if (auto* error = std::get_if<PuzzleFileError>(&t)) return *error;
    *suffix.target = std::get<std::u16string>(t);
  }
  file.BoardSize = in.Integer();
  file.MaxWordLength = in.Integer();
  file.WordCount = in.Integer();
  for (auto& entry : file.Entries) entry.Placed = in.Integer();
  for (auto& entry : file.Entries) entry.Column = in.Integer();
  for (auto& entry : file.Entries) entry.Row = in.Integer();
  for (auto& entry : file.Entries) entry.Direction = in.Integer();
  file.PlacedCount = in.Long();
  file.Score = in.Long();
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
  for (const auto& entry : file.Entries) {
    auto bytes = Utf16ToCp932(entry.Text);
    if (!bytes || bytes->size() > 0xFFFF) return std::nullopt;
    out.Integer(static_cast<std::int16_t>(bytes->size()));
    out.Raw(*bytes);
  }
  for (const auto& entry : file.Entries) out.Long(entry.Points);
  auto countSuffix = Utf16ToCp932(file.CountSuffix);
  auto scoreSuffix = Utf16ToCp932(file.ScoreSuffix);
  if (!countSuffix || !scoreSuffix || countSuffix->size() > 0x7FFF ||
      scoreSuffix->size() > 0x7FFF) {
    return std::nullopt;
  }
  // The lengths are always those of the suffixes written, so the fields after
  // them stay where a reader looks for them.
  out.Integer(static_cast<std::int16_t>(countSuffix->size()));
  out.Integer(static_cast<std::int16_t>(scoreSuffix->size()));
  out.Raw(*countSuffix);
  out.Raw(*scoreSuffix);
  out.Integer(file.BoardSize);
  out.Integer(file.MaxWordLength);
  out.Integer(file.WordCount);
  for (const auto& entry : file.Entries) out.Integer(entry.Placed);
  for (const auto& entry : file.Entries) out.Integer(entry.Column);
  for (const auto& entry : file.Entries) out.Integer(entry.Row);
  for (const auto& entry : file.Entries) out.Integer(entry.Direction);
  out.Long(file.PlacedCount);
  out.Long(file.Score);
  return out.bytes;
}

void ApplyPuzzleFile(const PuzzleFile& file, PuzzleState& puzzle) {
  for (std::size_t k = 1; k <= file.Entries.size(); ++k) {
    static_cast<StoredWord&>(puzzle.Word(static_cast<int>(k))) = file.Entries[k - 1];
  }
  puzzle.CountSuffix = file.CountSuffix;
  puzzle.ScoreSuffix = file.ScoreSuffix;
  puzzle.BoardSize = file.BoardSize;
  puzzle.MaxWordLength = file.MaxWordLength;
  puzzle.WordCount = file.WordCount;
  puzzle.PlacedCount = file.PlacedCount;
  puzzle.Score = file.Score;
}

PuzzleFile PuzzleFileOf(const PuzzleState& puzzle, bool withHeader) {
  PuzzleFile file;
  file.HasHeader = withHeader;
  for (int k = 1; k <= file.EntryCount(); ++k) {
    file.Entries.push_back(puzzle.Word(k));
  }
  file.CountSuffix = puzzle.CountSuffix;
  file.ScoreSuffix = puzzle.ScoreSuffix;
  file.BoardSize = puzzle.BoardSize;
  file.MaxWordLength = puzzle.MaxWordLength;
  file.WordCount = puzzle.WordCount;
  file.PlacedCount = puzzle.PlacedCount;
  file.Score = puzzle.Score;
  return file;
}
