// What the page's worker asks of the generator: the puzzle of the day and
// puzzles by theme, size, level and seed, made with the options the desktop
// game makes them with, so that a link names the same puzzle everywhere. The
// puzzle is written to a file of the module's; the answer is JSON.

#include <emscripten.h>

#include <atomic>

#include "files/PuzzleFile.h"
#include "generator/DailyPuzzle.h"
#include "generator/ThemedPuzzle.h"
#include "platform/ByteFile.h"
#include "platform/LocalDate.h"
#include "platform/Utf8.h"
#include "web/Json.h"

namespace {

constexpr const char* kMadePath = "/made.tbr";

const std::vector<Theme>& Themes() {
  // No folder of lists in a page: the lists built in.
  static const std::vector<Theme> themes = [] {
    auto loaded = LoadThemes("/words");
    auto* found = std::get_if<std::vector<Theme>>(&loaded);
    return found ? std::move(*found) : std::vector<Theme>{};
  }();
  return themes;
}

const char* Answer(const std::variant<ThemedPuzzle, std::string>& made, bool daily,
                   std::chrono::year_month_day day) {
  if (const auto* reason = std::get_if<std::string>(&made)) {
    return KeptForPage("{\"error\":" + JsonString(*reason) + "}");
  }
  const ThemedPuzzle& themed = std::get<ThemedPuzzle>(made);
  const auto bytes = EncodePuzzleFile(themed.made.file);
  if (!bytes || !ReplaceFile(kMadePath, *bytes)) {
    return KeptForPage("{\"error\":\"the puzzle cannot be written\"}");
  }
  const auto [heading, recordName] = HeadingAndName(themed.heading, daily, day);
  return KeptForPage(
      std::string("{\"path\":") + JsonString(kMadePath) + ",\"name\":" + JsonString(themed.name) +
      ",\"heading\":" + JsonString(heading) + ",\"recordName\":" + JsonString(recordName) +
      ",\"level\":" + JsonString(LevelId(themed.made.level)) +
      ",\"best\":" + std::to_string(themed.made.measure.best) + ",\"optimal\":" +
      (themed.made.optimal ? "true" : "false") + ",\"date\":" + JsonString(DateText(day)) + "}");
}

}  // namespace

extern "C" {

// The puzzle of the day of "YYYY-MM-DD".
EMSCRIPTEN_KEEPALIVE const char* tsubura_make_daily(const char* date) {
  const auto day = ParseDate(date);
  if (!day) return KeptForPage("{\"error\":\"no such date\"}");
  const std::atomic<bool> never{false};
  return Answer(MakeDailyPuzzle(Themes(), *day, never), true, *day);
}

// A puzzle of a theme (its id; "" for おまかせ, drawn by the seed) as the
// game's new-puzzle window makes it on `date`. Level: 0 easy, 1 normal, 2 hard.
EMSCRIPTEN_KEEPALIVE const char* tsubura_make(const char* theme, int size, int level, double seed,
                                              const char* date) {
  const auto day = ParseDate(date);
  if (!day || Themes().empty()) return KeptForPage("{\"error\":\"no such date\"}");
  GenerateOptions options;
  options.size = size;
  options.level = static_cast<Level>(level);
  options.seed = static_cast<std::uint64_t>(seed);
  options.seconds = 3 * StandardGenerationSeconds(size);
  const Theme* chosen = *theme ? FindTheme(Themes(), theme) : &AnyTheme(Themes(), options.seed);
  if (!chosen) return KeptForPage("{\"error\":\"no such theme\"}");
  const std::atomic<bool> never{false};
  return Answer(MakeThemedPuzzle({chosen}, options, *day, never), false, *day);
}

// [{"id","name"}] of every theme.
EMSCRIPTEN_KEEPALIVE const char* tsubura_themes() {
  std::string out = "[";
  for (const Theme& theme : Themes()) {
    if (out.size() > 1) out += ",";
    out += "{\"id\":" + JsonString(theme.id) + ",\"name\":" + JsonString(theme.list.name) + "}";
  }
  return KeptForPage(out + "]");
}

}  // extern "C"
