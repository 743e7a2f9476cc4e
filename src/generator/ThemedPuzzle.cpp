#include "generator/ThemedPuzzle.h"

#include "generator/DailyPuzzle.h"
#include "platform/LocalDate.h"
#include "platform/Utf8.h"

std::variant<ThemedPuzzle, std::string> MakeThemedPuzzle(const std::vector<const Theme*>& themes,
                                                         const GenerateOptions& options,
                                                         std::chrono::year_month_day date,
                                                         const std::atomic<bool>& cancel) {
  std::vector<ListedWord> words;
  std::string ids, names;
  for (const Theme* theme : themes) {
    words.insert(words.end(), theme->list.words.begin(), theme->list.words.end());
    ids += (ids.empty() ? "" : ",") + theme->id;
    names += (names.empty() ? "" : "と") + theme->list.name;
  }
  auto made = Generate(words, options, cancel);
  if (auto* reason = std::get_if<std::string>(&made)) return ids + ": " + *reason;
  ThemedPuzzle themed{std::get<GeneratedPuzzle>(std::move(made)), names + "-" + DateText(date), {}};
  themed.heading = Utf8ToUtf16(names).value_or(u"") + u"（" +
                   std::u16string(LevelCaption(themed.made.level)) + u"）";
  return themed;
}

std::variant<ThemedPuzzle, std::string> MakeDailyPuzzle(const std::vector<Theme>& themes,
                                                        std::chrono::year_month_day date,
                                                        const std::atomic<bool>& cancel) {
  if (themes.empty()) return std::string("no word lists");
  const DailyChoice choice = DailyPuzzleOf(date, themes.size());
  auto made = MakeThemedPuzzle({&themes[choice.theme]}, choice.options, date, cancel);
  if (auto* themed = std::get_if<ThemedPuzzle>(&made)) {
    themed->heading = u"今日のパズル " + themed->heading;
  }
  return made;
}

const Theme& AnyTheme(const std::vector<Theme>& themes, std::uint64_t seed) {
  return themes[seed % themes.size()];
}

std::pair<std::u16string, std::string> HeadingAndName(std::u16string heading, bool daily,
                                                      std::chrono::year_month_day day) {
  constexpr std::u16string_view kToday = u"今日のパズル ";
  if (!daily || !heading.starts_with(kToday)) return {heading, Utf16ToUtf8(heading)};
  heading.erase(0, kToday.size());
  const std::u16string prefix =
      day == LocalDate() ? std::u16string(kToday) : *Utf8ToUtf16(DateText(day) + "のパズル ");
  return {prefix + heading, Utf16ToUtf8(heading)};
}
