// tsubura-generate: the puzzle tool's generate and themes, built for the
// browser and run under node, so that tests compare its puzzles with the
// desktop's byte for byte.
//
//   node tsubura-generate.js generate [options as tsubura-puzzle's] -o OUT.tbr
//   node tsubura-generate.js themes

#include <iostream>
#include <string>
#include <vector>

#include "GenerateCommand.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  // No folder of lists: the lists built in, as in the browser.
  const std::string builtIn = "/nonexistent";
  if (!args.empty() && args[0] == "generate") {
    return GenerateCommand(builtIn, {args.begin() + 1, args.end()});
  }
  if (args.size() == 1 && args[0] == "themes") return ThemesCommand(builtIn);
  std::cerr << "usage: tsubura-generate generate [options] -o OUT.tbr | themes\n";
  return 2;
}
