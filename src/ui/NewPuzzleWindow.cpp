#include "ui/NewPuzzleWindow.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Fonts.h"
#include "platform/LocalDate.h"

namespace {

const QString kCaptionFace = QStringLiteral("ＭＳ Ｐゴシック");

QGroupBox* Frame(QWidget* owner, const QString& caption, QRect place) {
  auto* frame = new QGroupBox(caption, owner);
  frame->setGeometry(place);
  return frame;
}

QRadioButton* Option(QGroupBox* frame, QButtonGroup* group, const QString& caption, int id,
                     QPoint at) {
  auto* option = new QRadioButton(caption, frame);
  option->setFont(FontAtPoints(kCaptionFace, 12));
  option->move(at);
  option->adjustSize();
  group->addButton(option, id);
  return option;
}

}  // namespace

NewPuzzleWindow::NewPuzzleWindow(QWidget* owner, const QIcon& icon, Kind kind,
                                 std::vector<Theme> themes, std::uint64_t seed,
                                 std::chrono::year_month_day today)
    : QDialog(owner), themes_(std::move(themes)), seed_(seed), today_(today) {
  const bool daily = kind == Kind::Daily;
  setObjectName(QStringLiteral("NewPuzzleWindow"));
  const bool past = today != LocalDate();
  setWindowTitle(!daily ? QStringLiteral("新しいパズル")
                 : past ? QString::fromStdString(DateText(today) + "のパズル")
                        : QStringLiteral("今日のパズル"));
  setWindowIcon(icon);
  setFixedSize(320, daily ? 72 : 212);

  Status = new QLabel(this);
  Status->setObjectName(QStringLiteral("Status"));
  Status->setFont(FontAtPoints(kCaptionFace, 12));
  Status->setGeometry(8, daily ? 8 : 154, 304, 20);
  MakeButton = new QPushButton(QStringLiteral("作る"), this);
  MakeButton->setObjectName(QStringLiteral("MakeButton"));
  MakeButton->setGeometry(128, daily ? 40 : 180, 88, 25);
  MakeButton->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));
  CancelButton->setGeometry(224, daily ? 40 : 180, 88, 25);
  connect(CancelButton, &QPushButton::clicked, this, &NewPuzzleWindow::reject);

  if (daily) {
    MakeButton->hide();
    StartMaking([this] { return MakeDailyPuzzle(themes_, today_, cancel_); });
    return;
  }
  BuildChoices();
  connect(MakeButton, &QPushButton::clicked, this, &NewPuzzleWindow::MakeChosen);
}

NewPuzzleWindow::~NewPuzzleWindow() {
  StopMaking();
}

void NewPuzzleWindow::BuildChoices() {
  QGroupBox* theme = Frame(this, QStringLiteral("テーマ"), {8, 4, 304, 52});
  ThemeBox = new QComboBox(theme);
  ThemeBox->setObjectName(QStringLiteral("ThemeBox"));
  ThemeBox->setGeometry(8, 20, 288, 24);
  ThemeBox->addItem(QStringLiteral("おまかせ"));
  for (const Theme& t : themes_) ThemeBox->addItem(QString::fromStdString(t.list.name));

  QGroupBox* size = Frame(this, QStringLiteral("大きさ"), {8, 60, 176, 88});
  auto* sizes = new QButtonGroup(size);
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    const int n = kSizes[i];
    SizeOptions[i] = Option(size, sizes, QStringLiteral("%1×%1").arg(n), static_cast<int>(i),
                            {8 + 84 * static_cast<int>(i / 3), 18 + 22 * static_cast<int>(i % 3)});
  }
  SizeOptions[3]->setChecked(true);  // 15 x 15, as the puzzle of the day

  QGroupBox* level = Frame(this, QStringLiteral("むずかしさ"), {190, 60, 122, 88});
  auto* levels = new QButtonGroup(level);
  for (int i = 0; i < 3; ++i) {
    const QString caption =
        QString::fromStdU16String(std::u16string(LevelCaption(static_cast<Level>(i))));
    LevelOptions[static_cast<std::size_t>(i)] = Option(level, levels, caption, i, {8, 18 + 22 * i});
  }
  LevelOptions[1]->setChecked(true);
}

void NewPuzzleWindow::MakeChosen() {
  GenerateOptions options;
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    if (SizeOptions[i]->isChecked()) options.size = kSizes[i];
  }
  for (std::size_t i = 0; i < LevelOptions.size(); ++i) {
    if (LevelOptions[i]->isChecked()) options.level = static_cast<Level>(i);
  }
  options.seed = seed_;
  // The window stays responsive and can be cancelled: it may take longer
  // than the puzzle tool, and rarely has to fall back to an easy puzzle.
  options.seconds = 3 * StandardGenerationSeconds(options.size);
  const int chosen = ThemeBox->currentIndex();
  const Theme* theme =
      chosen > 0 ? &themes_[static_cast<std::size_t>(chosen - 1)] : &AnyTheme(themes_, seed_);
  ThemeBox->setEnabled(false);
  for (QRadioButton* option : SizeOptions) option->setEnabled(false);
  for (QRadioButton* option : LevelOptions) option->setEnabled(false);
  StartMaking(
      [this, theme, options] { return MakeThemedPuzzle({theme}, options, today_, cancel_); });
}

void NewPuzzleWindow::StartMaking(std::function<std::variant<ThemedPuzzle, std::string>()> make) {
  MakeButton->setEnabled(false);
  Status->setText(QStringLiteral("パズルを作っています…"));
  maker_ = std::thread([this, make] {
    auto result = make();
    QMetaObject::invokeMethod(
        this, [this, result = std::move(result)] { Finished(result); }, Qt::QueuedConnection);
  });
}

void NewPuzzleWindow::Finished(std::variant<ThemedPuzzle, std::string> result) {
  StopMaking();
  if (auto* themed = std::get_if<ThemedPuzzle>(&result)) {
    made_ = std::move(*themed);
    accept();
    return;
  }
  Status->setText(QStringLiteral("このテーマでは作れませんでした。"));
  const bool chosen = ThemeBox != nullptr;
  MakeButton->setEnabled(chosen);
  if (!chosen) return;
  ThemeBox->setEnabled(true);
  for (QRadioButton* option : SizeOptions) option->setEnabled(true);
  for (QRadioButton* option : LevelOptions) option->setEnabled(true);
}

void NewPuzzleWindow::StopMaking() {
  cancel_ = true;
  if (maker_.joinable()) maker_.join();
  cancel_ = false;
}

void NewPuzzleWindow::reject() {
  StopMaking();
  QDialog::reject();
}
