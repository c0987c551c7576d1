#pragma once

#include "document/Cfloat.h"

class QPainter;

namespace logivane {

struct TFaultMarks;

/// Paints `marks` over the circuit painted under them: the marked wires and joints in red with
/// a thicker pen, a red frame round each marked device. The surface, pictures and prints all
/// paint them so.
void PaintFaultMarks(QPainter& dc, const TFaultMarks& marks);

/// The area that `PaintFaultMarks` paints, to repaint when the marks come or go.
TRect FaultMarksBounds(const TFaultMarks& marks);

}  // namespace logivane
