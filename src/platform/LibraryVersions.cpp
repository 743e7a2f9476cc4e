#include "platform/LibraryVersions.h"

#include <SDL2/SDL.h>

QString QtLibraryVersion() {
  return QString::fromLatin1(qVersion());
}

QString SdlLibraryVersion() {
  SDL_version version;
  SDL_GetVersion(&version);
  return QStringLiteral("%1.%2.%3").arg(version.major).arg(version.minor).arg(version.patch);
}
