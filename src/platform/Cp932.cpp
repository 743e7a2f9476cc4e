#include "platform/Cp932.h"

#include <iconv.h>

#include <cerrno>

namespace {

// Converts between two iconv encodings; nullopt on any invalid or cut sequence.
std::optional<std::string> Convert(const char* to, const char* from, const char* data,
                                   std::size_t size) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(size * 2 + 4, '\0');
  char* in = const_cast<char*>(data);
  std::size_t inLeft = size;
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  std::optional<std::string> result;
  if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) {
    out.resize(out.size() - outLeft);
    result = std::move(out);
  }
  iconv_close(cd);
  return result;
}

}  // namespace

std::optional<std::u16string> Cp932ToUtf16(std::string_view bytes) {
  auto raw = Convert("UTF-16LE", "CP932", bytes.data(), bytes.size());
  if (!raw) return std::nullopt;
  std::u16string text(raw->size() / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>((*raw)[2 * i]) |
                                    (static_cast<unsigned char>((*raw)[2 * i + 1]) << 8));
  }
  return text;
}

std::optional<std::string> Utf16ToCp932(std::u16string_view text) {
  std::string raw(text.size() * 2, '\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    raw[2 * i] = static_cast<char>(text[i] & 0xFF);
    raw[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return Convert("CP932", "UTF-16LE", raw.data(), raw.size());
}
