#pragma once

#include "document/cColour.h"

#include <QColor>
#include <QPen>

class QPainter;

namespace logivane {

/**
 * @brief The colours a painter shows a circuit in.
 *
 * Circuits keep their colours as they look on white paper, and that is how they print and
 * export. On a dark screen every colour is shown with its lightness turned over and its hue
 * kept: the white background and fills become dark, black outlines, texts and high wires
 * become light, and a low wire stays fainter than a high one, so each colour keeps its meaning.
 * Nothing here changes a stored colour: the mapping happens only while painting.
 */
class TColourScheme {
public:
  static const TColourScheme& Light();
  static const TColourScheme& Dark();

  bool IsDark() const { return FDark; }
  QColor Map(TColour colour) const;
  QColor Map(const QColor& colour) const;

  /// The scheme that `dc` paints in: the one a TSchemeScope gave it, else the light one. A
  /// painter that prints, exports or copies a picture is never given one, so pictures are
  /// always light.
  static const TColourScheme& Of(const QPainter& dc);

  /// The scheme of the program's windows, which on-screen painting takes.
  static const TColourScheme& Screen();
  static void SetScreen(const TColourScheme& scheme);

private:
  explicit constexpr TColourScheme(bool dark) : FDark(dark) {}

  bool FDark;
};

/// Makes a painter paint in a scheme for as long as the scope lives.
class TSchemeScope {
public:
  TSchemeScope(const QPainter& dc, const TColourScheme& scheme);
  TSchemeScope(const TSchemeScope&) = delete;
  TSchemeScope& operator=(const TSchemeScope&) = delete;
  ~TSchemeScope();

private:
  const QPainter& FPainter;
};

/// The colour `dc` shows the stored `colour` in.
inline QColor PaintColour(const QPainter& dc, TColour colour) {
  return TColourScheme::Of(dc).Map(colour);
}

inline QColor PaintColour(const QPainter& dc, const QColor& colour) {
  return TColourScheme::Of(dc).Map(colour);
}

}  // namespace logivane
