#include "document/cSaveFile.h"

#include <QSaveFile>

namespace logivane {

bool CommitWholeFile(QSaveFile& file, bool written, QString* error) {
  if (file.isOpen()) {
    if (written && file.flush() && file.commit()) {
      return true;
    }
    // A write cut short leaves Qt without the system's reason; what is left in the buffer is
    // refused at once on a second try, this time with it.
    file.flush();
  }
  if (error) {
    *error = file.errorString();
  }
  file.cancelWriting();
  return false;
}

}  // namespace logivane
