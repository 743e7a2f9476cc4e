#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kMincho = QStringLiteral("ＭＳ 明朝");
const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kVerticalGothic = QStringLiteral("@ＭＳ ゴシック");
const QString kIpaGothic = QStringLiteral("IPAGothic");

bool GothicInstalled() {
  return QFontDatabase::families().contains(kIpaGothic);
}

bool (*gothicLookup)() = GothicInstalled;

}  // namespace

void InstallFontSubstitutions() {
  QFont::insertSubstitutions(kGothic, {kIpaGothic});
  QFont::insertSubstitutions(kMincho, {QStringLiteral("IPAMincho")});
  QFont::insertSubstitutions(kProportionalGothic, {QStringLiteral("IPAPGothic")});
}

BoardFace FaceByName(const QString& name) {
  if (name == kVerticalGothic) return {kGothic, true};
  return {name, false};
}

bool VerticalFaceAvailable() {
  return gothicLookup();
}

void SetGothicLookupForTesting(bool (*lookup)()) {
  gothicLookup = lookup ? lookup : GothicInstalled;
}

int PointsToPixels(double points) {
  return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont FontAtPoints(const QString& family, double points) {
  QFont font(family);
  font.setPixelSize(std::max(1, PointsToPixels(points)));
  return font;
}
