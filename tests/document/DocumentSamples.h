#pragma once

#include "document/Cfloat.h"
#include "document/Cgobject.h"
#include "document/Csegment.h"
#include "document/cGText.h"

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace logivane::test {

/// A named way to build one object of a persistent class in a state worth storing.
struct TSample {
  std::string Name;
  std::function<std::unique_ptr<TSerialize>()> Make;
};

inline std::unique_ptr<TGraphicText> SampleText(const QString& words, float angle, bool overline) {
  auto text = std::make_unique<TGraphicText>();
  text->Rotate(angle);
  text->SetOverline(overline);
  text->SetText(words);
  text->Translate(40.5f, -12.25f);
  text->Remap();
  return text;
}

/// One or more samples of every persistent class of the document model.
inline std::vector<TSample> DocumentSamples() {
  auto polygon = [] {
    auto shape = std::make_unique<TPolygon>();
    shape->AddPoints({CreateFloatPoint(0, 0), CreateFloatPoint(10.5f, 0),
                      CreateFloatPoint(10.5f, -20), CreateFloatPoint(0, -20)});
    shape->PenColour = 255;
    shape->PenWidth = 3;
    shape->BrushColour = 0xC0C0C0;
    shape->Remap();
    return shape;
  };
  auto polyline = [] {
    auto line = std::make_unique<TPolyline>();
    line->AddPoint({-5, 7});
    line->AddPoint({70000, 7});
    line->AddPoint({70000, -300});
    line->PenColour = 65280;
    return line;
  };
  return {
      {"FloatPoint",
       [] {
         return std::make_unique<TFloatPoint>(1.5f, -2.25f);
       }},
      {"FloatPointOddValues",
       [] {
         return std::make_unique<TFloatPoint>(-0.0f, std::numeric_limits<float>::quiet_NaN());
       }},
      {"EmptyList",
       [] {
         return std::make_unique<TSerializeList>();
       }},
      {"NestedLists",
       [] {
         auto list = std::make_unique<TSerializeList>();
         list->Add(CreateFloatPoint(1, 2));
         auto inner = std::make_unique<TSerializeList>();
         inner->Add(CreateFloatPoint(3, 4));
         inner->Add(std::make_unique<TSerializeList>());
         list->Add(std::move(inner));
         list->Add(CreateFloatPoint(5, 6));
         return list;
       }},
      {"Segment",
       [] {
         auto segment = std::make_unique<TSegment>();
         segment->AddArc(true, 5, 5, 0, 90, 10, 4);
         segment->PenWidth = 2;
         return segment;
       }},
      {"EmptyPolygon",
       [] {
         return std::make_unique<TPolygon>();
       }},
      {"Polygon", polygon},
      {"Polyline", polyline},
      {"Text",
       [] {
         return SampleText("Clock", 0, false);
       }},
      {"TextTurnedBoldItalicWithBar",
       [] {
         auto text = SampleText("Q", 90, true);
         text->SetBold(true);
         text->SetItalic(true);
         text->SetTextColour(255);
         text->SetFontSize(12);
         text->ShowBox = false;
         return text;
       }},
      {"TextSymbolArrow",
       [] {
         return SampleText(QString(QChar(173)), 0, false);
       }},
      {"TextLong",
       [] {
         return SampleText(QString(300, 'x'), 180, true);
       }},
      {"TextEmpty",
       [] {
         return std::make_unique<TGraphicText>();
       }},
      {"EmptyGraphicList",
       [] {
         return std::make_unique<TGraphicList>();
       }},
      {"GraphicList",
       [=] {
         auto list = std::make_unique<TGraphicList>();
         list->Add(polygon());
         list->Add(polyline());
         list->Add(SampleText("R", 270, true));
         auto inner = std::make_unique<TGraphicList>();
         inner->Add(polygon());
         inner->Add(std::make_unique<TGraphicList>());
         list->Add(std::move(inner));
         return list;
       }},
  };
}

}  // namespace logivane::test
