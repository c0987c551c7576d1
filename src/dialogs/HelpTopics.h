#pragma once

#include <QString>

#include <functional>

class QAction;

namespace logivane {

/// The program's help file: "Logivane.chm" in the folder of the executable, else in the
/// installed data folder, where a package puts it.
QString ProgramHelpFile();
/// The name of the help window in which every topic is shown.
inline constexpr const char* HelpWindowName = "PopWindow";

/// A request to the help viewer: the help file followed by ">" and the window name, and the
/// topic to show, empty for the file's default topic.
struct THelpRequest {
  QString Address;
  QString Topic;
};

/// Shows `topic` of `helpFile` in the help window `windowName`.
void ShowHelpTopic(const QString& helpFile, const QString& windowName, const QString& topic);
/// Shows the default topic of `helpFile` with its contents.
void ShowHelpContents(const QString& helpFile);
/// Makes `action` (a window's "Help Topics..." command, also given by F1) show `topic` of the
/// program's help file.
void ConnectHelpTopic(QAction& action, const QString& topic);
/// Names the viewer that shows the program's help. The windows that ask for help sit below the
/// viewer, so the viewer is handed down to them rather than known by them.
void SetHelpViewer(std::function<void(const THelpRequest&)> viewer);
/// Replaces the help viewer by `handler`, so that tests see the requests; an empty one brings
/// the viewer back.
void SetHelpRequestHandler(std::function<void(const THelpRequest&)> handler);

}  // namespace logivane
