#pragma once

#include <QCursor>

namespace logivane {

/// The editor's own cursors, numbered as the drawing surface and the handles register them.
enum class TCursorId {
  LogivaneArrow = 100,
  LogivaneHand = 101,
  Hand = 200,
  ProbeFloat = 201,
  ProbeOn = 202,
  ProbeOff = 203,
  PartDrag = 204,
  WireDefault = 300,
  WireConnect = 301,
  WireIsWiring = 302,
};

/// The cursor `id`, loaded from the program's resources on first use.
const QCursor& EditorCursor(TCursorId id);

}  // namespace logivane
