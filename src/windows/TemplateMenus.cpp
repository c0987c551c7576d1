// The Template Editor's actions, menus, tool bar and pop-up menu. Every action carries the name
// by which the commands and the tests find it.
#include "dialogs/HelpTopics.h"
#include "document/cGrid.h"
#include "editor/CLogivaneHandle.h"
#include "editor/DrawingClipboard.h"
#include "editor/LogivaneDrawing.h"
#include "windows/SchemedIcon.h"
#include "windows/TemplateForm.h"

#include <QActionGroup>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>

namespace logivane {

namespace {

QIcon FileIcon(const char* name) {
  return SchemedIcon(QLatin1String(name));
}

/// The shape tools have no pictures among the resources; they are drawn here.
QIcon ShapeIcon(const QPainterPath& path, bool filled) {
  QPixmap pixmap(48, 48);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(2, 2);
  painter.setPen(QPen(Qt::black, 1.5));
  painter.setBrush(filled ? QBrush(QColor(255, 255, 160)) : Qt::NoBrush);
  painter.drawPath(path);
  return SchemedIcon(QIcon(pixmap));
}

QPainterPath PinPath() {
  QPainterPath path;
  path.addRect(7, 7, 10, 10);
  path.moveTo(2, 12);
  path.lineTo(7, 12);
  return path;
}

QPainterPath CirclePath() {
  QPainterPath path;
  path.addEllipse(QPointF(12, 12), 8, 8);
  return path;
}

QPainterPath PolygonPath() {
  QPainterPath path;
  path.addPolygon(QPolygonF({{3, 20}, {8, 4}, {21, 8}, {18, 20}, {3, 20}}));
  return path;
}

QPainterPath PolylinePath() {
  QPainterPath path;
  path.addPolygon(QPolygonF({{2, 20}, {8, 5}, {15, 17}, {22, 4}}));
  return path;
}

QPainterPath TogglePinsPath() {
  QPainterPath path;
  path.addRect(7, 4, 10, 16);
  for (const int y : {8, 16}) {
    path.addRect(2, y - 2, 4, 4);
    path.addRect(18, y - 2, 4, 4);
  }
  return path;
}

}  // namespace

QAction* TTemplateForm::NewAction(const char* name, const QString& caption,
                                  const QKeySequence& key) {
  auto* action = new QAction(caption, this);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(key);
  // The shortcuts work while the drawing has the focus, menus closed.
  action->setShortcutContext(Qt::WindowShortcut);
  addAction(action);
  return action;
}

QAction* TTemplateForm::Action(const char* name) const {
  return findChild<QAction*>(QLatin1String(name));
}

void TTemplateForm::CreateMenus() {
  auto* bar = new QMenuBar(this);
  bar->setObjectName(QStringLiteral("TemplateMenu"));
  layout()->setMenuBar(bar);
  auto command = [this](const char* name, const QString& caption, auto slot,
                        const QKeySequence& key = {}) {
    QAction* action = NewAction(name, caption, key);
    connect(action, &QAction::triggered, this, slot);
    return action;
  };

  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName(QStringLiteral("TemplateFileMenu"));
  command("TemplateNew", tr("&New"), &TTemplateForm::NewClick, QKeySequence::New)
      ->setIcon(FileIcon("new"));
  command("TemplateOpen", tr("&Open..."), &TTemplateForm::OpenClick, QKeySequence::Open)
      ->setIcon(FileIcon("open"));
  command("TemplateSave", tr("&Save..."), &TTemplateForm::SaveClick, QKeySequence::Save)
      ->setIcon(FileIcon("save"));
  file->addActions({Action("TemplateNew"), Action("TemplateOpen"), Action("TemplateSave")});
  file->addSeparator();
  file->addAction(command("TemplateClose", tr("&Close"), &TTemplateForm::accept));

  QMenu* edit = bar->addMenu(tr("&Edit"));
  edit->setObjectName(QStringLiteral("TemplateEditMenu"));
  connect(edit, &QMenu::aboutToShow, this, &TTemplateForm::UpdateEditCommands);
  auto clipboard = [this, command](const char* name, const QString& caption, const char* icon,
                                   void (TDrawingClipboard::*operation)(),
                                   const QKeySequence& key) {
    QAction* action = command(
        name, caption,
        [this, operation] {
          (FDrawing->Clipboard().*operation)();
          UpdateEditCommands();
        },
        key);
    action->setIcon(FileIcon(icon));
    return action;
  };
  edit->addAction(clipboard("TemplateCut", tr("Cu&t"), "cut", &TDrawingClipboard::CutSymbol,
                            QKeySequence::Cut));
  edit->addAction(command(
      "TemplateCopy", tr("&Copy"),
      [this] {
        FDrawing->Clipboard().CopySymbol();
        UpdateEditCommands();
      },
      QKeySequence::Copy));
  Action("TemplateCopy")->setIcon(FileIcon("copy"));
  edit->addAction(clipboard("TemplatePaste", tr("&Paste"), "paste", &TDrawingClipboard::PasteSymbol,
                            QKeySequence::Paste));
  edit->addAction(
      command("TemplateDelete", tr("&Delete"), &TTemplateForm::DeleteClick, QKeySequence::Delete));
  edit->addSeparator();
  edit->addAction(command(
      "TemplateSelectAll", tr("&Select All"),
      [this] {
        FDrawing->Clipboard().SelectAllSymbol();
        ResetTool();
        UpdateEditCommands();
      },
      QKeySequence::SelectAll));

  QMenu* view = bar->addMenu(tr("&View"));
  view->setObjectName(QStringLiteral("TemplateViewMenu"));
  QAction* showGrid = command("TemplateShowGrid", tr("&Show Grid"), [this](bool on) {
    FDrawing->Grid().ShowGrid = on;
    FDrawing->InvalidateAll();
  });
  QAction* snap = command("TemplateSnapToGrid", tr("S&nap To Grid"),
                          [this](bool on) { FDrawing->Grid().SnapToGrid = on; });
  for (QAction* toggle : {showGrid, snap}) {
    toggle->setCheckable(true);
    toggle->setChecked(true);
  }
  view->addActions(
      {showGrid, snap,
       command("TemplateGridSetup", tr("&Grid Setup..."), &TTemplateForm::GridSetupClick)});

  QMenu* help = bar->addMenu(tr("&Help"));
  help->setObjectName(QStringLiteral("TemplateHelpMenu"));
  QAction* topics = NewAction("TemplateHelpTopics", tr("&Help Topics..."));
  ConnectHelpTopic(*topics, QStringLiteral("TemplateEditor.htm"));
  help->addAction(topics);
}

void TTemplateForm::CreateToolGroup() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("TemplateToolBar"));
  bar->setIconSize(QSize(24, 24));
  static_cast<QBoxLayout*>(layout())->insertWidget(0, bar);
  bar->addActions({Action("TemplateNew"), Action("TemplateOpen"), Action("TemplateSave")});
  bar->addSeparator();
  bar->addActions({Action("TemplateCut"), Action("TemplateCopy"), Action("TemplatePaste")});
  bar->addSeparator();

  FTools = new QActionGroup(this);
  FTools->setExclusive(true);
  const struct {
    const char* Name;
    QString Hint;
    QIcon Icon;
  } tools[] = {
      {"ToolSelector", tr("Object Selector"), FileIcon("pointer")},
      {"ToolPin", tr("Pin"), ShapeIcon(PinPath(), true)},
      {"ToolCircle", tr("Circle"), ShapeIcon(CirclePath(), false)},
      {"ToolAnnotation", tr("Annotation"), FileIcon("annotation")},
      {"ToolPolygon", tr("Polygon"), ShapeIcon(PolygonPath(), true)},
      {"ToolPolyline", tr("Polyline"), ShapeIcon(PolylinePath(), false)},
  };
  for (const auto& tool : tools) {
    QAction* action = NewAction(tool.Name, tool.Hint);
    action->setIcon(tool.Icon);
    action->setCheckable(true);
    FTools->addAction(action);
    const char* name = tool.Name;
    connect(action, &QAction::triggered, this, [this, name] { ChooseTool(name); });
    bar->addAction(action);
  }
  bar->addSeparator();
  QAction* pins = NewAction("TogglePins", tr("Toggle Display Pins"));
  pins->setIcon(ShapeIcon(TogglePinsPath(), true));
  pins->setCheckable(true);
  pins->setChecked(true);
  connect(pins, &QAction::triggered, this, &TTemplateForm::TogglePinsClick);
  bar->addAction(pins);
}

