#include "ui/MessageLayout.h"

#include <algorithm>

namespace {

// A message is one line but for the rare one broken into two, which is as
// wide as its longer line.
int LongestLine(std::u16string_view message) {
  std::size_t longest = 0;
  for (std::size_t start = 0; start <= message.size();) {
    const std::size_t end = std::min(message.find(u'\n', start), message.size());
    longest = std::max(longest, end - start);
    start = end + 1;
  }
  return static_cast<int>(longest);
}

}  // namespace

MessageLayout LayOutMessage(std::u16string_view message, int buttonCount,
                            const std::array<std::u16string_view, 3>& captions) {
  MessageLayout layout{};
  // Every caption counts, even that of a hidden button.
  const bool shortCaptions = std::all_of(captions.begin(), captions.end(),
                                         [](std::u16string_view c) { return c.size() <= 6; });
  const int w = shortCaptions ? kMessageDesignButtonWidth : kMessageWideButtonWidth;
  layout.buttonWidth = w;
  // Twelve pixels a character: the width of a full-width glyph of the label font.
  layout.clientWidth = std::max(12 * LongestLine(message) + 16, (w + 8) * buttonCount + 9);
  layout.clientHeight = kMessageClientHeight;
  const double width = layout.clientWidth;
  for (int i = 0; i < buttonCount && i < 3; ++i) {
    layout.buttonLeft[static_cast<std::size_t>(i)] =
        (width - w) / 2 - (w + 8) / 2.0 * (buttonCount - 1) + i * (w + 8);
  }
  layout.buttonTop = layout.clientHeight - 25;
  layout.buttonHeight = 24;
  layout.labelWidth = layout.clientWidth - 16;
  return layout;
}
