#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fakes/TempFolder.h"
#include "platform/ByteFile.h"

namespace {

TEST(ByteFile, ReadingAMissingFileCreatesItEmpty) {
  TempFolder folder;
  const auto bytes = ReadBytesCreating(folder.Path("new.bin"));
  ASSERT_TRUE(bytes);
  EXPECT_TRUE(bytes->empty());
  EXPECT_TRUE(std::filesystem::exists(folder.Path("new.bin")));
  EXPECT_FALSE(ReadBytesCreating(folder.Path("no/such/folder.bin")));
}

TEST(ByteFile, OverwritingTheStartKeepsTheRestAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const std::string path = folder.Path("f.bin");
  std::ofstream(path, std::ios::binary) << "abcdef";
  ASSERT_TRUE(OverwriteStart(path, {'X', 'Y'}));
  EXPECT_EQ(*ReadBytesCreating(path), (Bytes{'X', 'Y', 'c', 'd', 'e', 'f'}));
  ASSERT_TRUE(OverwriteStart(path, Bytes(8, 'Z')));
  EXPECT_EQ(*ReadBytesCreating(path), Bytes(8, 'Z'));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator{}),
            1);
}

TEST(ByteFile, AFolderIsWritableWhenAFileCanBeMadeInIt) {
  TempFolder folder;
  EXPECT_TRUE(FolderIsWritable(folder.Path("Data")));
  EXPECT_TRUE(std::filesystem::is_directory(folder.Path("Data")));
  EXPECT_TRUE(std::filesystem::is_empty(folder.Path("Data")));
  std::ofstream(folder.Path("file")) << "x";
  EXPECT_FALSE(FolderIsWritable(folder.Path("file")));
}

}  // namespace
