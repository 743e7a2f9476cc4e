#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// Runs `check` on every input kept in one folder of the fuzz corpus, including
// those that once crashed; returns how many there were.
template <typename Check>
int CheckKeptInputs(const std::string& folder, Check check) {
  int inputs = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(TSUBURA_FUZZ_CORPUS) / folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    check(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    ++inputs;
  }
  return inputs;
}
