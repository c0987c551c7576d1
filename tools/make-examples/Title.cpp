#include "Title.h"

#include "document/cGText.h"
#include "simulation/cCircuitBuilder.h"

#include <QStringList>

#include <memory>

namespace logivane::examples {

namespace {

constexpr int TitleSize = 10;
constexpr int HintSize = 8;
/// The space between the last line and the circuit under it.
constexpr int Gap = 20;

/// A new annotation of `text` with its top left corner at (left, top); returns its height.
int AddLine(TMacro& circuit, const QString& text, int size, bool bold, int left, int top) {
  auto line = std::make_unique<TGraphicText>();
  line->SetText(text);
  line->SetFontSize(size);
  line->SetBold(bold);
  const TRect bounds = line->GetBounds();
  line->Translate(static_cast<float>(left - bounds.Left), static_cast<float>(top - bounds.Top));
  line->Remap();
  AddObject(circuit, std::move(line));
  return bounds.Bottom - bounds.Top;
}

int LineHeight(const QString& text, int size, bool bold) {
  TGraphicText line;
  line.SetText(text);
  line.SetFontSize(size);
  line.SetBold(bold);
  return -line.GetHeight();
}

}  // namespace

void AddTitle(TMacro& circuit, const QString& title, const QString& hint) {
  const TRect below = circuit.GetBounds();
  const QStringList lines = hint.split(u'\n', Qt::SkipEmptyParts);
  int height = LineHeight(title, TitleSize, true) + 4;
  for (const QString& line : lines) {
    height += LineHeight(line, HintSize, false);
  }
  int top = (below.Top - Gap - height) / 5 * 5;
  top += AddLine(circuit, title, TitleSize, true, below.Left, top) + 4;
  for (const QString& line : lines) {
    top += AddLine(circuit, line, HintSize, false, below.Left, top);
  }
}

}  // namespace logivane::examples
