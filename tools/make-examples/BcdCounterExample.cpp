// A two-digit decimal counter: two decade counters from the library, the tens clocked as the
// units wrap from 9 to 0, each digit decoded to a seven-segment display.

#include "CourseParts.h"
#include "Layout.h"
#include "LibraryPart.h"
#include "Panel.h"
#include "SequentialCircuits.h"
#include "simulation/cOutput.h"

namespace logivane::examples {

namespace {

const QString Segments[] = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                            QStringLiteral("d"), QStringLiteral("e"), QStringLiteral("f"),
                            QStringLiteral("g")};

/// A seven-segment display at (x, y) lit by `decoder`, which stands below and left of it: each
/// output runs level to under its segment's pin and up to it, so that none of them cross.
void SegmentDisplay(TMacro& c, TLayout& layout, const TPlacedPart& decoder, int x, int y) {
  auto* display = Place<TLEDSegmentDevice>(c, x, y);
  for (int k = 0; k < TLEDSegmentDevice::SegmentCount; ++k) {
    TPin& output = decoder[Segments[k]];
    layout.Approach(*display->Pin(k), PinPoint(output).y());
    layout.Net(output, {display->Pin(k)});
  }
}

/// Joins the outputs Q0 to Q3 of `counter` to the inputs A0 to A3 of `decoder` and to the
/// lines of `display`; `carry` is also fed from Q3 when given.
void DigitNets(TLayout& layout, const TPlacedPart& counter, const TPlacedPart& decoder,
               TNumericDevice& display, TPin* carry) {
  for (int bit = 3; bit >= 0; --bit) {
    TPin& q = counter.Bit(QStringLiteral("Q"), bit);
    TPin& a = decoder.Bit(QStringLiteral("A"), bit);
    if (bit == 3 && carry) {
      layout.Net(q, {&a, display.Pin(bit), carry});
    } else {
      layout.Net(q, {&a, display.Pin(bit)});
    }
  }
}

}  // namespace

std::unique_ptr<TMacro> BcdCounter() {
  auto root = NewCircuit();
  TMacro& c = *root;
  TLayout layout(c);
  const TPlacedPart units(c, QStringLiteral("decade-counter"), 200, 400);
  const TPlacedPart tens(c, QStringLiteral("decade-counter"), 400, 260);
  const TPlacedPart tensDecoder(c, QStringLiteral("bcd-7segment"), 600, 300);
  const TPlacedPart unitsDecoder(c, QStringLiteral("bcd-7segment"), 800, 450);
  TNumericDevice* tensDisplay = NewDisplay(c, 520, 150, 4, QStringLiteral("tens"));
  TNumericDevice* unitsDisplay = NewDisplay(c, 600, 560, 4, QStringLiteral("units"));
  ApproachDisplay(layout, *tensDisplay, 4, 100);
  ApproachDisplay(layout, *unitsDisplay, 4, 500);

  layout.Net(*NewInput(c, 60, 370, QStringLiteral("Clk"))->Pin(0), {&units["CLK"]});
  DigitNets(layout, units, unitsDecoder, *unitsDisplay, &tens["CLK"]);
  DigitNets(layout, tens, tensDecoder, *tensDisplay, nullptr);
  SegmentDisplay(c, layout, tensDecoder, 710, 170);
  SegmentDisplay(c, layout, unitsDecoder, 910, 170);
  layout.Route();
  root->Reset();
  return root;
}

QString BcdCounterTable() {
  QString table = QStringLiteral(
      "# BCD counter: each pulse on Clk counts the units up; when they wrap from 9 to 0 the\n"
      "# tens count up too, so the two displays count the pulses in decimal\n"
      "Clk | tens units\n"
      "0   | 0    0\n");
  for (int count = 1; count <= 32; ++count) {
    table += QStringLiteral("C   | %1    %2\n").arg(count / 10).arg(count % 10);
  }
  return table;
}

}  // namespace logivane::examples
