// tsubura-puzzle: makes, shows and checks ツブラ puzzle files.
//
//   tsubura-puzzle make SOURCE.txt OUT.tbr
//   tsubura-puzzle show FILE.tbr
//   tsubura-puzzle check FILE.tbr
//   tsubura-puzzle solve FILE.tbr [-o OUT.tbr] [--seconds S] [--threads T] [--seed X]
//   tsubura-puzzle generate [--theme NAME[,NAME…]] [--words-file FILE] [--size N] [--words K]
//                           [--level easy|normal|hard] [--seed X] [--date YYYY-MM-DD] [--daily]
//                           -o OUT.tbr [--solved SOLVED.tbr]
//   tsubura-puzzle themes
//   tsubura-puzzle records [--data DIR] [--stats]
//
// A file the game would refuse ends with status 1 and the reason on stderr.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "GenerateCommand.h"
#include "PuzzleText.h"
#include "RecordsCommand.h"
#include "SolveCommand.h"
#include "board/BoardRebuild.h"
#include "platform/ShippedWords.h"
#include "words/BCheck.h"

namespace {

int Usage() {
  std::cerr << "usage: tsubura-puzzle make SOURCE.txt OUT.tbr\n"
               "       tsubura-puzzle show FILE.tbr\n"
               "       tsubura-puzzle check FILE.tbr\n"
               "       tsubura-puzzle solve FILE.tbr [-o OUT.tbr] [--seconds S] [--threads T] "
               "[--seed X]\n"
               "       tsubura-puzzle generate [--theme NAME[,NAME...]] [--words-file FILE] "
               "[--size N]\n"
               "                               [--words K] [--level easy|normal|hard] [--seed X]\n"
               "                               [--date YYYY-MM-DD] [--daily] -o OUT.tbr\n"
               "                               [--solved SOLVED.tbr]\n"
               "       tsubura-puzzle themes\n"
               "       tsubura-puzzle records [--data DIR] [--stats]\n";
  return 2;
}

int Fail(const std::string& where, const std::string& reason) {
  std::cerr << where << ": " << reason << "\n";
  return 1;
}

std::variant<PuzzleFile, int> Load(const std::string& path) {
  const auto bytes = ReadBytes(path);
  if (!bytes) return Fail(path, "cannot be read");
  auto decoded = DecodePuzzleFile(*bytes);
  if (auto* error = std::get_if<PuzzleFileError>(&decoded)) return Fail(path, error->reason);
  return std::get<PuzzleFile>(decoded);
}

int Make(const std::string& source, const std::string& out) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return Fail(source, "cannot be read");
  std::stringstream text;
  text << in.rdbuf();
  auto parsed = ParsePuzzleText(text.str());
  if (auto* error = std::get_if<TextError>(&parsed)) {
    return Fail(error->line > 0 ? source + ":" + std::to_string(error->line) : source,
                error->reason);
  }
  const auto bytes = EncodePuzzleFile(std::get<PuzzleFile>(parsed));
  if (!bytes || !ReplaceFile(out, *bytes)) return Fail(out, "cannot be written");
  return 0;
}

int Show(const std::string& path) {
  auto file = Load(path);
  if (auto* status = std::get_if<int>(&file)) return *status;
  std::cout << PrintPuzzleText(std::get<PuzzleFile>(file));
  return 0;
}

int Check(const std::string& path) {
  auto file = Load(path);
  if (auto* status = std::get_if<int>(&file)) return *status;
  const PuzzleFile& f = std::get<PuzzleFile>(file);
  PuzzleState puzzle;
  ApplyPuzzleFile(f, puzzle);
  RebuildBoard(puzzle);
  BCheck(puzzle);
  std::cout << "score " << f.Score << " placed " << f.PlacedCount << " "
            << (puzzle.Incomplete == 1 ? "incomplete" : "complete") << "\n";
  return 0;
}

int Solve(const std::string& path, const std::vector<std::string>& options) {
  auto file = Load(path);
  if (auto* status = std::get_if<int>(&file)) return *status;
  const int status = SolveCommand(std::get<PuzzleFile>(file), options);
  return status == 2 ? Usage() : status;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "make") return Make(args[1], args[2]);
  if (args.size() == 2 && args[0] == "show") return Show(args[1]);
  if (args.size() == 2 && args[0] == "check") return Check(args[1]);
  if (args.size() >= 2 && args[0] == "solve") return Solve(args[1], {args.begin() + 2, args.end()});
  const std::string programFolder =
      std::filesystem::canonical("/proc/self/exe").parent_path().string();
  if (!args.empty() && args[0] == "records") {
    const int status = RecordsCommand(programFolder, {args.begin() + 1, args.end()});
    return status == 2 ? Usage() : status;
  }
  const std::string words = ShippedWordsFolder(programFolder);
  if (!args.empty() && args[0] == "generate") {
    const int status = GenerateCommand(words, {args.begin() + 1, args.end()});
    return status == 2 ? Usage() : status;
  }
  if (args.size() == 1 && args[0] == "themes") return ThemesCommand(words);
  return Usage();
}
