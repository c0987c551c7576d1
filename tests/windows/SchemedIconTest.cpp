#include "document/cColourScheme.h"
#include "windows/SchemedIcon.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace logivane {
namespace {

QImage Picture(const QIcon& icon) {
  return icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32);
}

/// The share of the opaque pixels of `image` darker than mid grey.
double DarkShare(const QImage& image) {
  int opaque = 0;
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      if (colour.alpha() == 255) {
        ++opaque;
        dark += colour.lightness() < 128 ? 1 : 0;
      }
    }
  }
  return opaque == 0 ? 0 : double(dark) / opaque;
}

TEST(SchemedIconTest, AToolPictureFollowsTheScreensSchemeBothWays) {
  const QIcon plain(QStringLiteral(":/icons/and-gate.png"));
  const QIcon schemed = SchemedIcon(QStringLiteral("and-gate"));
  const QImage light = Picture(plain);
  ASSERT_FALSE(light.isNull());
  EXPECT_EQ(Picture(schemed), light);

  TColourScheme::SetScreen(TColourScheme::Dark());
  const QImage dark = Picture(schemed);
  const QImage darkAgain = Picture(schemed);
  TColourScheme::SetScreen(TColourScheme::Light());

  // The gate's dark outline is light on a dark screen, and its white body dark.
  EXPECT_NE(dark, light);
  EXPECT_EQ(dark, darkAgain);
  EXPECT_GT(DarkShare(light), 0.0);
  EXPECT_NEAR(DarkShare(dark), 1.0 - DarkShare(light), 0.1);
  EXPECT_EQ(dark.pixelColor(12, 12).alpha(), light.pixelColor(12, 12).alpha());
  EXPECT_EQ(Picture(schemed), light);
}

}  // namespace
}  // namespace logivane
