#include "TestHelpers.h"
#include "document/cFonts.h"
#include "document/cGText.h"
#include "document/cMessageBox.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

namespace logivane {
namespace {

using test::ReadBack;
using test::WrittenObject;

float BoxWidth(const TGraphicText& text) {
  const TFloatRect r = text.GetFloatBounds();
  return r.MaxX - r.MinX;
}

/// Paints the text on a white image, with the origin in the middle.
QImage Painted(TGraphicText& text) {
  QImage image(200, 100, QImage::Format_ARGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(100, 50);
  text.Draw(painter);
  painter.end();
  return image;
}

bool IsBlank(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) {
        return false;
      }
    }
  }
  return true;
}

TEST(GraphicText, TheBoxFitsTheMeasuredTextAndOneCharacterIsOneUnitNarrower) {
  TGraphicText text;
  EXPECT_EQ(text.MakeTextFont().pixelSize(), 9) << "7 points at a fixed 96 pixels per inch";
  const QFontMetrics metrics(text.MakeTextFont());
  text.SetText("WW");
  EXPECT_FLOAT_EQ(BoxWidth(text), static_cast<float>(metrics.horizontalAdvance("WW")));
  const TFloatRect r = text.GetFloatBounds();
  EXPECT_FLOAT_EQ(r.MaxY - r.MinY, static_cast<float>(metrics.height()));
  text.SetText("W");
  EXPECT_FLOAT_EQ(BoxWidth(text), static_cast<float>(metrics.horizontalAdvance("W") - 1));

  EXPECT_GT(text.GetWidth(), 0);
  EXPECT_LT(text.GetHeight(), 0) << "top minus bottom";
  EXPECT_EQ(text.GetHeight(), text.GetBounds().Top - text.GetBounds().Bottom);
}

TEST(GraphicText, AnArrowOfTheSymbolFaceSwitchesTheFontForGood) {
  TGraphicText text;
  text.SetText(QString(QChar(173)) + "x");
  text.SetText("A");
  EXPECT_EQ(text.FontName, "Arial") << "only a text of exactly one arrow switches";
  text.SetText(QString(QChar(173)));
  EXPECT_EQ(text.FontName, "Symbol");
  text.SetText("Q");
  EXPECT_EQ(text.FontName, "Symbol");

  TGraphicText down;
  down.SetText(QString(QChar(175)));
  EXPECT_EQ(down.FontName, "Symbol");
  EXPECT_EQ(ReadBack<TGraphicText>(WrittenObject(down))->FontName, "Symbol")
      << "reading chooses the face again";
}

TEST(GraphicText, RotateKeepsTheAngleWithinOneTurn) {
  TGraphicText text;
  for (int i = 0; i < 3; ++i) {
    text.Rotate(90);
  }
  text.Rotate(180);
  EXPECT_FLOAT_EQ(text.TextAngle, 90);
  TGraphicText other;
  other.Rotate(-90);
  EXPECT_FLOAT_EQ(other.TextAngle, 270);
}

TEST(GraphicText, SettersKeepTheBoxCentredOnTheSamePoint) {
  TGraphicText text;
  text.SetText("Hi");
  float cx, cy;
  text.GetCentre(cx, cy);
  text.Translate(100.6f - cx, 50.2f - cy);
  text.Remap();

  text.SetFontSize(10);
  const QFontMetrics metrics(text.MakeTextFont());
  const int w = metrics.horizontalAdvance("Hi");
  const int h = metrics.height();
  EXPECT_FLOAT_EQ(text.GetFloatPoint(0)->X, static_cast<float>(100 - w / 2));
  EXPECT_FLOAT_EQ(text.GetFloatPoint(0)->Y, static_cast<float>(50 - h / 2));
  EXPECT_FLOAT_EQ(BoxWidth(text), static_cast<float>(w));

  text.SetBold(true);
  EXPECT_TRUE(text.IsBold());
  text.GetCentre(cx, cy);
  EXPECT_NEAR(cx, 100, 1);
  EXPECT_NEAR(cy, 50, 1);
}

TEST(GraphicText, AnEmptyTextPaintsNothingNotEvenItsBar) {
  TGraphicText text;
  text.SetOverline(true);
  text.SetText("Signal");
  text.Remap();
  ASSERT_FALSE(IsBlank(Painted(text))) << "the check below would prove nothing";

  text.Text.clear();  // as read from a stream: a box and a bar, but no words
  EXPECT_TRUE(IsBlank(Painted(text)));
  text.Clear();
  EXPECT_TRUE(IsBlank(Painted(text)));
}

TEST(GraphicText, ReadingATextWithoutBarKeepsTheEmptyDefaultBar) {
  TGraphicText plain;
  plain.SetText("Q");
  plain.Remap();
  ASSERT_EQ(plain.OverlineLine().PointCount(), 2);
  const auto copy = ReadBack<TGraphicText>(WrittenObject(plain));
  EXPECT_EQ(copy->OverlineLine().PointCount(), 0);
  EXPECT_EQ(copy->Text, "Q");
  EXPECT_EQ(copy->GetBounds(), plain.GetBounds()) << "the box is taken as stored";

  TGraphicText barred;
  barred.SetOverline(true);
  barred.SetText("Q");
  barred.Remap();
  const auto barredCopy = ReadBack<TGraphicText>(WrittenObject(barred));
  ASSERT_EQ(barredCopy->OverlineLine().PointCount(), 2);
  EXPECT_EQ(barredCopy->OverlineLine().GetPoint(1), barred.OverlineLine().GetPoint(1));
}

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

}  // namespace
}  // namespace logivane
