#pragma once

#include <QMainWindow>

namespace logivane {

/// The main window: for now a titled frame around an empty, scrolling drawing area.
class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  explicit TMainForm(QWidget* parent = nullptr);
};

}  // namespace logivane
