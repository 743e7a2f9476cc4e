#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzTargets.h"

namespace {

// Every input kept in the fuzz corpus, including those that once crashed,
// goes through its target's checks in every test run.
TEST(FuzzCorpus, EveryKeptInputPassesItsChecks) {
  const std::filesystem::path corpus = TSUBURA_FUZZ_CORPUS;
  const std::pair<const char*, void (*)(const std::uint8_t*, std::size_t)> targets[] = {
      {"puzzle_reader", CheckPuzzleReader},
      {"open_path", CheckOpenPath},
      {"settings", CheckSettingsReader}};
  int inputs = 0;
  for (const auto& [name, check] : targets) {
    for (const auto& entry : std::filesystem::directory_iterator(corpus / name)) {
      std::ifstream in(entry.path(), std::ios::binary);
      const std::string bytes(std::istreambuf_iterator<char>(in), {});
      check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++inputs;
    }
  }
  EXPECT_GE(inputs, 10);
}

}  // namespace