void TTemplateForm::CreatePopup() {
  FPopup = new QMenu(this);
  FPopup->setObjectName(QStringLiteral("TemplatePopup"));
  connect(FPopup, &QMenu::aboutToShow, this, [this] {
    UpdateEditCommands();
    Action("TemplateEditPoints")->setChecked(FDrawing->Handles().InVertexMode());
  });
  auto separator = [this](const char* name) {
    FPopup->addSeparator()->setObjectName(QLatin1String(name));
  };
  auto add = [this](const char* name, const QString& caption, auto slot) {
    QAction* action = NewAction(name, caption);
    connect(action, &QAction::triggered, this, slot);
    FPopup->addAction(action);
    return action;
  };
  FPopup->addActions({Action("TemplateCut"), Action("TemplateCopy"), Action("TemplatePaste")});
  separator("TemplateSeparator1");
  add("TemplateEditAnnotation", tr("&Edit Annotation..."), &TTemplateForm::EditAnnotationClick);
  add("TemplateAssociate", tr("&Associate With Tag"), &TTemplateForm::AssociateWithTag);
  separator("TemplateSeparator2");
  add("TemplatePenColour", tr("&Pen Colour..."), &TTemplateForm::PenColourClick);
  add("TemplateBrushColour", tr("&Brush Colour..."), &TTemplateForm::BrushColourClick);
  add("TemplateEditPoints", tr("&Edit Points"), &TTemplateForm::EditPointsClick)
      ->setCheckable(true);
  separator("TemplateSeparator3");
  add("TemplateBringToFront", tr("&Bring To Front"), &TTemplateForm::BringToFrontClick);
  add("TemplateSendToBack", tr("&Send To Back"), &TTemplateForm::SendToBackClick);
  separator("TemplateSeparator4");
  FPopup->addAction(Action("TemplateDelete"));
}

}  // namespace logivane
