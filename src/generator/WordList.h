#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

// A theme's word list, as written in assets/words/: a word a line, optionally
// followed by its points; "#" starts a comment, and the first comment names
// the theme.
struct ListedWord {
  std::u16string text;
  std::optional<int> points;  // the list's own points win over the generator's
  bool operator==(const ListedWord&) const = default;
};

struct WordList {
  std::string name;  // as the first comment gives it, UTF-8
  std::vector<ListedWord> words;
};

// Why a list cannot be used: the line (from 1) and the reason, or line 0 for
// the list as a whole.
struct WordListError {
  int line = 0;
  std::string reason;
};

// Words of 1 to 30 characters, each with a code page 932 form and without the
// end marker "×"; a word listed twice counts once.
std::variant<WordList, WordListError> ParseWordList(const std::string& utf8);
