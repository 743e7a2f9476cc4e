#include "ui/Formain2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Fonts.h"
#include "platform/QtColour.h"
#include "ui/SettingsWindow.h"

namespace {

constexpr int kFirstRowTop = 16;
constexpr int kRowPitch = 24;

int RowTop(int row) {
  return kFirstRowTop + kRowPitch * row;
}

}  // namespace

Formain2::Formain2(QWidget* owner, const QIcon& icon, Game& game, std::string settingsPath,
                   std::function<void()> applyAppearance)
    : QDialog(owner),
      game_(game),
      settingsPath_(std::move(settingsPath)),
      applyAppearance_(std::move(applyAppearance)) {
  setObjectName(QStringLiteral("Formain2"));
  setWindowTitle(QStringLiteral("詳細設定"));
  setWindowIcon(icon);
  setFixedSize(372, 276);

  const SettingsRecord& s = game_.Settings;
  QGroupBox* cross = AddFrame(0, QStringLiteral("ばつの種類"), {16, 8, 81, 137});
  const auto crossCaptions =
      AddOptions<5>(cross, "Option1", Option1, {"×", "■", "なし", "偽物", ""}, s.CrossStyle,
                    [this](int i) { Option1_Click(game_, i); });
  QGroupBox* background = AddFrame(1, QStringLiteral("背景色"), {16, 152, 81, 113});
  const auto backgroundCaptions =
      AddOptions<4>(background, "Option2", Option2, {"緑", "紫", "適当", "夜空"}, s.Background,
                    [this](int i) { Option2_Click(game_, i); });
  QGroupBox* font = AddFrame(2, QStringLiteral("フォント"), {104, 8, 145, 113});
  const auto fontCaptions = AddOptions<4>(
      font, "Option3", Option3, {"ＭＳ ゴシック", "ＭＳ 明朝", "@ＭＳ ゴシック", "レインボー"},
      s.BoardFont, [this](int i) {
        const int kept = Option3_Click(game_, i, VerticalFaceAvailable());
        if (kept != i) Option3[static_cast<std::size_t>(kept)]->setChecked(true);
      });
  QGroupBox* messages = AddFrame(3, QStringLiteral("メッセージ"), {256, 152, 113, 113});
  AddOptions<4>(messages, "Option4", Option4, {"標準", "なし", "しつこい", "ぴのこ"}, s.MessageMode,
                [this](int i) { Option4_Click(game_, i); });
  QGroupBox* sounds = AddFrame(4, QStringLiteral("音"), {256, 8, 113, 137});
  const std::array<const char*, 5> soundCaptions{"メッセージ", "選択時", "クリア", "移動",
                                                 "その他"};
  for (int i = 0; i < 5; ++i) {
    auto* box = new QCheckBox(sounds);
    box->setObjectName(QStringLiteral("Check1_%1").arg(i));
    box->setGeometry(8, RowTop(i), 17, 17);
    box->setChecked(s.SoundSwitch[static_cast<std::size_t>(i)] == 1);
    AddCaption(sounds, i, soundCaptions[static_cast<std::size_t>(i)]);
    Check1[static_cast<std::size_t>(i)] = box;
  }

  // Marker and colour choices show their colour.
  SetTextColour(crossCaptions[0], 0x0000FF);
  SetTextColour(backgroundCaptions[0], 0x008000);
  SetTextColour(backgroundCaptions[1], 0x800080);
  SetTextColour(backgroundCaptions[3], 0x800000);
  RainbowLabel = fontCaptions[3];
  SetTextColour(RainbowLabel, RainbowLabelColour(game_));

  Command1 = new QPushButton(QStringLiteral("OK"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(128, 224, 97, 25);
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

QGroupBox* Formain2::AddFrame(int index, const QString& caption, QRect place) {
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName(QStringLiteral("Frame1_%1").arg(index));
  frame->setGeometry(place);
  Frame1[static_cast<std::size_t>(index)] = frame;
  return frame;
}

QLabel* Formain2::AddCaption(QGroupBox* frame, int row, const char* caption) {
  auto* label = new QLabel(QString::fromUtf8(caption), frame);
  label->setFont(FontAtPoints(QStringLiteral("ＭＳ Ｐゴシック"), 12));
  label->move(32, RowTop(row));
  label->adjustSize();
  return label;
}

template <std::size_t N>
std::array<QLabel*, N> Formain2::AddOptions(QGroupBox* frame, const char* name,
                                            std::array<QRadioButton*, N>& options,
                                            const std::array<const char*, N>& captions, int chosen,
                                            std::function<void(int)> click) {
  auto* group = new QButtonGroup(frame);
  std::array<QLabel*, N> labels{};
  for (std::size_t i = 0; i < N; ++i) {
    auto* option = new QRadioButton(frame);
    option->setObjectName(QStringLiteral("%1_%2").arg(QString::fromUtf8(name)).arg(i));
    option->setGeometry(8, RowTop(static_cast<int>(i)), 17, 17);
    group->addButton(option, static_cast<int>(i));
    if (*captions[i] != '\0') labels[i] = AddCaption(frame, static_cast<int>(i), captions[i]);
    options[i] = option;
  }
  // A stored value outside the group (a hand-edited file) leaves every option
  // unchosen, and the value stays unless the player picks one.
  if (chosen >= 0 && chosen < static_cast<int>(N)) {
    options[static_cast<std::size_t>(chosen)]->setChecked(true);
    click(chosen);
  }
  connect(group, &QButtonGroup::idClicked, this, click);
  return labels;
}

void Formain2::Command1_Click() {
  applyAppearance_();
  std::array<bool, 5> boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = Check1[i]->isChecked();
  ConfirmSettings(game_, boxes, settingsPath_);
  accept();
}
