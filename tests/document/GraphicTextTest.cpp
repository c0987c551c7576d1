#include "document/StreamTestHelpers.h"
#include "document/cGText.h"

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

/// True when the bar runs along the box's top edge, from vertex 0 to vertex 3.
void ExpectBarOnTopEdge(const TGraphicText& text) {
  const TPolyline& bar = text.OverlineLine();
  ASSERT_EQ(bar.PointCount(), 2);
  EXPECT_FLOAT_EQ(bar.GetFloatPoint(0)->X, text.GetFloatPoint(0)->X);
  EXPECT_FLOAT_EQ(bar.GetFloatPoint(0)->Y, text.GetFloatPoint(0)->Y);
  EXPECT_FLOAT_EQ(bar.GetFloatPoint(1)->X, text.GetFloatPoint(3)->X);
  EXPECT_FLOAT_EQ(bar.GetFloatPoint(1)->Y, text.GetFloatPoint(3)->Y);
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

TEST(GraphicText, TheBarFollowsTheTopEdgeThroughRotationAndMoves) {
  TGraphicText text;
  text.SetOverline(true);
  text.SetText("Label");
  ExpectBarOnTopEdge(text);
  text.Rotate(90);
  text.Translate(30, -7);
  text.Remap();
  ExpectBarOnTopEdge(text);
  EXPECT_EQ(text.OverlineLine().GetPoint(0), text.GetPoint(0)) << "Remap reaches the bar";

  // A turned text is measured unturned and then turned: the box is tall and narrow.
  const QFontMetrics metrics(text.MakeTextFont());
  text.SetText("Label");
  EXPECT_NEAR(BoxWidth(text), metrics.height(), 1e-3);
  ExpectBarOnTopEdge(text);
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

}  // namespace
}  // namespace logivane
