#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>

// The model's tests measure text, so they need a GUI application, but never a screen.
int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale::c());
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
