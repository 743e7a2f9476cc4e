#include "platform/GameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/ByteFile.h"
#include "platform/ShippedWords.h"
#include "ui/SoundEffects.h"

namespace {

// Copies each file of `from` that `to` does not hold yet.
void CopyMissing(const QDir& from, const QDir& to, const QStringList& names) {
  for (const QString& name : names) {
    if (!to.exists(name)) QFile::copy(from.filePath(name), to.filePath(name));
  }
}

QStringList SoundFileNames() {
  QStringList names;
  for (int n : SoundEffects::kUsedSounds) names << QStringLiteral("sound%1.wav").arg(n);
  return names;
}

}  // namespace

QString PerUserFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

GameFolders ChooseGameFolders(const QString& appDir) {
  const QString beside = appDir + QStringLiteral("/Data");
  const QDir shared(appDir + QStringLiteral("/../share/games/tsubura"));
  const bool installed = !QFileInfo::exists(beside) && shared.exists(QStringLiteral("Data"));
  const std::string words = ShippedWordsFolder(appDir.toStdString());
  if (!installed && FolderIsWritable(beside.toStdString())) {
    return {beside.toStdString(), appDir.toStdString(), appDir.toStdString(), words,
            appDir.toStdString()};
  }

  const QDir own(PerUserFolder());
  const bool firstStart = !own.exists(QStringLiteral("Data"));
  own.mkpath(QStringLiteral("Data"));
  const QDir ownData(own.filePath(QStringLiteral("Data")));
  CopyMissing(installed ? QDir(shared.filePath(QStringLiteral("Data"))) : QDir(beside), ownData,
              SoundFileNames());
  GameFolders folders{ownData.path().toStdString(), appDir.toStdString(), appDir.toStdString(),
                      words, appDir.toStdString()};
  if (installed) {
    const QDir samples(shared.filePath(QStringLiteral("puzzles")));
    folders.shipped = samples.path().toStdString();
    if (firstStart) {
      CopyMissing(samples, own,
                  samples.entryList({QStringLiteral("*.tbr")}, QDir::Files, QDir::Name));
    }
    folders.puzzles = folders.saves = own.path().toStdString();
  } else if (!FolderIsWritable(appDir.toStdString())) {
    folders.saves = own.path().toStdString();
  }
  return folders;
}
