#include "generator/Themes.h"

#include <algorithm>
#include <filesystem>

#include "generator/BuiltInWordLists.h"
#include "platform/ByteFile.h"

namespace {

// The list of a file called `path` (its id the name without ".txt").
std::variant<Theme, ThemeError> ThemeOf(const std::string& path, std::string_view bytes) {
  auto parsed = ParseWordList(std::string(bytes));
  if (const auto* error = std::get_if<WordListError>(&parsed)) {
    return ThemeError{path + (error->line > 0 ? ":" + std::to_string(error->line) : "") + ": " +
                      error->reason};
  }
  return Theme{std::filesystem::path(path).stem().string(), std::get<WordList>(std::move(parsed))};
}

std::vector<Theme> BuiltInThemes() {
  std::vector<Theme> themes;
  for (const BuiltInWordList& list : BuiltInWordLists()) {
    // The build made them from the shipped lists, which a test reads.
    themes.push_back(std::get<Theme>(ThemeOf(std::string(list.name), list.bytes)));
  }
  return themes;
}

}  // namespace

std::variant<Theme, ThemeError> LoadWordFile(const std::string& path) {
  const auto bytes = ReadBytes(path);
  if (!bytes) return ThemeError{path + ": cannot be read"};
  return ThemeOf(path,
                 std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

std::variant<std::vector<Theme>, ThemeError> LoadThemes(const std::string& folder) {
  std::error_code error;
  if (!std::filesystem::exists(folder, error) && !error) return BuiltInThemes();
  std::vector<std::string> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.path().extension() == ".txt") paths.push_back(entry.path().string());
  }
  if (error) return ThemeError{folder + ": the word lists cannot be read"};
  std::sort(paths.begin(), paths.end());
  std::vector<Theme> themes;
  for (const std::string& path : paths) {
    auto theme = LoadWordFile(path);
    if (auto* failed = std::get_if<ThemeError>(&theme)) return *failed;
    themes.push_back(std::get<Theme>(std::move(theme)));
  }
  return themes;
}

const Theme* FindTheme(const std::vector<Theme>& themes, const std::string& name) {
  const auto found = std::find_if(themes.begin(), themes.end(), [&](const Theme& theme) {
    return theme.id == name || theme.list.name == name;
  });
  return found == themes.end() ? nullptr : &*found;
}
