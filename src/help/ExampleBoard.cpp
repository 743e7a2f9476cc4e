#include "help/ExampleBoard.h"

#include <QStringList>
#include <algorithm>

#include "board/BoardCanvas.h"
#include "board/BoardRebuild.h"

namespace {

constexpr int kCellPixels = 24;

void AddWord(PuzzleState& puzzle, const QStringList& fields) {
  if (fields.size() != 4 || puzzle.WordCount >= kMaxWords) return;
  QString text = fields[0];
  const bool shown = text.startsWith(u'*');
  if (shown) text.remove(0, 1);
  WordEntry& word = puzzle.Word(++puzzle.WordCount);
  word.Text = text.toStdU16String();
  word.Placed = 1;
  word.Column = static_cast<std::int16_t>(fields[1].toInt());
  word.Row = static_cast<std::int16_t>(fields[2].toInt());
  word.Direction = fields[3] == QStringLiteral("縦") ? 1 : 0;
  word.SetLabelColours(shown ? ColourShown : ColourPlaced);
}

}  // namespace

QImage DrawExampleBoard(const QString& description, qreal ratio) {
  const QStringList parts = description.split(u';');
  PuzzleState puzzle;
  puzzle.BoardSize = static_cast<std::int16_t>(std::clamp(parts[0].toInt(), 1, kMaxBoardSize));
  for (qsizetype i = 1; i < parts.size(); ++i) AddWord(puzzle, parts[i].split(u','));
  RebuildBoard(puzzle);
  return PaintWholeBoard(puzzle, kCellPixels, ratio);
}
