#include "dialogs/HelpTopics.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace logivane {

namespace {

using THelpHandler = std::function<void(const THelpRequest&)>;

THelpHandler& Viewer() {
  static THelpHandler viewer;
  return viewer;
}

THelpHandler& RequestHandler() {
  static THelpHandler handler;
  return handler;
}

void Request(const THelpRequest& request) {
  if (RequestHandler()) {
    RequestHandler()(request);
  } else if (Viewer()) {
    Viewer()(request);
  }
}

}  // namespace

QString ProgramHelpFile() {
  const QString name = QStringLiteral("Logivane.chm");
  const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(name);
  const QString installed = QDir(QStringLiteral(LOGIVANE_DATA_DIR)).filePath(name);
  return QFileInfo::exists(beside) || !QFileInfo::exists(installed) ? beside : installed;
}

void ShowHelpTopic(const QString& helpFile, const QString& windowName, const QString& topic) {
  Request({helpFile + QLatin1Char('>') + windowName, topic});
}

void ShowHelpContents(const QString& helpFile) {
  Request({helpFile, QString()});
}

void ConnectHelpTopic(QAction& action, const QString& topic) {
  action.setShortcut(QKeySequence::HelpContents);
  QObject::connect(&action, &QAction::triggered, &action, [topic] {
    ShowHelpTopic(ProgramHelpFile(), QLatin1String(HelpWindowName), topic);
  });
}

void SetHelpViewer(std::function<void(const THelpRequest&)> viewer) {
  Viewer() = std::move(viewer);
}

void SetHelpRequestHandler(std::function<void(const THelpRequest&)> handler) {
  RequestHandler() = std::move(handler);
}

}  // namespace logivane
