#include "document/cColourScheme.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace logivane {
namespace {

TEST(ColourSchemeTest, DarkTurnsLightnessOverAndKeepsHueWhileLightKeepsEveryColour) {
  const TColourScheme& light = TColourScheme::Light();
  const TColourScheme& dark = TColourScheme::Dark();
  for (const TColour colour : {ColourBlack, ColourWhite, ColourRed, ColourSilver, 0x528CE4}) {
    EXPECT_EQ(light.Map(colour), ToQColor(colour));
  }
  // White paper goes dark and black ink light, neither to the extreme.
  EXPECT_LT(dark.Map(ColourWhite).lightness(), 50);
  EXPECT_GT(dark.Map(ColourBlack).lightness(), 200);
  EXPECT_LT(dark.Map(ColourBlack).lightness(), 255);
  // A high wire (black) stays brighter against the background than a low one (silver).
  const int background = dark.Map(ColourWhite).lightness();
  const int high = dark.Map(ColourBlack).lightness();
  const int low = dark.Map(ColourSilver).lightness();
  EXPECT_GT(high - background, 2 * (low - background));
  EXPECT_GT(low, background);
  // Colours stay the colours they were: red is red, blue is blue.
  EXPECT_EQ(dark.Map(ColourRed).hslHue(), ToQColor(ColourRed).hslHue());
  EXPECT_EQ(dark.Map(0x528CE4).hslHue(), ToQColor(0x528CE4).hslHue());
  EXPECT_EQ(dark.Map(QColor(0, 0, 0, 96)).alpha(), 96);
  // A pale tint behind a drawing turns into a dark grey with a trace of its hue, not into a
  // deep colour: the channels stay close together.
  const QColor tint = dark.Map(QColor(255, 255, 240));
  EXPECT_LT(std::max({tint.red(), tint.green(), tint.blue()}) -
                std::min({tint.red(), tint.green(), tint.blue()}),
            16);
  EXPECT_GT(dark.Map(ColourRed).hslSaturation(), 200);
}

TEST(ColourSchemeTest, APainterIsLightUnlessAScopeGivesItASchemeAndOnlyWhileItLasts) {
  QImage image(4, 4, QImage::Format_RGB32);
  QPainter screen(&image);
  QImage other(4, 4, QImage::Format_RGB32);
  QPainter picture(&other);
  EXPECT_FALSE(TColourScheme::Of(screen).IsDark());
  {
    const TSchemeScope dark(screen, TColourScheme::Dark());
    EXPECT_TRUE(TColourScheme::Of(screen).IsDark());
    EXPECT_FALSE(TColourScheme::Of(picture).IsDark());
    EXPECT_EQ(PaintColour(picture, ColourWhite), QColor(Qt::white));
    {
      const TSchemeScope light(screen, TColourScheme::Light());
      EXPECT_FALSE(TColourScheme::Of(screen).IsDark());
    }
    EXPECT_TRUE(TColourScheme::Of(screen).IsDark());
    EXPECT_NE(PaintColour(screen, ColourWhite), QColor(Qt::white));
  }
  EXPECT_FALSE(TColourScheme::Of(screen).IsDark());
}

}  // namespace
}  // namespace logivane
