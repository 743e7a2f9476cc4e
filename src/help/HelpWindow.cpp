#include "help/HelpWindow.h"

#include <QFile>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "help/ExampleBoard.h"

namespace {

// The help text, whose pictures of boards are drawn when it is shown.
class HelpText : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::ImageResource && name.scheme() == QStringLiteral("board")) {
      return DrawExampleBoard(name.path(), devicePixelRatioF());
    }
    return QTextBrowser::loadResource(type, name);
  }
};

QString HelpHtml() {
  QFile file(QStringLiteral(":/help.html"));
  file.open(QIODevice::ReadOnly);
  return QString::fromUtf8(file.readAll());
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner, const QIcon& icon) : QDialog(owner) {
  setObjectName(QStringLiteral("遊び方"));
  setWindowTitle(QStringLiteral("遊び方"));
  setWindowIcon(icon);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  Text = new HelpText(this);
  Text->setObjectName(QStringLiteral("HelpText"));
  Text->setHtml(HelpHtml());
  layout->addWidget(Text);
  CloseButton = new QPushButton(QStringLiteral("閉じる"), this);
  CloseButton->setDefault(true);
  layout->addWidget(CloseButton, 0, Qt::AlignRight);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
  resize(560, 600);
}
