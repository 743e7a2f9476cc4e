#include "records/Fingerprint.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "files/PuzzleFile.h"

namespace {

// 64-bit FNV-1a, fed whole values so that no two lists share a stream.
class Hash {
 public:
  void Add(std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
      state_ ^= (value >> (8 * i)) & 0xFF;
      state_ *= 0x100000001B3u;
    }
  }
  std::uint64_t Value() const { return state_; }

 private:
  std::uint64_t state_ = 0xCBF29CE484222325u;
};

}  // namespace

std::string Fingerprint(const PuzzleFile& file) {
  std::vector<std::pair<std::u16string, std::int32_t>> words;
  const std::size_t count = std::min<std::size_t>(
      static_cast<std::size_t>(std::max<int>(file.WordCount, 0)), file.Entries.size());
  for (std::size_t i = 0; i < count; ++i)
    words.emplace_back(file.Entries[i].Text, file.Entries[i].Points);
  std::sort(words.begin(), words.end());

  Hash hash;
  hash.Add(static_cast<std::uint64_t>(file.BoardSize));
  hash.Add(words.size());
  for (const auto& [text, points] : words) {
    hash.Add(text.size());
    for (char16_t c : text) hash.Add(c);
    hash.Add(static_cast<std::uint32_t>(points));
  }
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash.Value()));
  return digits;
}
