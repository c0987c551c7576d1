#pragma once

#include "dialogs/PreferencesDlg.h"

#include <QPalette>

namespace logivane {

/// The palette of the Dark theme's windows.
QPalette DarkPalette();

/// Whether `palette` is a dark one: its windows are darker than mid grey.
bool IsDarkPalette(const QPalette& palette);

/// Puts the program's windows and drawings in the look of `theme`. System goes back to the
/// desktop's own style and palette, as they were at the first call, and is dark when they are.
/// Pictures, printouts and the clipboard stay light whatever the theme.
void ApplyTheme(TTheme theme);

}  // namespace logivane
