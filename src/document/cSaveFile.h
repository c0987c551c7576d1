#pragma once

#include <QString>

class QSaveFile;

namespace logivane {

/// Ends the writing of `file`, which must be open: the file written replaces the one of its name
/// only when `written` (the writer's own verdict) and every byte reached the disk. Otherwise
/// returns false with the reason in `error`, and the file of that name, if any, stays as it was.
///
/// `QSaveFile::commit` alone takes a final flush that failed for success, and would put a file
/// cut short by a full disk in place of the old one.
bool CommitWholeFile(QSaveFile& file, bool written, QString* error = nullptr);

}  // namespace logivane
