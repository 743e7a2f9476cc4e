#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// A fresh folder for one test, removed with everything in it afterwards.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tsubura-test-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~TempFolder() { std::filesystem::remove_all(root_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  std::string Path(const std::string& name = "") const {
    return name.empty() ? root_.string() : (root_ / name).string();
  }

 private:
  std::filesystem::path root_;
};
