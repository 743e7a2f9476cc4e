#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>

#include "platform/Fonts.h"
#include "ui/Formain2.h"
#include "ui/SettingsFile.h"
#include "widgets/GameFixture.h"

namespace {

class SettingsWindow : public GameFixture {
 protected:
  void TearDown() override { SetGothicLookupForTesting(nullptr); }

  // Opens the window from the menu and runs `inside` on it while it is open.
  void WithSettingsWindow(std::function<void(Formain2&)> inside) {
    bool opened = false;
    WhenDialogOpens([&](QWidget* dialog) {
      auto* window = qobject_cast<Formain2*>(dialog);
      ASSERT_NE(window, nullptr);
      opened = true;
      inside(*window);
      if (window->isVisible()) window->close();
    });
    Window().MenuItem(QStringLiteral("設定"))->trigger();
    EXPECT_TRUE(opened);
  }
  std::string SettingsFile() { return app->SettingsPath(); }
};

TEST_F(SettingsWindow, FramesOptionsAndBoxesStandAtTheirPlaces) {
  WithSettingsWindow([](Formain2& w) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("詳細設定"));
    EXPECT_EQ(w.size(), QSize(372, 276));
    const QRect frames[] = {{16, 8, 81, 137},
                            {16, 152, 81, 113},
                            {104, 8, 145, 113},
                            {256, 152, 113, 113},
                            {256, 8, 113, 137}};
    const char* captions[] = {"ばつの種類", "背景色", "フォント", "メッセージ", "音"};
    for (int i = 0; i < 5; ++i) {
      EXPECT_EQ(w.Frame1[i]->geometry(), frames[i]) << i;
      EXPECT_EQ(w.Frame1[i]->title(), QString::fromUtf8(captions[i]));
    }
    EXPECT_EQ(w.Option1[4]->geometry(), QRect(8, 16 + 4 * 24, 17, 17));
    EXPECT_EQ(w.Option3[1]->geometry(), QRect(8, 40, 17, 17));
    EXPECT_EQ(w.Check1[3]->geometry(), QRect(8, 88, 17, 17));
    EXPECT_TRUE(w.Option1[0]->text().isEmpty())
        << "the boxes are bare; their captions stand beside";
    QStringList labels;
    for (QLabel* label : w.Frame1[1]->findChildren<QLabel*>()) {
      EXPECT_EQ(label->x(), 32);
      labels << label->text();
    }
    EXPECT_EQ(labels, QStringList({"緑", "紫", "適当", "夜空"}));
    const QLabel* green = w.Frame1[1]->findChildren<QLabel*>()[0];
    EXPECT_EQ(green->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(w.RainbowLabel->text(), QStringLiteral("レインボー"));
    EXPECT_EQ(w.Command1->geometry(), QRect(128, 224, 97, 25));
    EXPECT_EQ(w.Command1->text(), QStringLiteral("OK"));
  });
}

TEST_F(SettingsWindow, OkOnAFreshInstallWritesZerosAndTheMoveBoxItsTwoSwitches) {
  WithSettingsWindow([](Formain2& w) {
    EXPECT_TRUE(w.Option1[0]->isChecked());
    EXPECT_FALSE(w.Check1[0]->isChecked());
    QTest::mouseClick(w.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(ReadBytes(SettingsFile()), Bytes(48, 0));
  WithSettingsWindow([](Formain2& w) {
    QTest::mouseClick(w.Check1[3], Qt::LeftButton);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
  });
  const SettingsRecord stored = DecodeSettings(*ReadBytes(SettingsFile()));
  EXPECT_EQ(std::vector<std::int16_t>(stored.SoundSwitch.begin(), stored.SoundSwitch.begin() + 10),
            (std::vector<std::int16_t>{0, 0, 0, 1, 0, 1, 0, 0, 0, 0}));
  WithSettingsWindow([](Formain2& w) { EXPECT_TRUE(w.Check1[3]->isChecked()); });
}

TEST_F(SettingsWindow, OkAppliesTheBackgroundAndTheStoredChoicesShowNextTime) {
  WithSettingsWindow([](Formain2& w) {
    QTest::mouseClick(w.Option2[1], Qt::LeftButton);
    QTest::mouseClick(w.Option4[2], Qt::LeftButton);
    QTest::mouseClick(w.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(Window().Background(), 0x800080u);
  WithSettingsWindow([](Formain2& w) {
    EXPECT_TRUE(w.Option2[1]->isChecked());
    EXPECT_TRUE(w.Option4[2]->isChecked());
  });
}

TEST_F(SettingsWindow, TheCloseBoxKeepsChoicesForTheRunButAppliesAndWritesNothing) {
  WithSettingsWindow([](Formain2& w) {
    QTest::mouseClick(w.Option2[1], Qt::LeftButton);
    QTest::mouseClick(w.Option4[1], Qt::LeftButton);
    QTest::mouseClick(w.Check1[0], Qt::LeftButton);
    w.close();
  });
  EXPECT_EQ(Window().Background(), 0x008000u) << "the old background stays on screen";
  EXPECT_EQ(State().Settings.MessageMode, kMessageNone) << "the message mode is in force at once";
  EXPECT_EQ(State().Settings.SoundSwitch[0], 0);
  EXPECT_EQ(std::filesystem::file_size(SettingsFile()), 0u);
}

TEST_F(SettingsWindow, TheVerticalFaceIsRefusedWithoutAGothicFace) {
  SetGothicLookupForTesting([] { return false; });
  std::vector<QString> messages;
  WithSettingsWindow([&](Formain2& w) {
    DialogAnswerer answerer;
    QTest::mouseClick(w.Option3[2], Qt::LeftButton);
    messages = answerer.messages;
    EXPECT_TRUE(w.Option3[0]->isChecked());
  });
  EXPECT_EQ(messages, std::vector<QString>{QStringLiteral("このフォントは使用できません。")});
  EXPECT_EQ(State().Settings.BoardFont, 0);

  SetGothicLookupForTesting(nullptr);
  WithSettingsWindow([](Formain2& w) {
    QTest::mouseClick(w.Option3[2], Qt::LeftButton);
    EXPECT_TRUE(w.Option3[2]->isChecked());
    QTest::mouseClick(w.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(State().Settings.BoardFont, 2);
}

TEST_F(SettingsWindow, AStoredValueOutsideItsGroupChoosesNothingAndIsKept) {
  State().Settings.CrossStyle = 9;
  WithSettingsWindow([](Formain2& w) {
    for (QRadioButton* option : w.Option1) EXPECT_FALSE(option->isChecked());
    QTest::mouseClick(w.Command1, Qt::LeftButton);
  });
  EXPECT_EQ(DecodeSettings(*ReadBytes(SettingsFile())).CrossStyle, 9);
}

}  // namespace
