#include "ui/Formain3.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/Fonts.h"
#include "platform/QtText.h"
#include "ui/MessageLayout.h"

namespace {

constexpr int kDesignClientWidth = 297;

}  // namespace

Formain3::Formain3(QWidget* owner, const QIcon& icon) : QDialog(owner) {
  setObjectName(QStringLiteral("Formain3"));
  setWindowIcon(icon);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setModal(true);
  setFixedSize(kDesignClientWidth, kMessageClientHeight);

  Label1 = new QLabel(this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 8, 281, 33);
  Label1->setFont(FontAtPoints(QStringLiteral("ＭＳ ゴシック"), 9));
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Label1->setWordWrap(true);

  for (int i = 0; i < 3; ++i) {
    auto* button = new QPushButton(this);
    button->setObjectName(QStringLiteral("Command1_%1").arg(i));
    button->setGeometry(8 + 96 * i, 40, kMessageDesignButtonWidth, 24);
    button->setAutoDefault(false);
    button->hide();
    connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Command1[static_cast<std::size_t>(i)] = button;
  }
}

int Formain3::Ask(std::u16string_view message, std::u16string_view title, int buttonCount,
                  const std::array<std::u16string_view, 3>& captions) {
  const MessageLayout layout = LayOutMessage(message, buttonCount, captions);
  setFixedSize(layout.clientWidth, layout.clientHeight);
  Label1->setText(ToQString(message));
  setWindowTitle(ToQString(title));
  for (int i = 0; i < buttonCount && i < 3; ++i) {
    QPushButton* button = Command1[static_cast<std::size_t>(i)];
    button->setGeometry(
        static_cast<int>(std::lround(layout.buttonLeft[static_cast<std::size_t>(i)])),
        static_cast<int>(layout.buttonTop), layout.buttonWidth, layout.buttonHeight);
    button->show();
  }
  for (int i = 0; i < 3; ++i)
    Command1[static_cast<std::size_t>(i)]->setText(
        ToQString(captions[static_cast<std::size_t>(i)]));
  Label1->resize(layout.labelWidth, Label1->height());
  CentreOverOwner();
  // The first button has the keyboard focus, so Return, Enter or Space answers it.
  Command1[0]->setFocus();
  QTimer::singleShot(0, this, [this] { activateWindow(); });
  exec();
  return DialogResult;
}

void Formain3::CentreOverOwner() {
  QWidget* owner = parentWidget();
  if (!owner) return;
  QRect place(QPoint(), size());
  place.moveCenter(owner->frameGeometry().center());
  // Over a window as small as the start-up strip, keep the whole dialog on screen.
  if (const QScreen* screen = owner->screen()) {
    const QRect room = screen->availableGeometry();
    place.moveLeft(
        std::clamp(place.left(), room.left(), std::max(room.left(), room.right() - place.width())));
    place.moveTop(
        std::clamp(place.top(), room.top(), std::max(room.top(), room.bottom() - place.height())));
  }
  move(place.topLeft());
}

void Formain3::Command1_Click(int index) {
  DialogResult = static_cast<std::uint8_t>(index);
  for (QPushButton* button : Command1) button->hide();
  DialogCloseAllowed = true;
  done(index);
}

void Formain3::reject() {}

void Formain3::closeEvent(QCloseEvent* event) {
  if (DialogCloseAllowed) {
    event->accept();
  } else {
    event->ignore();
  }
  DialogCloseAllowed = false;
}

void Formain3::keyPressEvent(QKeyEvent* event) {
  // Return and Enter press the focused button. A held key's repeats are
  // ignored, so a Return held since the menu cannot answer the question.
  const bool confirm = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  const auto focused = std::find(Command1.begin(), Command1.end(), focusWidget());
  if (confirm && !event->isAutoRepeat() && focused != Command1.end() && (*focused)->isVisible()) {
    Command1_Click(static_cast<int>(focused - Command1.begin()));
    return;
  }
  QDialog::keyPressEvent(event);
}
