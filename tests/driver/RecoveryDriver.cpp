// The program of the crash test: the real main window, told from its command line what to do.
//   RecoveryDriver edit FILE   opens FILE, makes the test's edit, says "edited" and runs on
//   RecoveryDriver recover     recovers the first sound copy offered, saves it and exits
#include "app/MainUnit.h"
#include "app/RecoveryCommands.h"
#include "driver/CrashEdit.h"
#include "editor/UserMessages.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using namespace logivane;

namespace {

void Say(const QString& text) {
  std::printf("%s\n", qPrintable(text));
  std::fflush(stdout);
}

TRecoveryChoice RecoverFirstSound(const std::vector<TRecoveryListEntry>& copies) {
  const auto sound =
      std::find_if(copies.begin(), copies.end(), [](const auto& c) { return !c.Damaged; });
  return sound == copies.end()
             ? TRecoveryChoice{}
             : TRecoveryChoice{TRecoveryAction::Recover, int(sound - copies.begin())};
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Logivane"));
  QApplication::setOrganizationName(QStringLiteral("Ostrel"));
  const QStringList arguments = QApplication::arguments();
  const QString mode = arguments.value(1);
  // No box may wait for a user who is not there.
  UserMessages::SetHandler([](QMessageBox::Icon, const QString& text, auto) {
    Say(QStringLiteral("message ") + text);
    return QMessageBox::No;
  });

  TMainForm form;
  form.Recovery().Choose = [](QWidget*, const auto& copies) {
    return RecoverFirstSound(copies);
  };
  if (mode == QLatin1String("edit")) {
    form.SetCommandLine({arguments.value(2)});
  }
  form.show();
  // After the window's own start: the recovery question and the file named.
  QTimer::singleShot(0, &form, [&form, mode] {
    if (mode == QLatin1String("edit")) {
      test::MakeCrashTestEdit(form.Document());
      Say(QStringLiteral("edited"));
      return;
    }
    const bool recovered = form.Document().Modified() && !form.Document().FileName.isEmpty();
    Say(QStringLiteral("recovered ") + form.Document().FileName);
    const bool saved = recovered && form.SaveClick();
    form.close();
    QApplication::exit(saved ? 0 : 1);
  });
  return QApplication::exec();
}
