#include "app/Formain.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>

#include "board/BoardPicture.h"
#include "platform/Fonts.h"
#include "platform/QtColour.h"
#include "platform/QtText.h"
#include "ui/Appearance.h"
#include "ui/Zoom.h"
#include "words/WordLabel.h"

namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");

QLabel* CounterLabel(QWidget* parent, const char* name, int top, int width) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setGeometry(8, top, width, 33);
  label->setFont(FontAtPoints(kGothic, 24));
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetBackgroundColour(label, 0xFFFFFF);
  SetTextColour(label, 0x000000);
  return label;
}

}  // namespace

Formain::Formain(const QIcon& icon) {
  setObjectName(QStringLiteral("Formain"));
  setWindowTitle(QStringLiteral("ツブラ"));
  setWindowIcon(icon);
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  client_->installEventFilter(this);
  BuildMenuBar();
  BuildPuzzleMenu();
  BuildBoardControls();
  BuildWordLabels();
  BuildTargetLine();
  for (std::size_t i = 0; i < PicGra.size(); ++i) {
    auto* sprite = new QLabel(client_);
    sprite->setObjectName(QStringLiteral("PicGra_%1").arg(i));
    sprite->setGeometry(0, 0, 51, 51);
    sprite->setPixmap(icon.pixmap(48, 48));
    sprite->setAttribute(Qt::WA_TransparentForMouseEvents);
    sprite->hide();
    PicGra[i] = sprite;
  }
  resize(726, 495 + menuBar()->sizeHint().height());
  SetBackground(kBackgroundNightSky);  // the design-time colour, until the settings apply
}

void Formain::BuildMenuBar() {
  struct Item {
    const char* name;
    const char* caption;
  };
  auto addItems = [this](QMenu* menu, std::initializer_list<Item> items) {
    for (const Item& item : items)
      AddMenuItem(menu, QString::fromUtf8(item.name), QString::fromUtf8(item.caption));
  };
  auto addMenu = [](QMenu* parent, const char* name) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(name));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
  };

  QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル"));
  file->setObjectName(QStringLiteral("ファイル"));
  addItems(file, {{"ファイルを開く", "開く..."},
                  {"上書き保存する", "上書き保存..."},
                  {"名前が付いて保存", "名前が付いて保存..."},
                  {"区分線2", "-"},
                  {"終了", "終了"}});
  QMenu* other = menuBar()->addMenu(QStringLiteral("その他"));
  other->setObjectName(QStringLiteral("その他"));
  addItems(other, {{"設定", "設定"}, {"区分線1", "-"}});
  QMenu* move = addMenu(other, "移動");
  addItems(move, {{"上へ移動する", "上へ移動"},
                  {"下へ移動する", "下へ移動"},
                  {"左へ移動する", "左へ移動"},
                  {"右へ移動する", "右へ移動"}});
  addItems(other, {{"すべてクリア", "クリア"},
                   {"区分線3", "-"},
                   {"ヘルプ", "ヘルプ"},
                   {"バージョン", "バージョン情報"}});

  QMenu* view = menuBar()->addMenu(QStringLiteral("表示"));
  view->setObjectName(QStringLiteral("表示"));
  auto* zooms = new QActionGroup(view);
  for (int percent : kZoomChoices) {
    const QString caption = QStringLiteral("%1%").arg(percent);
    QAction* item = AddMenuItem(view, caption, caption);
    item->setCheckable(true);
    zooms->addAction(item);
  }
}

void Formain::BuildPuzzleMenu() {
  QMenu* puzzle = menuBar()->addMenu(QStringLiteral("パズル"));
  puzzle->setObjectName(QStringLiteral("パズル"));
  AddMenuItem(puzzle, QStringLiteral("新しいパズル"), QStringLiteral("新しいパズル..."));
  AddMenuItem(puzzle, QStringLiteral("今日のパズル"), QStringLiteral("今日のパズル"));
  AddMenuItem(puzzle, QStringLiteral("パズルを選ぶ"), QStringLiteral("パズルを選ぶ..."));
  AddMenuItem(puzzle, QStringLiteral("記録"), QStringLiteral("記録..."));
  AddMenuItem(puzzle, QStringLiteral("区分線5"), QStringLiteral("-"));
  QAction* undo = AddMenuItem(puzzle, QStringLiteral("元に戻す"), QStringLiteral("元に戻す"));
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  QAction* redo = AddMenuItem(puzzle, QStringLiteral("やり直し"), QStringLiteral("やり直し"));
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  AddMenuItem(puzzle, QStringLiteral("区分線4"), QStringLiteral("-"));
  AddMenuItem(puzzle, QStringLiteral("最高点を探す"), QStringLiteral("最高点を探す..."));
  EnableUndoRedo(false, false);
}

