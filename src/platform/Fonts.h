#pragma once

#include <QFont>
#include <QString>

// The game names its faces "ＭＳ ゴシック", "ＭＳ 明朝", "ＭＳ Ｐゴシック" and the
// vertical-writing "@ＭＳ ゴシック"; these stand in for them here.
void InstallFontSubstitutions();

// A face of the game by its name. The vertical face is the gothic face with
// each glyph turned a quarter turn counter-clockwise in its cell.
struct BoardFace {
  QString family;
  bool turned = false;
  bool operator==(const BoardFace&) const = default;
};
BoardFace FaceByName(const QString& name);

// The vertical face can be used only when a gothic face is installed. Tests
// replace the lookup to see the refusal.
bool VerticalFaceAvailable();
void SetGothicLookupForTesting(bool (*lookup)());

// A font of `family` at `points`, sized in pixels at 96 dots per inch so the
// board looks the same on every screen.
QFont FontAtPoints(const QString& family, double points);
int PointsToPixels(double points);
