#pragma once

#include <QString>

#include <cstdint>

namespace logivane {

/// One keyed value of a stream's descriptor list; the file kind chooses the keys.
struct TDescriptor {
  enum : std::int32_t { KindString = 1, KindInteger = 2, KindBoolean = 3 };

  std::int32_t Id = 0;
  std::int32_t Kind = 0;
  QString StringValue;
  std::int32_t IntegerValue = 0;
  bool BooleanValue = false;
};

}  // namespace logivane
