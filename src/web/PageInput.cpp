#include "web/PageInput.h"

#include "board/MouseEditing.h"
#include "history/UndoRedo.h"

namespace {

// The page has cells, not pixels: a picture of 20 pixels a cell stands in.
constexpr int kPitch = 20;

}  // namespace

void PressBoardCell(Game& game, int column, int row, int button) {
  const int width = game.Puzzle.BoardSize * kPitch + 1;
  RecordStep(game, [&] {
    Pimain_MouseDown(game, button, static_cast<float>(column * kPitch + kPitch / 2),
                     static_cast<float>(row * kPitch + kPitch / 2), width);
  });
}
