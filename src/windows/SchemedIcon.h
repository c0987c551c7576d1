#pragma once

#include <QIcon>

namespace logivane {

/// The tool picture ":/icons/`name`.png", shown in the screen's colour scheme: on a dark screen
/// its lightness is turned over as the drawing's is, so that the black outlines of a gate's
/// picture stay visible on a dark tool bar and the picture looks like the gate it places.
QIcon SchemedIcon(const QString& name);

/// `icon`, drawn as on white paper, shown in the screen's colour scheme as above.
QIcon SchemedIcon(QIcon icon);

}  // namespace logivane
