#include "app/CommandLine.h"

#include <algorithm>

namespace {

StartRequest Refused(std::string why) {
  StartRequest request;
  request.kind = StartRequest::Kind::Refused;
  request.refusal = "tsubura: " + std::move(why);
  return request;
}

}  // namespace

StartRequest ReadCommandLine(std::span<const std::string_view> arguments) {
  StartRequest request;
  if (std::any_of(arguments.begin(), arguments.end(),
                  [](auto a) { return a == "-h" || a == "--help"; })) {
    request.kind = StartRequest::Kind::Help;
    return request;
  }
  for (std::string_view argument : arguments) {
    if (argument == "--daily") {
      request.daily = true;
    } else if (argument.starts_with('-')) {
      return Refused("unknown option " + std::string(argument) +
                     " (tsubura --help lists the options)");
    } else if (request.puzzle.empty()) {
      request.puzzle = argument;
    }
  }
  if (request.daily && !request.puzzle.empty()) {
    return Refused("--daily opens the puzzle of the day; name no file with it");
  }
  return request;
}

std::string_view HelpText() {
  return "Usage: tsubura [--daily | FILE.tbr]\n"
         "ツブラ, a word-placement puzzle game.\n"
         "\n"
         "  FILE.tbr    open this puzzle at start-up (words after it are ignored)\n"
         "  --daily     open today's puzzle of the day at start-up, as パズル → 今日のパズル\n"
         "              does: made on its first start of the day, then as it was left\n"
         "  -h, --help  print this help and exit\n"
         "\n"
         "With no argument the game starts with no puzzle open. The manual page is tsubura(6).\n";
}
