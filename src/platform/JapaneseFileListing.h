#pragma once

#include <QIdentityProxyModel>
#include <QMap>

// The files of the open-file dialog as a Japanese desktop lists them: dates as
// 2024/12/08 15:04, sizes in バイト, KB and MB, and files of a suffix named in
// `typeNames` ("tbr" → "ツブラ用ファイル") by that name, whatever the locale
// and whether or not the system knows the type.
class JapaneseFileListing : public QIdentityProxyModel {
 public:
  JapaneseFileListing(QMap<QString, QString> typeNames, QObject* parent);
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  QMap<QString, QString> typeNames_;
};
