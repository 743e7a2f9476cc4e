#pragma once

#include <span>
#include <string>
#include <string_view>

// What the command line asks of the game at start-up.
struct StartRequest {
  enum class Kind { Play, Help, Refused };
  Kind kind = Kind::Play;
  bool daily = false;   // today's puzzle of the day opens at once
  std::string puzzle;   // a puzzle file to open at once, or empty
  std::string refusal;  // for Refused: the one line that says why
};

// Reads the arguments after the program's name: --daily, -h or --help, and a
// puzzle file (a double-click on a .tbr file names one). Words after the file
// are ignored; an option the game does not know is refused.
StartRequest ReadCommandLine(std::span<const std::string_view> arguments);

// What "tsubura --help" prints.
std::string_view HelpText();
