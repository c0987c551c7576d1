#include "app/MainUnit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Logivane"));
  QApplication::setOrganizationName(QStringLiteral("Ostrel"));

  logivane::TMainForm mainForm;
  mainForm.show();
  // A circuit file named on the command line is opened at start.
  for (const QString& argument : QApplication::arguments().mid(1)) {
    if (argument.endsWith(QLatin1String(".lvm"), Qt::CaseInsensitive)) {
      mainForm.OpenFile(argument);
      break;
    }
  }
  return QApplication::exec();
}
