#pragma once

#include <QString>

namespace logivane {

class TDevice;

/// The kind of `device` in the words of the editor's parts ("2-input AND gate", "LED"), for
/// messages; "device" for a kind without a name of its own.
QString DeviceKindName(const TDevice& device);

}  // namespace logivane
