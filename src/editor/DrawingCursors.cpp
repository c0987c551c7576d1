#include "editor/DrawingCursors.h"

#include <QPixmap>

#include <map>

namespace logivane {

namespace {

struct TCursorImage {
  const char* Resource;
  QPoint HotSpot;
};

/// The resource of each cursor and where on its 32 x 32 image it points.
TCursorImage ImageOf(TCursorId id) {
  switch (id) {
    case TCursorId::LogivaneArrow:
      return {"LOGIVANEARROW", {0, 0}};
    case TCursorId::LogivaneHand:
      return {"LOGIVANEHAND", {13, 1}};
    case TCursorId::Hand:
      return {"HAND", {13, 1}};
    case TCursorId::ProbeFloat:
      return {"PROBEFLOAT", {1, 1}};
    case TCursorId::ProbeOn:
      return {"PROBEON", {1, 1}};
    case TCursorId::ProbeOff:
      return {"PROBEOFF", {1, 1}};
    case TCursorId::PartDrag:
      return {"PARTDRAG", {0, 0}};
    case TCursorId::WireDefault:
      return {"WIREDEFAULT", {1, 1}};
    case TCursorId::WireConnect:
      return {"WIRECONNECT", {1, 1}};
    case TCursorId::WireIsWiring:
      return {"WIREISWIRING", {1, 1}};
  }
  return {"LOGIVANEARROW", {0, 0}};
}

}  // namespace

const QCursor& EditorCursor(TCursorId id) {
  static std::map<TCursorId, QCursor> loaded;
  auto found = loaded.find(id);
  if (found == loaded.end()) {
    const TCursorImage image = ImageOf(id);
    const QPixmap pixmap(QStringLiteral(":/cursors/") + QLatin1String(image.Resource));
    found = loaded.emplace(id, QCursor(pixmap, image.HotSpot.x(), image.HotSpot.y())).first;
  }
  return found->second;
}

}  // namespace logivane
