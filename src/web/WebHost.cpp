#include "web/WebHost.h"

#include <emscripten.h>

#include "platform/Utf8.h"
#include "ui/Appearance.h"
#include "ui/PlaySoundEffect.h"

namespace {

// The page's side: Module.tsubura, set by the page before the module starts.
// clang-format off
EM_ASYNC_JS(int, AskPage, (const char* message, const char* title, int count,
                           const char* caption0, const char* caption1, const char* caption2), {
  const captions = [caption0, caption1, caption2].slice(0, count).map(UTF8ToString);
  return await Module.tsubura.ask(UTF8ToString(message), UTF8ToString(title), captions);
});

EM_ASYNC_JS(void, SleepInPage, (int milliseconds), {
  await new Promise(function(resolve) { setTimeout(resolve, milliseconds); });
});

// The chosen file, laid in the module's files; 0 when cancelled.
EM_ASYNC_JS(char*, PickFileInPage, (), {
  const path = await Module.tsubura.pickFile();
  return path ? allocateUTF8(path) : 0;
});

EM_JS(void, PlayInPage, (int n), { Module.tsubura.playSound(n); });
EM_JS(void, ChangedInPage, (), { Module.tsubura.changed(); });
// clang-format on

std::string Utf8(std::u16string_view text) {
  return Utf16ToUtf8(text);
}

}  // namespace

WebHost::WebHost() : game(*this) {
  random_.SeedFromClock();
}

int WebHost::ShowMessage(std::u16string_view message, std::u16string_view title, int buttonCount,
                         std::u16string_view caption0, std::u16string_view caption1,
                         std::u16string_view caption2) {
  // The board is brought up to date underneath the dialog, as on the desktop.
  Redraw();
  PlaySoundEffect(game, 0);
  return AskPage(Utf8(message).c_str(), Utf8(title).c_str(), buttonCount, Utf8(caption0).c_str(),
                 Utf8(caption1).c_str(), Utf8(caption2).c_str());
}

void WebHost::PlayClip(int n) {
  PlayInPage(n);
}

void WebHost::ClearPicture() {
  // The page draws the whole board anew every time: nothing stale to clear.
}

void WebHost::Redraw() {
  ChangedInPage();
}

void WebHost::Wait(int milliseconds) {
  Redraw();
  SleepInPage(milliseconds);
}

std::optional<std::string> WebHost::AskOpenFile() {
  char* path = PickFileInPage();
  if (!path) return std::nullopt;
  std::string chosen(path);
  free(path);
  return chosen;
}

void WebHost::ShowOpenedPuzzle(const PuzzleLayout&) {
  // The page lays itself out from the state it reads.
  ++look.openings;
  Redraw();
}

void WebHost::SetText1(std::u16string_view text) {
  look.text1 = text;
}

double WebHost::NextRandom() {
  return random_.Next();
}

void WebHost::Terminate() {
  // A page has no process to end: the quit command is not offered there.
}

void WebHost::ApplyAppearance() {
  if (auto background = ChooseBackground(game.Settings, *this)) look.background = *background;
  if (auto face = ChooseBoardFace(game.Settings)) look.face = *face;
}
