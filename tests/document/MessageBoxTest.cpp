#include "document/cFonts.h"
#include "document/cMessageBox.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace logivane {
namespace {

constexpr std::uint8_t AllPointers[] = {TGraphicBox::AboveLeft, TGraphicBox::AboveRight,
                                        TGraphicBox::BelowRight, TGraphicBox::BelowLeft,
                                        TGraphicBox::NoTail};

TEST(GraphicBox, DefaultBalloonSitsAboveAndLeftOfItsTip) {
  const TGraphicBox box;
  EXPECT_EQ(box.BrushColour, 15661823);
  ASSERT_EQ(box.PointCount(), 7);
  EXPECT_EQ(box.GetAnchor(), QPoint(0, 0));
  EXPECT_EQ(box.GetPoint(4), QPoint(0, 0));
  // The body spans x -28..0 and y -48..-20; the tail runs from its bottom edge to the tip.
  EXPECT_EQ(box.GetPoint(0), QPoint(-28, -48));
  EXPECT_EQ(box.GetPoint(2), QPoint(0, -20));
  EXPECT_EQ(box.GetPoint(6), QPoint(-28, -20));
  EXPECT_EQ(box.GetFloatBounds(), FloatRect(-28, -48, 0, 0));
  EXPECT_EQ(box.GetTextRect(), (TRect{-24, -44, -4, -24}));
}

TEST(GraphicBox, SetPointerAndSetBoxSizeKeepTheAnchor) {
  TGraphicBox box;
  box.MoveAnchorTo({150, 80});
  // Every change from and to the tailless rectangle, whose anchor is its centre.
  for (std::uint8_t pointer : {0, 4, 1, 4, 2, 3, 4, 4, 0}) {
    box.SetPointer(pointer);
    EXPECT_EQ(box.GetAnchor(), QPoint(150, 80)) << int(pointer);
    box.SetBoxSize(33, 17);
    EXPECT_EQ(box.GetAnchor(), QPoint(150, 80)) << int(pointer);
  }
}

TEST(GraphicBox, EachPointerOpensTowardItsSideAndMovesByItsTip) {
  for (std::uint8_t pointer : AllPointers) {
    SCOPED_TRACE(int(pointer));
    TGraphicBox box;
    box.SetPointer(pointer);
    box.MoveAnchorTo({-40, 25});
    EXPECT_EQ(box.GetAnchor(), QPoint(-40, 25));

    // The text area is the body less its margin, whichever way the body was mirrored.
    const TRect text = box.GetTextRect();
    EXPECT_EQ(text.Right - text.Left, box.BoxWidth);
    EXPECT_EQ(text.Bottom - text.Top, box.BoxHeight);
    const TFloatRect bounds = box.GetFloatBounds();
    const bool left = pointer == TGraphicBox::AboveLeft || pointer == TGraphicBox::BelowLeft;
    const bool above = pointer == TGraphicBox::AboveLeft || pointer == TGraphicBox::AboveRight;
    if (pointer == TGraphicBox::NoTail) {
      EXPECT_EQ(bounds, FloatRect(-54, 11, -26, 39));
    } else {
      EXPECT_EQ(left ? bounds.MaxX : bounds.MinX, -40);
      EXPECT_EQ(above ? bounds.MaxY : bounds.MinY, 25);
      EXPECT_EQ(left ? text.Right : text.Left, -40 + (left ? -4 : 4));
    }
  }
}

TEST(MessageBox, ChoosePointerOpensTowardTheMiddle) {
  TMessageBox box;
  box.ChoosePointer(400, 300, {100, 100});
  EXPECT_EQ(box.Pointer, TGraphicBox::BelowRight);
  box.ChoosePointer(400, 300, {300, 100});
  EXPECT_EQ(box.Pointer, TGraphicBox::BelowLeft);
  box.ChoosePointer(400, 300, {300, 200});
  EXPECT_EQ(box.Pointer, TGraphicBox::AboveLeft);
  box.ChoosePointer(400, 300, {100, 200});
  EXPECT_EQ(box.Pointer, TGraphicBox::AboveRight);
  box.ChoosePointer(400, 300, {200, 100});
  EXPECT_EQ(box.Pointer, TGraphicBox::AboveRight) << "on a boundary nothing changes";
  box.ChoosePointer(400, 300, {100, 150});
  EXPECT_EQ(box.Pointer, TGraphicBox::AboveRight);
}

TEST(MessageBox, SetMessageSizesToTheLongestLineTimesTheLineCount) {
  TMessageBox box;
  const QFontMetrics metrics(MakeFont("MS Sans Serif", 8, 700, true));
  box.MoveAnchorTo({60, 70});
  box.SetMessage("ab\r\nabcd");
  EXPECT_EQ(box.Lines, (QStringList{"ab", "abcd"}));
  EXPECT_EQ(box.BoxWidth, metrics.horizontalAdvance("abcd"));
  EXPECT_EQ(box.BoxHeight, 2 * metrics.height());
  EXPECT_EQ(box.GetAnchor(), QPoint(60, 70));

  box.SetMessage("first\nsecond\n");
  EXPECT_EQ(box.Lines, (QStringList{"first", "second"})) << "a final break starts no line";
  EXPECT_EQ(box.BoxHeight, 2 * metrics.height());
  box.SetMessage("");
  EXPECT_TRUE(box.Lines.isEmpty());
  EXPECT_EQ(box.BoxHeight, 0);

  // The line with the most characters is measured, the first of equals.
  box.SetMessage("WWW\niii");
  EXPECT_EQ(box.BoxWidth, metrics.horizontalAdvance("WWW"));
  box.SetMessage("iii\nWWW");
  EXPECT_EQ(box.BoxWidth, metrics.horizontalAdvance("iii"));
}

TEST(MessageBox, SetFontStyleRemeasures) {
  TMessageBox box;
  box.SetMessage("Contention");
  const std::int32_t boldItalic = box.BoxWidth;
  box.SetFontStyle(0);
  const QFontMetrics plain(MakeFont("MS Sans Serif", 8, 400, false));
  EXPECT_EQ(box.BoxWidth, plain.horizontalAdvance("Contention"));
  EXPECT_NE(box.BoxWidth, boldItalic);
}

TEST(MessageBox, AHiddenBoxPaintsNothing) {
  TMessageBox box;
  box.SetMessage("Race condition");
  box.MoveAnchorTo({100, 100});
  QImage image(200, 200, QImage::Format_ARGB32);
  image.fill(Qt::white);
  const QImage blank = image;
  box.Visible = false;
  {
    QPainter painter(&image);
    box.Draw(painter);
  }
  EXPECT_EQ(image, blank);
  box.Visible = true;
  {
    QPainter painter(&image);
    box.Draw(painter);
  }
  EXPECT_NE(image, blank);
}

}  // namespace
}  // namespace logivane