QAction* Formain::AddMenuItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* action =
      caption == QStringLiteral("-") ? menu->addSeparator() : menu->addAction(caption);
  action->setObjectName(name);
  connect(action, &QAction::triggered, this, [this, name] { emit menuCommand(name); });
  return action;
}

void Formain::ShowZoom(int percent) {
  if (QAction* item = MenuItem(QStringLiteral("%1%").arg(percent))) item->setChecked(true);
}

void Formain::BuildBoardControls() {
  Pimain = new BoardPicture(client_);
  Pimain->setGeometry(8, 8, 251, 251);
  Pimain->setFocusPolicy(Qt::ClickFocus);

  Lg1 = CounterLabel(client_, "Lg1", 328, 129);
  Lg2 = CounterLabel(client_, "Lg2", 376, 241);
  Lg3 = CounterLabel(client_, "Lg3", 424, 241);

  struct Arrow {
    const char* caption;
    int left, top;
  };
  const std::array<Arrow, 4> arrows{
      {{"←", 152, 296}, {"→", 200, 296}, {"↑", 176, 272}, {"↓", 176, 320}}};
  QFont arrowFont = FontAtPoints(kProportionalGothic, 15.75);
  arrowFont.setBold(true);
  for (std::size_t i = 0; i < arrows.size(); ++i) {
    auto* button = new QPushButton(QString::fromUtf8(arrows[i].caption), client_);
    button->setObjectName(QStringLiteral("Co_%1").arg(i));
    button->setGeometry(arrows[i].left, arrows[i].top, 49, 25);
    button->setFont(arrowFont);
    Co[i] = button;
  }
  Coc = new QPushButton(QStringLiteral("Clear"), client_);
  Coc->setObjectName(QStringLiteral("Coc"));
  Coc->setGeometry(16, 272, 73, 41);
  Coc->setFont(FontAtPoints(kProportionalGothic, 20.25));

  Text1 = new QLineEdit(client_);
  Text1->setObjectName(QStringLiteral("Text1"));
  Text1->setGeometry(8, 464, 251, 24);
  Text1->setReadOnly(true);
  Text1->setFocusPolicy(Qt::NoFocus);
}

void Formain::BuildWordLabels() {
  // Elements 1 are placed as designed; the copies start hidden where they are.
  for (int k = 1; k <= kMaxWords; ++k) {
    La[k] = new WordLabel(client_, k);
    La[k]->setObjectName(QStringLiteral("La_%1").arg(k));
    La[k]->setGeometry(272, 8, 159, WordLabel::kHeight);
    La2[k] = new WordLabel(client_, k);
    La2[k]->setObjectName(QStringLiteral("La2_%1").arg(k));
    La2[k]->setGeometry(432, 8, 65, WordLabel::kHeight);
  }
}

void Formain::BuildTargetLine() {
  TargetLine = new QLabel(client_);
  TargetLine->setObjectName(QStringLiteral("TargetLine"));
  TargetLine->move(8, 492);
  TargetLine->setFont(FontAtPoints(kProportionalGothic, 12));
  TargetLine->setContentsMargins(4, 0, 4, 0);
  SetBackgroundColour(TargetLine, 0xFFFFFF);
  SetTextColour(TargetLine, 0x000000);
  TargetLine->hide();
}

