#include "SolveCommand.h"

#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <thread>

#include "platform/ByteFile.h"
#include "solver/Solve.h"

namespace {

std::atomic<bool> interrupted{false};

void OnInterrupt(int) {
  interrupted = true;
}

struct SolveArguments {
  SolveOptions search;
  std::string out;
};

// Parses "-o OUT", "--seconds S", "--threads T" and "--seed X" in any order.
bool ParseOptions(const std::vector<std::string>& options, SolveArguments& parsed) {
  parsed.search.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  for (std::size_t i = 0; i < options.size(); i += 2) {
    if (i + 1 >= options.size()) return false;
    const std::string& name = options[i];
    const std::string& value = options[i + 1];
    try {
      std::size_t used = 0;
      if (name == "-o") {
        parsed.out = value;
        continue;
      } else if (name == "--seconds") {
        parsed.search.seconds = std::stod(value, &used);
        if (!(parsed.search.seconds > 0)) return false;
      } else if (name == "--threads") {
        parsed.search.threads = std::stoi(value, &used);
        if (parsed.search.threads < 1) return false;
      } else if (name == "--seed") {
        parsed.search.seed = std::stoull(value, &used);
      } else {
        return false;
      }
      if (used != value.size()) return false;
    } catch (const std::exception&) {
      return false;
    }
  }
  return true;
}

}  // namespace

int SolveCommand(const PuzzleFile& file, const std::vector<std::string>& options) {
  SolveArguments arguments;
  if (!ParseOptions(options, arguments)) return 2;

  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigaction(SIGINT, &action, nullptr);
  const bool terminal = isatty(STDERR_FILENO) == 1;

  // One thread repeats itself exactly: the same seed, the same arrangement.
  arguments.search.repeatable = arguments.search.threads == 1;
  const SolverPuzzle puzzle = MakeSolverPuzzle(file);
  // A complete arrangement in the file is the one to beat: solving a file
  // into itself never leaves it worse.
  if (const auto held = ArrangementIn(file, puzzle)) arguments.search.start = *held;
  const SolveResult result =
      Solve(puzzle, arguments.search, interrupted, [terminal](const SolveProgress& p) {
        if (!terminal) return;
        std::fprintf(stderr, "\rbest %lld  bound %lld  %.1f s ", p.best, p.bound, p.elapsed);
        std::fflush(stderr);
      });
  if (terminal) std::fputs("\r\033[K", stderr);

  if (result.optimal) {
    std::cout << "best " << result.score << " optimal\n";
  } else {
    std::cout << "best " << result.score << " bound " << result.bound << "\n";
  }
  std::cout.flush();
  if (arguments.out.empty()) return 0;

  const PuzzleFile solved = WithArrangement(file, puzzle, result.arrangement);
  if (const auto fault = CheckArrangementByTheGame(solved)) {
    std::cerr << "the arrangement found breaks the game's rules: " << *fault << "\n";
    return 1;
  }
  const auto bytes = EncodePuzzleFile(solved);
  if (!bytes || !ReplaceFile(arguments.out, *bytes)) {
    std::cerr << arguments.out << ": cannot be written\n";
    return 1;
  }
  return 0;
}
