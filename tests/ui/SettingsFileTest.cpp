#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/TempFolder.h"
#include "ui/SettingsFile.h"

namespace {

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

TEST(SettingsFile, MissingFileIsCreatedEmptyAndEverySettingIsZero) {
  TempFolder folder;
  const std::string path = folder.Path("Data.dat");
  SettingsRecord settings;
  settings.MessageMode = 3;
  LoadSettings(path, settings);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
  EXPECT_EQ(EncodeSettings(settings), Bytes(48, 0));
}

TEST(SettingsFile, EightByteFileGivesTheFourSettingsAndSilentSwitches) {
  const SettingsRecord s = DecodeSettings({2, 0, 3, 0, 1, 0, 2, 0});
  EXPECT_EQ(s.CrossStyle, 2);
  EXPECT_EQ(s.Background, 3);
  EXPECT_EQ(s.BoardFont, 1);
  EXPECT_EQ(s.MessageMode, 2);
  for (int n = 0; n < 20; ++n) EXPECT_FALSE(s.SoundOn(n)) << n;
}

TEST(SettingsFile, FieldsAreLittleEndianAndAnOddLengthReadsTheHalfByte) {
  Bytes bytes(48, 0);
  bytes[0] = 0x34;
  bytes[1] = 0x12;
  bytes[2] = 0xFF;
  bytes[3] = 0xFF;
  bytes[8 + 2 * 19] = 1;
  SettingsRecord s = DecodeSettings(bytes);
  EXPECT_EQ(s.CrossStyle, 0x1234);
  EXPECT_EQ(s.Background, -1);
  EXPECT_TRUE(s.SoundOn(19));
  EXPECT_EQ(EncodeSettings(s), bytes);

  // 47 bytes: the last switch keeps its low byte and reads 0 above it.
  bytes.resize(47);
  bytes[46] = 1;
  EXPECT_EQ(DecodeSettings(bytes).SoundSwitch[19], 1);
}

TEST(SettingsFile, OnlyASwitchOfExactlyOneCountsAsOn) {
  SettingsRecord s;
  s.SoundSwitch[0] = 2;
  s.SoundSwitch[1] = 1;
  s.SoundSwitch[2] = -1;
  EXPECT_FALSE(s.SoundOn(0));
  EXPECT_TRUE(s.SoundOn(1));
  EXPECT_FALSE(s.SoundOn(2));
  EXPECT_FALSE(s.SoundOn(20));
}

TEST(SettingsFile, SavingKeepsTheBytesAfterTheRecord) {
  TempFolder folder;
  const std::string path = folder.Path("Data.dat");
  Bytes old(60, 0xAB);
  WriteFile(path, old);
  SettingsRecord s;
  s.MessageMode = 2;
  s.SoundSwitch[3] = 1;
  ASSERT_TRUE(SaveSettings(path, s));
  const Bytes written = ReadFile(path);
  ASSERT_EQ(written.size(), 60u);
  EXPECT_EQ(Bytes(written.begin(), written.begin() + 48), EncodeSettings(s));
  EXPECT_EQ(Bytes(written.begin() + 48, written.end()), Bytes(12, 0xAB));

  SettingsRecord back;
  LoadSettings(path, back);
  EXPECT_EQ(EncodeSettings(back), EncodeSettings(s));
}

TEST(SettingsFile, SavingIntoAFolderThatIsGoneFailsAndReportsIt) {
  TempFolder folder;
  EXPECT_FALSE(SaveSettings(folder.Path("missing/Data.dat"), SettingsRecord{}));
}

}  // namespace
