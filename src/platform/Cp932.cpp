#include "platform/Cp932.h"

#include <iconv.h>

namespace {

// One conversion direction, opened once: opening a converter costs far more
// than converting a word.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (Valid()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // nullopt on any invalid or cut sequence.
  std::optional<std::string> operator()(const char* data, std::size_t size) {
    if (!Valid()) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
    std::string out(size * 2 + 4, '\0');
    char* in = const_cast<char*>(data);
    std::size_t inLeft = size;
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
  }

 private:
  bool Valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

}  // namespace

std::optional<std::u16string> Cp932ToUtf16(std::string_view bytes) {
  thread_local Converter toUtf16("UTF-16LE", "CP932");
  auto raw = toUtf16(bytes.data(), bytes.size());
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
  thread_local Converter toCp932("CP932", "UTF-16LE");
  return toCp932(raw.data(), raw.size());
}
