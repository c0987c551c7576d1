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
  return test::InkBounds(image).isEmpty();
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
  text.Rotate(-90);
  EXPECT_FLOAT_EQ(text.TextAngle, 270);
  text.Rotate(180);
  EXPECT_FLOAT_EQ(text.TextAngle, 90) << "450 wraps";
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
