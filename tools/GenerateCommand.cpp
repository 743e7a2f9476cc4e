#include "GenerateCommand.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <limits>
#include <map>
#include <sstream>

#include "generator/DailyPuzzle.h"
#include "generator/ThemedPuzzle.h"
#include "platform/ByteFile.h"
#include "platform/LocalDate.h"

namespace {

int Refuse(const std::string& reason) {
  std::cerr << reason << "\n";
  return 1;
}

std::vector<std::string> Split(const std::string& names) {
  std::vector<std::string> parts;
  std::istringstream in(names);
  for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
  return parts;
}

std::optional<long long> Whole(const std::string& text, long long lowest, long long highest) {
  try {
    std::size_t used = 0;
    const long long value = std::stoll(text, &used);
    if (used == text.size() && value >= lowest && value <= highest) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

// The options by name; "--daily" is the one that takes no value.
std::optional<std::map<std::string, std::string>> Options(const std::vector<std::string>& args) {
  static const std::vector<std::string> known{"--theme", "--words-file", "--size",
                                              "--words", "--level",      "--seed",
                                              "--date",  "-o",           "--solved"};
  std::map<std::string, std::string> options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--daily") {
      options[args[i]] = "";
    } else if (std::find(known.begin(), known.end(), args[i]) != known.end() &&
               i + 1 < args.size()) {
      options[args[i]] = args[i + 1];
      ++i;
    } else {
      return std::nullopt;
    }
  }
  if (!options.count("-o")) return std::nullopt;
  return options;
}

bool Write(const std::string& path, const PuzzleFile& file) {
  const auto bytes = EncodePuzzleFile(file);
  return bytes && ReplaceFile(path, *bytes);
}

}  // namespace

int GenerateCommand(const std::string& wordsFolder, const std::vector<std::string>& arguments) {
  const auto options = Options(arguments);
  if (!options) return 2;
  auto has = [&](const char* name) { return options->count(name) > 0; };
  const bool daily = has("--daily");
  if (daily && (has("--theme") || has("--words-file") || has("--size") || has("--words") ||
                has("--level") || has("--seed")))
    return 2;

  std::vector<Theme> themes;
  if (daily || has("--theme") || !has("--words-file")) {
    auto loaded = LoadThemes(wordsFolder);
    if (const auto* error = std::get_if<ThemeError>(&loaded)) return Refuse(error->reason);
    themes = std::get<std::vector<Theme>>(std::move(loaded));
    if (themes.empty()) return Refuse(wordsFolder + ": no word lists");
  }
  std::optional<std::chrono::year_month_day> date;
  if (has("--date") && !(date = ParseDate(options->at("--date")))) return 2;

  const std::atomic<bool> noCancel{false};
  const std::chrono::year_month_day day = date.value_or(LocalDate());
  std::variant<ThemedPuzzle, std::string> made;
  if (daily) {
    made = MakeDailyPuzzle(themes, day, noCancel);
  } else {
    GenerateOptions generate;
    const auto size = has("--size") ? Whole(options->at("--size"), 4, 30) : 15;
    const auto words = has("--words") ? Whole(options->at("--words"), 2, 90) : 0;
    const auto level = LevelOfId(has("--level") ? options->at("--level") : "normal");
    if (!size || !words || !level) return 2;
    generate.size = static_cast<int>(*size);
    generate.words = static_cast<int>(*words);
    generate.level = *level;
    if (has("--seed")) {
      const auto seed = Whole(options->at("--seed"), 0, std::numeric_limits<long long>::max());
      if (!seed) return 2;
      generate.seed = static_cast<std::uint64_t>(*seed);
    } else {
      generate.seed = date ? SeedOfDate(*date)
                           : static_cast<std::uint64_t>(
                                 std::chrono::system_clock::now().time_since_epoch().count());
    }
    std::vector<const Theme*> chosen;
    if (has("--theme")) {
      for (const std::string& name : Split(options->at("--theme"))) {
        const Theme* theme = FindTheme(themes, name);
        if (!theme) return Refuse(name + ": no such theme (tsubura-puzzle themes lists them)");
        chosen.push_back(theme);
      }
    }
    std::optional<Theme> own;
    if (has("--words-file")) {
      auto loaded = LoadWordFile(options->at("--words-file"));
      if (const auto* error = std::get_if<ThemeError>(&loaded)) return Refuse(error->reason);
      own = std::get<Theme>(std::move(loaded));
      chosen.push_back(&*own);
    }
    if (chosen.empty()) chosen.push_back(&AnyTheme(themes, generate.seed));
    made = MakeThemedPuzzle(chosen, generate, day, noCancel);
  }
  if (const auto* reason = std::get_if<std::string>(&made)) return Refuse(*reason);
  const GeneratedPuzzle& puzzle = std::get<ThemedPuzzle>(made).made;
  const std::string& out = options->at("-o");
  if (!Write(out, puzzle.file)) return Refuse(out + ": cannot be written");
  // The best known arrangement placed, for a longer solve to start from.
  if (has("--solved") && !Write(options->at("--solved"), puzzle.solved))
    return Refuse(options->at("--solved") + ": cannot be written");
  const Measure& m = puzzle.measure;
  std::cout << out << " size " << puzzle.file.BoardSize << " words " << puzzle.file.WordCount
            << " level " << LevelId(puzzle.level) << " best " << m.best
            << (puzzle.optimal ? " optimal" : " bound " + std::to_string(m.bound)) << " greedy "
            << m.greedy << "\n";
  return 0;
}

int ThemesCommand(const std::string& wordsFolder) {
  auto loaded = LoadThemes(wordsFolder);
  if (const auto* error = std::get_if<ThemeError>(&loaded)) return Refuse(error->reason);
  for (const Theme& theme : std::get<std::vector<Theme>>(loaded))
    std::cout << theme.id << " " << theme.list.name << " " << theme.list.words.size() << "\n";
  return 0;
}