void Formain::ShowTargetLine(const QString& text) {
  if (text.isEmpty()) {
    TargetLine->hide();
    return;
  }
  TargetLine->setText(text);
  TargetLine->resize(TargetLine->sizeHint().width(), 20);
  TargetLine->show();
  // The central widget follows the window's size only at the next layout.
  const int clientHeight = height() - menuBar()->height();
  const int missing = TargetLine->geometry().bottom() + 5 - clientHeight;
  if (missing > 0) resize(width(), height() + missing);
}

void Formain::SetOuterSizeTwips(int width, int height) {
  const QSize frame = frameGeometry().size() - geometry().size();
  const int outerWidth = static_cast<int>(std::lround(double(width) / kTwipsPerPixel));
  const int outerHeight = static_cast<int>(std::lround(double(height) / kTwipsPerPixel));
  resize(outerWidth - frame.width(), outerHeight - frame.height());
}

void Formain::SetBackground(Colour colour) {
  background_ = colour;
  SetBackgroundColour(client_, colour);
}

void Formain::ShowCounters(const Counters& counters) {
  Lg1->setText(ToQString(counters.Lg1));
  Lg2->setText(ToQString(counters.Lg2));
  Lg3->setText(ToQString(counters.Lg3));
  if (counters.Lg2Colour != lg2Colour_) {
    lg2Colour_ = counters.Lg2Colour;
    SetTextColour(Lg2, lg2Colour_);
  }
}

void Formain::ShowLabelColours(const PuzzleState& puzzle) {
  for (int k = 1; k <= kMaxWords; ++k) {
    La[k]->SetTextColour(puzzle.Word(k).TextColour);
    La2[k]->SetTextColour(puzzle.Word(k).PointsColour);
  }
}

void Formain::ShowPuzzleLayout(const PuzzleLayout& layout, const PuzzleState& puzzle) {
  for (int k = 1; k <= kMaxWords; ++k) {
    La[k]->hide();
    La2[k]->hide();
  }
  for (std::size_t i = 0; i < layout.La.size(); ++i) {
    const int k = static_cast<int>(i) + 1;
    La[k]->setGeometry(layout.La[i].left, layout.La[i].top, layout.La[i].width, WordLabel::kHeight);
    La2[k]->setGeometry(layout.La2[i].left, layout.La2[i].top, layout.La2[i].width,
                        WordLabel::kHeight);
    La[k]->setText(ToQString(puzzle.Word(k).Text));
    La2[k]->setText(ToQString(Decimal(puzzle.Word(k).Points)));
    La[k]->show();
    La2[k]->show();
  }
  if (layout.windowWidthTwips && layout.windowHeightTwips) {
    SetOuterSizeTwips(*layout.windowWidthTwips, *layout.windowHeightTwips);
  }
  Lg1->resize(layout.lg1Width, Lg1->height());
  Lg2->resize(layout.lg2Width, Lg2->height());
  Lg3->resize(layout.lg3Width, Lg3->height());
  Pimain->SetFontPoints(layout.boardFontPoints);
  EnablePuzzleCommands(true);
  ShowLabelColours(puzzle);
}

void Formain::EnablePuzzleCommands(bool enabled) {
  for (const char* name :
       {"上書き保存する", "名前が付いて保存", "移動", "すべてクリア", "最高点を探す"}) {
    MenuItem(QString::fromUtf8(name))->setEnabled(enabled);
  }
}

void Formain::EnableUndoRedo(bool canUndo, bool canRedo) {
  MenuItem(QStringLiteral("元に戻す"))->setEnabled(canUndo);
  MenuItem(QStringLiteral("やり直し"))->setEnabled(canRedo);
}

QAction* Formain::MenuItem(const QString& name) const {
  return findChild<QAction*>(name);
}

bool Formain::eventFilter(QObject* watched, QEvent* event) {
  // Labels pass their clicks on to the window; only a click on bare
  // background counts.
  if (watched == client_ && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QWidget* hit = client_->childAt(mouse->position().toPoint());
    if (hit == nullptr || hit->testAttribute(Qt::WA_TransparentForMouseEvents)) {
      emit backgroundClicked();
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void Formain::closeEvent(QCloseEvent* event) {
  bool cancel = false;
  if (CloseRequested) CloseRequested(cancel);
  if (cancel) {
    event->ignore();
  } else {
    event->accept();
  }
}
