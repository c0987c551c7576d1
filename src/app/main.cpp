#include "app/Language.h"
#include "app/MainUnit.h"
#include "app/Settings.h"
#include "windows/HelpWindow.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Logivane"));
  QApplication::setOrganizationName(QStringLiteral("Ostrel"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/logivane.png")));
  QApplication::setDesktopFileName(QStringLiteral("logivane"));

  QSettings store;
  logivane::TLanguage::Shared().Apply(logivane::ReadLanguage(store));
  logivane::THelpWindow::BecomeHelpViewer();
  logivane::TMainForm mainForm;
  mainForm.SetCommandLine(QApplication::arguments().mid(1));
  mainForm.show();
  return QApplication::exec();
}
