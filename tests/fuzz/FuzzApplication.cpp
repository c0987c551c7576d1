#include "FuzzTargets.h"

#include <QGuiApplication>

namespace logivane::fuzz {

void EnsureApplication(const char* program) {
  if (QGuiApplication::instance()) {
    return;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char* argv[] = {const_cast<char*>(program), nullptr};
  new QGuiApplication(argc, argv);
}

}  // namespace logivane::fuzz
