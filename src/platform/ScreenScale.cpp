#include "platform/ScreenScale.h"

#include <QByteArray>

#include "platform/GameFolders.h"
#include "ui/Zoom.h"

std::string ZoomFilePath() {
  return (PerUserFolder() + QStringLiteral("/Zoom.txt")).toStdString();
}

int ScaleScreenForZoom() {
  const int zoom = ReadZoom(ZoomFilePath());
  if (zoom == kDefaultZoom) return zoom;
  bool valid = false;
  double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&valid);
  if (!valid || factor <= 0) factor = 1;
  qputenv("QT_SCALE_FACTOR", QByteArray::number(factor * zoom / 100.0));
  return zoom;
}
