#pragma once

#include "dialogs/HelpTopics.h"

#include <QMainWindow>
#include <QTextBrowser>

#include <functional>
#include <memory>

class QAction;
class QDialog;
class QTreeWidget;
class QTreeWidgetItem;

namespace logivane {

class THelpFile;

/// The page area of the help window: it reads pages and pictures from the open help file.
class THelpBrowser : public QTextBrowser {
  Q_OBJECT
public:
  explicit THelpBrowser(QWidget* parent = nullptr);
  void SetHelpFile(const THelpFile* file) { FFile = file; }
  QVariant loadResource(int type, const QUrl& name) override;

private:
  const THelpFile* FFile = nullptr;
};

/**
 * @brief The help viewer: the pages of a compiled help file with its table of contents on the
 * left, links between the pages, and Back and Forward.
 *
 * The program has one, created when help is first asked for; a missing or unreadable help
 * file and an unknown topic are reported and leave the window as it was.
 */
class THelpWindow : public QMainWindow {
  Q_OBJECT
public:
  explicit THelpWindow(QWidget* parent = nullptr);
  ~THelpWindow() override;

  /// The window that the program's help requests go to.
  static THelpWindow& Shared();
  /// Makes `Shared` the viewer of the program's help requests.
  static void BecomeHelpViewer();

  /// Shows `topic` (the default topic when empty) of the help file that `address` names;
  /// false, after a message, when the file or the topic cannot be shown.
  bool ShowTopic(const QString& address, const QString& topic);
  /// The help file shown, with the window name it was asked for.
  QString Address() const;
  /// The page shown, as the archive's path.
  QString CurrentTopic() const;
  THelpBrowser& Browser() const { return *FBrowser; }
  QTreeWidget& ContentsTree() const { return *FContents; }

private:
  /// Makes `file` the help file shown; its contents fill the tree.
  void SetHelpFile(std::unique_ptr<THelpFile> file);
  void ShowPage(const QUrl& url);
  /// Keeps the window usable while the modal `dialog` (if any) is open.
  void StayUsableBeside(QDialog* dialog);
  void PageChanged(const QUrl& page);
  void LinkClicked(const QUrl& url);

  std::unique_ptr<THelpFile> FFile;
  QString FWindowName;
  THelpBrowser* FBrowser;
  QTreeWidget* FContents;
};

}  // namespace logivane
