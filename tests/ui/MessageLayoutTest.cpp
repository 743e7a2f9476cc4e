#include <gtest/gtest.h>

#include "ui/MessageLayout.h"

namespace {

TEST(MessageLayout, QuitQuestionWithTwoButtons) {
  const MessageLayout l = LayOutMessage(u"終了しますか？", 2, {u"はい", u"いいえ", u""});
  EXPECT_EQ(l.buttonWidth, 89);
  EXPECT_EQ(l.clientWidth, 203);
  EXPECT_EQ(l.clientHeight, 62);
  EXPECT_DOUBLE_EQ(l.buttonLeft[0], 8.5);
  EXPECT_DOUBLE_EQ(l.buttonLeft[1], 105.5);
  EXPECT_DOUBLE_EQ(l.buttonTop, 37);
  EXPECT_EQ(l.buttonHeight, 24);
  EXPECT_EQ(l.labelWidth, 187);
}

TEST(MessageLayout, LongMessageWidensTheDialogAndCentresItsButton) {
  const std::u16string forty(40, u'あ');
  const MessageLayout l = LayOutMessage(forty, 1, {u"Ok", u"", u""});
  EXPECT_EQ(l.clientWidth, 496);
  EXPECT_DOUBLE_EQ(l.buttonLeft[0], 203.5);
}

TEST(MessageLayout, EmptyMessageIsAsWideAsItsButtonRow) {
  EXPECT_EQ(LayOutMessage(u"", 1, {u"Ok", u"", u""}).clientWidth, 106);
}

TEST(MessageLayout, AMessageOfTwoLinesIsAsWideAsItsLongerLine) {
  EXPECT_EQ(LayOutMessage(u"ああ\nああああああああああ", 1, {u"Ok", u"", u""}).clientWidth,
            12 * 10 + 16);
  EXPECT_EQ(LayOutMessage(u"ああああああああああ\nああ", 1, {u"Ok", u"", u""}).clientWidth,
            12 * 10 + 16);
}

TEST(MessageLayout, ASevenCharacterCaptionOnAHiddenButtonWidensTheVisibleOnes) {
  const MessageLayout l = LayOutMessage(u"ね", 2, {u"はい", u"いいえ", u"ななもじのぼたん"});
  EXPECT_EQ(l.buttonWidth, 160);
  EXPECT_EQ(l.clientWidth, (160 + 8) * 2 + 9);
  EXPECT_DOUBLE_EQ(l.buttonLeft[0], (345 - 160) / 2.0 - 84);
  EXPECT_DOUBLE_EQ(l.buttonLeft[1], l.buttonLeft[0] + 168);
  // Six characters still fit the narrow button.
  EXPECT_EQ(LayOutMessage(u"ね", 1, {u"ろくもじだよ", u"", u""}).buttonWidth, 89);
}

TEST(MessageLayout, ThreeButtonsSitEightPixelsApartAroundTheCentre) {
  const MessageLayout l = LayOutMessage(u"あなた何がた？", 3, {u"Ａ型", u"Ｂ型", u"Ｃ型"});
  EXPECT_EQ(l.clientWidth, 300);
  EXPECT_DOUBLE_EQ(l.buttonLeft[0], 8.5);
  EXPECT_DOUBLE_EQ(l.buttonLeft[1], 105.5);
  EXPECT_DOUBLE_EQ(l.buttonLeft[2], 202.5);
}

}  // namespace
