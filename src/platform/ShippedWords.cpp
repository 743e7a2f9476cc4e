#include "platform/ShippedWords.h"

#include <filesystem>

std::string ShippedWordsFolder(const std::string& programFolder) {
  const std::string beside = programFolder + "/words";
  if (std::filesystem::is_directory(beside)) return beside;
  return programFolder + "/../share/games/tsubura/words";
}
