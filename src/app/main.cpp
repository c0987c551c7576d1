#include "app/MainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Logivane"));
  QApplication::setOrganizationName(QStringLiteral("Ostrel"));

  logivane::TMainForm mainForm;
  mainForm.show();
  return QApplication::exec();
}
