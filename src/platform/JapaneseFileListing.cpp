#include "platform/JapaneseFileListing.h"

#include <QFileSystemModel>
#include <QLocale>

namespace {

// The columns of QFileSystemModel.
enum Column { kName, kSize, kType, kDate };

}  // namespace

JapaneseFileListing::JapaneseFileListing(QMap<QString, QString> typeNames, QObject* parent)
    : QIdentityProxyModel(parent), typeNames_(std::move(typeNames)) {}

QVariant JapaneseFileListing::data(const QModelIndex& index, int role) const {
  const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
  if (role != Qt::DisplayRole || files == nullptr) return QIdentityProxyModel::data(index, role);
  const QModelIndex file = mapToSource(index);
  const QLocale japanese(QLocale::Japanese, QLocale::Japan);
  const bool folder = files->isDir(file);
  switch (index.column()) {
    case kSize:
      if (folder) break;
      return japanese.formattedDataSize(files->size(file), 1, QLocale::DataSizeTraditionalFormat);
    case kType: {
      if (folder) return QStringLiteral("フォルダー");
      const auto name = typeNames_.find(files->fileInfo(file).suffix().toLower());
      if (name != typeNames_.end()) return *name;
      break;
    }
    case kDate:
      return japanese.toString(files->lastModified(file), QLocale::ShortFormat);
  }
  return QIdentityProxyModel::data(index, role);
}
