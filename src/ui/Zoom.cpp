#include "ui/Zoom.h"

#include "platform/ByteFile.h"

int ReadZoom(const std::string& path) {
  const auto bytes = ReadBytes(path);
  if (!bytes) return kDefaultZoom;
  std::string text(bytes->begin(), bytes->end());
  if (!text.empty() && text.back() == '\n') text.pop_back();
  for (int choice : kZoomChoices) {
    if (text == std::to_string(choice)) return choice;
  }
  return kDefaultZoom;
}

bool WriteZoom(const std::string& path, int percent) {
  const std::string text = std::to_string(percent) + "\n";
  return ReplaceFile(path, Bytes(text.begin(), text.end()));
}
