#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "platform/ByteFile.h"
#include "ui/SoundEffects.h"

namespace {

QString PerUserFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QDir().mkpath(folder);
  return folder;
}

}  // namespace

std::string ChooseDataFolder(const QString& appDir) {
  const QString shipped = appDir + QStringLiteral("/Data");
  if (FolderIsWritable(shipped.toStdString())) return shipped.toStdString();
  const QString own = PerUserFolder() + QStringLiteral("/Data");
  QDir().mkpath(own);
  for (int n : SoundEffects::kUsedSounds) {
    const QString name = QStringLiteral("/sound%1.wav").arg(n);
    if (!QFile::exists(own + name)) QFile::copy(shipped + name, own + name);
  }
  return own.toStdString();
}

std::string ChooseSaveFolder(const QString& appDir) {
  if (FolderIsWritable(appDir.toStdString())) return appDir.toStdString();
  return PerUserFolder().toStdString();
}
