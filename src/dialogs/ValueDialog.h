#pragma once

#include <QDialog>

namespace logivane {

/// Runs `dialog` modally on `values`: fills it from them and, only when it closes with OK,
/// copies its values back. Every small dialog edits its plain struct this way.
template <class Dialog, class Values>
bool EditValues(Dialog& dialog, Values& values) {
  dialog.SetValues(values);
  if (dialog.exec() != QDialog::Accepted) {
    return false;
  }
  values = dialog.Values();
  return true;
}

}  // namespace logivane
