#include "app/MainUnit.h"

#include <QPalette>
#include <QScrollArea>
#include <QWidget>

namespace logivane {

namespace {

/// The drawing's default extent in drawing units until the drawing surface sizes itself.
constexpr QSize DrawingExtent(2000, 2000);

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Logivane - Untitled"));

  auto* drawing = new QWidget;
  drawing->setObjectName(QStringLiteral("Drawing"));
  drawing->setFixedSize(DrawingExtent);
  drawing->setAutoFillBackground(true);
  QPalette palette = drawing->palette();
  palette.setColor(QPalette::Window, Qt::white);
  drawing->setPalette(palette);

  auto* scroller = new QScrollArea;
  scroller->setObjectName(QStringLiteral("DrawingScroller"));
  scroller->setWidget(drawing);
  setCentralWidget(scroller);
  resize(800, 600);
}

}  // namespace logivane
