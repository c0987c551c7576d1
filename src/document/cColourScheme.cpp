#include "document/cColourScheme.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

namespace logivane {

namespace {

/// The dark scheme's lightness range: white paper becomes this dark grey, and black ink this
/// light one, bright enough to read without glaring on a projector.
constexpr int DarkestLightness = 38;
constexpr int LightestLightness = 230;

/// The painters in a scheme of their own, most recent last; seldom more than two. A painter
/// belongs to one thread, so each thread keeps its own.
std::vector<std::pair<const QPainter*, const TColourScheme*>>& Scoped() {
  thread_local std::vector<std::pair<const QPainter*, const TColourScheme*>> scoped;
  return scoped;
}

std::atomic<const TColourScheme*> ScreenScheme = &TColourScheme::Light();

}  // namespace

const TColourScheme& TColourScheme::Light() {
  static constexpr TColourScheme light(false);
  return light;
}

const TColourScheme& TColourScheme::Dark() {
  static constexpr TColourScheme dark(true);
  return dark;
}

QColor TColourScheme::Map(TColour colour) const {
  return Map(ToQColor(colour));
}

QColor TColourScheme::Map(const QColor& colour) const {
  if (!FDark) {
    return colour;
  }
  int hue = 0;
  int saturation = 0;
  int lightness = 0;
  int alpha = 0;
  colour.getHsl(&hue, &saturation, &lightness, &alpha);
  const int turned =
      DarkestLightness + (255 - lightness) * (LightestLightness - DarkestLightness) / 255;
  return QColor::fromHsl(hue, saturation, turned, alpha);
}

const TColourScheme& TColourScheme::Of(const QPainter& dc) {
  const auto& scoped = Scoped();
  const auto found = std::find_if(scoped.rbegin(), scoped.rend(),
                                  [&dc](const auto& entry) { return entry.first == &dc; });
  return found == scoped.rend() ? Light() : *found->second;
}

const TColourScheme& TColourScheme::Screen() {
  return *ScreenScheme;
}

void TColourScheme::SetScreen(const TColourScheme& scheme) {
  ScreenScheme = &scheme;
}

TSchemeScope::TSchemeScope(const QPainter& dc, const TColourScheme& scheme) : FPainter(dc) {
  Scoped().emplace_back(&dc, &scheme);
}

TSchemeScope::~TSchemeScope() {
  auto& scoped = Scoped();
  const auto found = std::find_if(scoped.rbegin(), scoped.rend(),
                                  [this](const auto& entry) { return entry.first == &FPainter; });
  if (found != scoped.rend()) {
    scoped.erase(std::next(found).base());
  }
}

}  // namespace logivane
