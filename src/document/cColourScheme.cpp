#include "document/cColourScheme.h"

#include <QPainter>

#include <algorithm>
#include <atomic>
#include <cmath>
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
  float hue = 0;
  float saturation = 0;
  float lightness = 0;
  float alpha = 0;
  colour.getHslF(&hue, &saturation, &lightness, &alpha);
  const float darkest = DarkestLightness / 255.0F;
  const float lightest = LightestLightness / 255.0F;
  const float turned = darkest + (1 - lightness) * (lightest - darkest);
  // The colourfulness is kept rather than the saturation: a pale tint of paper turns into a dark
  // grey with a trace of its hue, not into a deep colour that would outshine what is drawn on it.
  const auto span = [](float l) {
    return 1 - std::abs(2 * l - 1);
  };
  const float chroma = saturation * span(lightness);
  const float kept = std::min(1.0F, chroma / span(turned));
  return QColor::fromHslF(hue, kept, turned, alpha);
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
