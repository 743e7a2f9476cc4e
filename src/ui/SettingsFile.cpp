#include "ui/SettingsFile.h"

#include <vector>

namespace {

// The record's fields in file order.
std::vector<std::int16_t*> FieldsOf(SettingsRecord& s) {
  std::vector<std::int16_t*> fields{&s.CrossStyle, &s.Background, &s.BoardFont, &s.MessageMode};
  for (auto& sw : s.SoundSwitch) fields.push_back(&sw);
  return fields;
}

}  // namespace

SettingsRecord DecodeSettings(const Bytes& bytes) {
  SettingsRecord settings;
  std::size_t offset = 0;
  for (std::int16_t* field : FieldsOf(settings)) {
    std::uint16_t low = offset < bytes.size() ? bytes[offset] : 0;
    std::uint16_t high = offset + 1 < bytes.size() ? bytes[offset + 1] : 0;
    *field = static_cast<std::int16_t>(low | (high << 8));
    offset += 2;
  }
  return settings;
}

Bytes EncodeSettings(const SettingsRecord& settings) {
  SettingsRecord copy = settings;
  Bytes bytes;
  for (std::int16_t* field : FieldsOf(copy)) {
    auto value = static_cast<std::uint16_t>(*field);
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  return bytes;
}

void LoadSettings(const std::string& path, SettingsRecord& settings) {
  settings = DecodeSettings(ReadBytesCreating(path).value_or(Bytes{}));
}

bool SaveSettings(const std::string& path, const SettingsRecord& settings) {
  return OverwriteStart(path, EncodeSettings(settings));
}
