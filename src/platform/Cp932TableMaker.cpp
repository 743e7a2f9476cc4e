// Writes the code page 932 tables of a build without iconv's CP932 (the
// browser's), read off this machine's iconv, so that both builds turn the
// same bytes into the same text and back.
//
//   cp932-table-maker OUT.cpp

#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

std::optional<std::string> Convert(iconv_t cd, std::string in) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::string out(16, '\0');
  char* from = in.data();
  char* to = out.data();
  std::size_t fromLeft = in.size(), toLeft = out.size();
  if (iconv(cd, &from, &fromLeft, &to, &toLeft) == static_cast<std::size_t>(-1))
    return std::nullopt;
  out.resize(out.size() - toLeft);
  return out;
}

// The one UTF-16 unit a byte sequence decodes to; nullopt for none or more.
std::optional<std::uint16_t> Decode(iconv_t cd, const std::string& bytes) {
  const auto text = Convert(cd, bytes);
  if (!text || text->size() != 2) return std::nullopt;
  return static_cast<std::uint16_t>(static_cast<unsigned char>((*text)[0]) |
                                    static_cast<unsigned char>((*text)[1]) << 8);
}

void WriteArray(std::ofstream& out, const char* declaration,
                const std::vector<std::uint32_t>& values) {
  out << declaration << " = {";
  for (std::size_t i = 0; i < values.size(); ++i)
    out << (i % 12 == 0 ? "\n" : " ") << values[i] << ",";
  out << "\n};\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp932-table-maker OUT.cpp\n");
    return 2;
  }
  iconv_t toUtf16 = iconv_open("UTF-16LE", "CP932"), toCp932 = iconv_open("CP932", "UTF-16LE");
  if (toUtf16 == reinterpret_cast<iconv_t>(-1) || toCp932 == reinterpret_cast<iconv_t>(-1)) {
    std::fprintf(stderr, "this machine's iconv has no CP932\n");
    return 1;
  }
  // Single bytes: their character; lead bytes: a row of characters by trail byte.
  std::vector<std::uint32_t> single(256, 0xFFFF), leadRow(256, 0), rows;
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    if (const auto c = Decode(toUtf16, one)) {
      single[static_cast<std::size_t>(b)] = *c;
      continue;
    }
    std::vector<std::uint32_t> row(256, 0xFFFF);
    bool any = false;
    for (int t = 0; t < 256; ++t) {
      if (const auto c = Decode(toUtf16, one + static_cast<char>(t))) {
        row[static_cast<std::size_t>(t)] = *c;
        any = true;
      }
    }
    if (!any) continue;
    rows.insert(rows.end(), row.begin(), row.end());
    leadRow[static_cast<std::size_t>(b)] = static_cast<std::uint32_t>(rows.size() / 256);
  }
  // Every character of the basic plane that has bytes, as (character << 16 | bytes).
  std::vector<std::uint32_t> encoded;
  for (std::uint32_t c = 0; c < 0x10000; ++c) {
    if (c >= 0xD800 && c < 0xE000) continue;
    const std::string unit{static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    const auto bytes = Convert(toCp932, unit);
    if (!bytes || bytes->empty() || bytes->size() > 2) continue;
    std::uint32_t code = static_cast<unsigned char>((*bytes)[0]);
    if (bytes->size() == 2) code = code << 8 | static_cast<unsigned char>((*bytes)[1]);
    encoded.push_back(c << 16 | code);
  }
  std::ofstream out(argv[1]);
  out << "// Made by cp932-table-maker from iconv's CP932: do not edit.\n"
         "#include \"platform/Cp932Table.h\"\n\n";
  WriteArray(out, "const std::uint16_t kCp932Single[256]", single);
  WriteArray(out, "const std::uint8_t kCp932LeadRow[256]", leadRow);
  WriteArray(out, "const std::uint16_t kCp932Rows[]", rows);
  WriteArray(out, "const std::uint32_t kCp932Encoded[]", encoded);
  out << "const std::size_t kCp932EncodedCount = " << encoded.size() << ";\n";
  out.close();
  return out ? 0 : 1;
}
