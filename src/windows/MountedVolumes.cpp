#include "windows/MountedVolumes.h"

#include <QCoreApplication>
#include <QDir>
#include <QStorageInfo>

namespace logivane {

namespace {

bool IsRemovableMount(const QString& path) {
  return path.startsWith(QLatin1String("/media/")) || path.startsWith(QLatin1String("/run/media/"));
}

/// "name (path)", or the path alone when the volume has no name.
QString VolumeCaption(const QString& name, const QString& path) {
  return name.isEmpty() ? "(" + path + ")" : name.toLower() + " (" + path + ")";
}

}  // namespace

std::vector<TVolume> MountedVolumes() {
  const QStorageInfo root = QStorageInfo::root();
  std::vector<TVolume> volumes{
      {TVolume::Fixed, VolumeCaption(root.name(), root.rootPath()), root.rootPath()},
      {TVolume::Fixed,
       VolumeCaption(QCoreApplication::translate("TPartsForm", "home"), QDir::homePath()),
       QDir::homePath()}};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (volume.isValid() && volume.isReady() && IsRemovableMount(volume.rootPath())) {
      volumes.push_back(
          {TVolume::Removable, VolumeCaption(volume.name(), volume.rootPath()), volume.rootPath()});
    }
  }
  return volumes;
}

}  // namespace logivane
