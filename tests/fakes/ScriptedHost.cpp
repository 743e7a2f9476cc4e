#include "fakes/ScriptedHost.h"

#include <gtest/gtest.h>

int ScriptedHost::ShowMessage(std::u16string_view message, std::u16string_view title,
                              int buttonCount, std::u16string_view caption0,
                              std::u16string_view caption1, std::u16string_view caption2) {
  dialogs.push_back({std::u16string(message), std::u16string(title), buttonCount,
                     std::u16string(caption0), std::u16string(caption1), std::u16string(caption2)});
  if (answers.empty() && defaultAnswer) return *defaultAnswer;
  if (answers.empty()) {
    ADD_FAILURE() << "a dialog appeared that the test did not expect";
    return 0;
  }
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<std::string> ScriptedHost::AskOpenFile() {
  if (openFiles.empty()) {
    ADD_FAILURE() << "the open-file dialog appeared unexpectedly";
    return std::nullopt;
  }
  auto answer = openFiles.front();
  openFiles.pop_front();
  return answer;
}

double ScriptedHost::NextRandom() {
  if (randoms.empty() && moreRandoms) return moreRandoms();
  if (randoms.empty()) {
    ADD_FAILURE() << "a random value was drawn that the test did not script";
    return 0;
  }
  const double r = randoms.front();
  randoms.pop_front();
  return r;
}

std::vector<std::u16string> ScriptedHost::Messages() const {
  std::vector<std::u16string> messages;
  for (const Dialog& d : dialogs) messages.push_back(d.message);
  return messages;
}
