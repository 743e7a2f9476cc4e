#include "platform/OpenFileDialog.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTreeView>
#include <algorithm>

#include "platform/JapaneseFileListing.h"

namespace {

constexpr int kWideEnough = 760;

QMap<QString, QString> TypeNames(const QStringList& filters) {
  static const QRegularExpression oneSuffix(QStringLiteral(R"(^(.+) \(\*\.(\w+)\)$)"));
  QMap<QString, QString> names;
  for (const QString& filter : filters) {
    const QRegularExpressionMatch match = oneSuffix.match(filter);
    if (match.hasMatch()) names.insert(match.captured(2).toLower(), match.captured(1));
  }
  return names;
}

}  // namespace

QString AskForExistingFile(QWidget* owner, const QString& title, const QString& folder,
                           const QString& filters) {
  QFileDialog dialog(owner, title, folder, filters);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setProxyModel(new JapaneseFileListing(TypeNames(dialog.nameFilters()), &dialog));
  // The columns are sized for English; Japanese sizes, types and dates are
  // wider, and the dialog widens to show them beside the names.
  if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
    for (int column = 1; column < details->header()->count(); ++column) {
      details->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
    dialog.resize(std::max(dialog.width(), kWideEnough), dialog.height());
  }
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}
