#pragma once

#include <QMainWindow>

class QScrollArea;
class QTimer;

namespace logivane {

class TLogivaneDrawing;

/**
 * @brief The main window: the drawing in its scroll box, with a small tool bar for the file,
 * the editing modes and the clock.
 */
class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  explicit TMainForm(QWidget* parent = nullptr);

  TLogivaneDrawing& Drawing() const { return *FDrawing; }
  /// Opens `fileName` as the document; a failure keeps the circuit that was open.
  bool OpenFile(const QString& fileName);

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  void CreateActions();
  /// The keys the window handles itself; true when `event` was one of them.
  bool HandleKey(const QKeyEvent& event);
  void UpdateCaption();
  void OpenClick();
  void SaveClick();
  void RunCircuit();
  /// Asks to save a changed circuit; false when the user cancels.
  bool QuerySave();
  /// Puts the window, the grid and the clock where the last run left them.
  void LoadSettings();
  void SaveSettings();

  QScrollArea* FScroller = nullptr;
  TLogivaneDrawing* FDrawing = nullptr;
  QTimer* FClock = nullptr;
  bool FSettingsLoaded = false;
};

}  // namespace logivane
