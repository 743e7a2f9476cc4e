#include "help/VersionInfo.h"

#include "PackageInfo.h"
#include "platform/LibraryVersions.h"

std::u16string VersionInfo() {
  return QStringLiteral("ツブラ %1（Qt %2、SDL2 %3）\n%4")
      .arg(QString::fromUtf8(kPackageVersion), QtLibraryVersion(), SdlLibraryVersion(),
           QString::fromUtf8(kPackageLicence))
      .toStdU16String();
}
