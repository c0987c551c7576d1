#include "document/cGText.h"

#include "document/cColourScheme.h"
#include "document/cFonts.h"
#include "document/cPainterState.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace logivane {

namespace {

/// The up and down arrows of the Symbol face.
constexpr char16_t SymbolUpArrow = 173;
constexpr char16_t SymbolDownArrow = 175;

}  // namespace

TGraphicText::TGraphicText() : FOverlineLine(std::make_unique<TPolyline>()) {
  HelpTopic = QStringLiteral("annotation.htm");
  CanResize = false;
}

TGraphicText::~TGraphicText() = default;

QFont TGraphicText::MakeTextFont() const {
  return MakeFont(FontName, FontSize, Weight, Italic);
}

void TGraphicText::ChooseFont(const QString& text) {
  if (text.size() == 1 && (text[0] == SymbolUpArrow || text[0] == SymbolDownArrow)) {
    FontName = QStringLiteral("Symbol");
  }
}

void TGraphicText::SetText(const QString& text) {
  ChooseFont(text);
  float cx, cy;
  GetCentre(cx, cy);
  Text = text;

  const QSize extent = TextExtent(FontName, FontSize, Weight, Italic, text);
  std::int32_t w = extent.width();
  const std::int32_t h = extent.height();
  if (text.size() == 1) {
    --w;
  }

  TPolygon::Clear();
  AddPoints({{0, 0},
             {0, static_cast<float>(h)},
             {static_cast<float>(w), static_cast<float>(h)},
             {static_cast<float>(w), 0}});
  TPolygon::Translate(static_cast<float>(-(w / 2)), static_cast<float>(-(h / 2)));
  TPolygon::Rotate(TextAngle);
  TPolygon::Translate(static_cast<float>(TruncToInt(cx)), static_cast<float>(TruncToInt(cy)));
  TPolygon::Remap();

  FOverlineLine->Clear();
  FOverlineLine->AddPoints({GetFloatPoint(0), GetFloatPoint(3)});
  FOverlineLine->PenColour = TextColour;
}

void TGraphicText::SetFontSize(std::int32_t points) {
  FontSize = points;
  SetText(Text);
}

void TGraphicText::SetTextColour(TColour colour) {
  TextColour = colour;
  SetText(Text);
}

void TGraphicText::SetItalic(bool italic) {
  Italic = italic;
  SetText(Text);
}

void TGraphicText::SetBold(bool bold) {
  Weight = bold ? 700 : 400;
  SetText(Text);
}

void TGraphicText::SetOverline(bool overline) {
  Overline = overline;
  SetText(Text);
}

std::int32_t TGraphicText::GetWidth() const {
  const TRect r = GetBounds();
  return r.Right - r.Left;
}

std::int32_t TGraphicText::GetHeight() const {
  const TRect r = GetBounds();
  return r.Top - r.Bottom;
}

void TGraphicText::Clear() {
  TPolygon::Clear();
  FOverlineLine->Clear();
  Text.clear();
}

void TGraphicText::Rotate(float angle) {
  TPolygon::Rotate(angle);
  FOverlineLine->Rotate(angle);
  TextAngle += angle;
  if (TextAngle >= 360) {
    TextAngle -= 360;
  } else if (TextAngle < 0) {
    TextAngle += 360;
  }
}

void TGraphicText::Translate(float dx, float dy) {
  TPolygon::Translate(dx, dy);
  FOverlineLine->Translate(dx, dy);
}

void TGraphicText::Remap() {
  TPolygon::Remap();
  FOverlineLine->Remap();
}

void TGraphicText::Draw(QPainter& dc) {
  DrawLook(dc, Look());
}

void TGraphicText::DrawLook(QPainter& dc, const TTextLook& look) const {
  if (look.Text.isEmpty() || Mapped.Count() == 0) {
    return;
  }
  TPainterState state(dc);
  if (Overline) {
    dc.setPen(FOverlineLine->PenIn(dc, look.TextColour));
    FOverlineLine->Mapped.DrawPolyline(dc);
  }
  if (const QSize size = Mapped.DeviceSize(dc); std::min(size.width(), size.height()) < 4) {
    // Too small to read when zoomed far out: a faint bar keeps its place at a fraction of the
    // cost of shaping and rasterising the glyphs.
    QColor bar = PaintColour(dc, look.TextColour);
    bar.setAlpha(96);
    dc.fillRect(QRect(Mapped.Extent().Min, Mapped.Extent().Max), bar);
    return;
  }
  const QFont font = MakeFont(look.FontName, FontSize, Weight, Italic);
  dc.setFont(font);
  dc.setPen(PaintColour(dc, look.TextColour));
  dc.setBackground(PaintColour(dc, look.BackColour));
  dc.setBackgroundMode(look.Transparent ? Qt::TransparentMode : Qt::OpaqueMode);
  const QPoint origin = GetPoint(0);
  dc.translate(origin);
  dc.rotate(TextAngle);
  const QFontMetrics metrics(font);
  if (!look.Transparent) {
    dc.fillRect(0, 0, metrics.horizontalAdvance(look.Text), metrics.height(),
                PaintColour(dc, look.BackColour));
  }
  dc.drawText(0, metrics.ascent(), look.Text);
}

void TGraphicText::Write(TSerializeWriter& writer) const {
  TPolygon::Write(writer);
  writer.WriteInteger(FontSize);
  writer.WriteInteger(TextColour);
  writer.WriteBoolean(Italic);
  writer.WriteInteger(Weight);
  writer.WriteFloat(TextAngle);
  writer.WriteString(Text);
  writer.WriteBoolean(ShowBox);
  writer.WriteBoolean(Overline);
  if (Overline) {
    writer.WriteObject(FOverlineLine.get());
  }
}

void TGraphicText::Read(TSerializeReader& reader) {
  TPolygon::Read(reader);
  FontSize = reader.ReadInteger();
  TextColour = reader.ReadInteger();
  Italic = reader.ReadBoolean();
  Weight = reader.ReadInteger();
  TextAngle = reader.ReadFloat();
  Text = reader.ReadString();
  ShowBox = reader.ReadBoolean();
  Overline = reader.ReadBoolean();
  if (Overline) {
    FOverlineLine.reset();
    FOverlineLine.reset(reader.ReadOwned<TPolyline>(*this));
  }
  ChooseFont(Text);
}

void TGraphicText::AbandonLinks() {
  TPolygon::AbandonLinks();
  AbandonOwned(FOverlineLine);
}

LV_REGISTER_CLASS(TGraphicText)

}  // namespace logivane
