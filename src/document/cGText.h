#pragma once

#include "document/Csegment.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <memory>

namespace logivane {

/// What a text shows when it is painted: its own fields, or what a device puts in their place.
struct TTextLook {
  QString Text;
  QString FontName;
  TColour TextColour;
  TColour BackColour;
  bool Transparent;
};

/**
 * @brief A single line of text: labels, letters inside symbols and free annotations.
 *
 * The polygon is the text's bounding box, turned with the text; it serves hit testing, bounds
 * and selection. Every setter re-measures, so the box always fits the text and stays centred
 * on the same point.
 */
class TGraphicText : public TPolygon {
  LV_PERSISTENT(TGraphicText)
public:
  TGraphicText();
  ~TGraphicText() override;

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override;

  void Clear() override;
  void Draw(QPainter& dc) override;
  /// Paints `look` in the place and angle of this text, its font in this text's size and
  /// style; the text itself is left as it is.
  void DrawLook(QPainter& dc, const TTextLook& look) const;
  TTextLook Look() const { return {Text, FontName, TextColour, BackColour, Transparent}; }
  void Rotate(float angle) override;
  void Translate(float dx, float dy) override;
  void Remap() override;

  void SetText(const QString& text);
  void SetFontSize(std::int32_t points);
  void SetTextColour(TColour colour);
  void SetItalic(bool italic);
  void SetBold(bool bold);
  void SetOverline(bool overline);
  bool IsBold() const { return Weight != 400; }
  std::int32_t GetWidth() const;
  /// Top minus bottom of the bounds: negative for a text that has height.
  std::int32_t GetHeight() const;
  /// The font that paints and measures the text.
  QFont MakeTextFont() const;

  const TPolyline& OverlineLine() const { return *FOverlineLine; }

  float TextAngle = 0;
  QString Text;
  bool Overline = false;
  std::int32_t FontSize = 7;
  TColour TextColour = ColourBlack;
  TColour BackColour = ColourBlack;
  bool Transparent = true;
  bool Italic = false;
  std::int32_t Weight = 400;
  bool ShowBox = true;
  QString FontName = QStringLiteral("Arial");

private:
  /// Switches to the Symbol face for the single arrow characters that only it draws.
  void ChooseFont(const QString& text);

  std::unique_ptr<TPolyline> FOverlineLine;
};

}  // namespace logivane
