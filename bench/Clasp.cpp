#include "Clasp.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

std::optional<ClaspAnswer> RunClasp(const PuzzleFile& file, int seconds, int threads) {
  char path[] = "/tmp/tsubura-facts-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return std::nullopt;
  close(fd);
  {
    std::ofstream facts(path);
    facts << "n(" << file.BoardSize << ").\n";
    std::map<char16_t, int> kinds;
    for (int w = 0; w < file.WordCount; ++w) {
      const StoredWord& word = file.Entries[static_cast<std::size_t>(w)];
      facts << "word(" << w << "," << word.Text.size() << "," << word.Points << ").\n";
      for (std::size_t i = 0; i < word.Text.size(); ++i) {
        const auto kind = kinds.emplace(word.Text[i], static_cast<int>(kinds.size())).first->second;
        facts << "char(" << w << "," << i << "," << kind << ").\n";
      }
    }
  }
  const std::string command = "clingo " TSUBURA_ASP_RULES " " + std::string(path) +
                              " --parallel-mode=" + std::to_string(threads) +
                              " --time-limit=" + std::to_string(seconds) + " --quiet=2 2>/dev/null";
  FILE* out = popen(command.c_str(), "r");
  std::optional<ClaspAnswer> answer;
  bool proven = false;  // said before the summary that gives the score
  if (out) {
    char line[512];
    while (std::fgets(line, sizeof line, out)) {
      long long value = 0;
      if (std::sscanf(line, "Optimization : %lld", &value) == 1)
        answer = ClaspAnswer{-value, false};
      proven = proven || std::string(line).rfind("OPTIMUM FOUND", 0) == 0;
    }
    pclose(out);
  }
  if (answer) answer->proven = proven;
  unlink(path);
  return answer;
}
