#pragma once

#include <QString>

#include <vector>

namespace logivane {

/// A place the Parts Centre's drive menu offers.
struct TVolume {
  enum TKind { Removable = 0, Fixed = 1 };
  TKind Kind = Fixed;
  QString Caption;
  QString Path;
};

/**
 * @brief The volumes a user browses from: the root file system, the home folder, and the
 * removable media mounted under /media and /run/media, in that order.
 */
std::vector<TVolume> MountedVolumes();

}  // namespace logivane
