// The Template Editor's file commands: a new symbol, and symbols read from and written to
// template files in the templates folder.
#include "editor/CLogivaneHandle.h"
#include "editor/CircuitDocument.h"
#include "editor/LogivaneDrawing.h"
#include "editor/UserMessages.h"
#include "editor/WaitCursor.h"
#include "simulation/cMacro.h"
#include "simulation/cTagDevice.h"
#include "windows/TemplateForm.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>

namespace logivane {

namespace {

QString TemplateFilter() {
  return TTemplateForm::tr("Template Files (*.lvt)");
}

/// Shows the model's read and write errors in the usual error box, over the editor.
class TBoxMessages : public TMessageSink {
public:
  explicit TBoxMessages(QWidget* parent) : FParent(parent) {}
  void ShowError(const QString& text) override {
    UserMessages::Show(FParent, QMessageBox::Critical, text);
  }

private:
  QWidget* FParent;
};

}  // namespace

QString OpenTemplateDialog(QWidget* parent, const QString& folder) {
  return QFileDialog::getOpenFileName(parent, TTemplateForm::tr("Open Template"), folder,
                                      TemplateFilter());
}

QString SaveTemplateDialog(QWidget* parent, const QString& folder) {
  QFileDialog dialog(parent, TTemplateForm::tr("Save Template"), folder, TemplateFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("lvt"));
  dialog.selectFile(QStringLiteral("Template"));
  return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

bool TTemplateForm::QuerySave() {
  if (!FDrawing->Document().Modified()) {
    return true;
  }
  switch (UserMessages::Ask(this, tr("Template has changed, save current drawing?"),
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
      SaveClick();
      // A save that did not happen leaves the template changed: ask no more, but keep it.
      return !FDrawing->Document().Modified();
    case QMessageBox::No:
      return true;
    default:
      return false;
  }
}

void TTemplateForm::RemoveAssociations() {
  TMacro& circuit = Circuit();
  for (int i = 0; i < circuit.Tags().Count(); ++i) {
    TTagDevice* tag = circuit.Tag(i);
    tag->LinkPin->Unlink();
    tag->SetNumber(-1);
  }
}

void TTemplateForm::NewClick() {
  if (!QuerySave()) {
    return;
  }
  RemoveAssociations();
  FDrawing->Handles().Deselect();
  Circuit().Objects().Clear();
  Circuit().Pins().Clear();
  FDrawing->InvalidateAll();
  FDrawing->SetModified(false);
  MainCircuitChanged();
  ResetTool();
}

QString TTemplateForm::InTemplateFolder(const std::function<QString()>& command) const {
  const QString previous = QDir::currentPath();
  QDir::setCurrent(QDir(StartFolder).filePath(QStringLiteral("Templates")));
  const QString result = command();
  QDir::setCurrent(previous);
  return result;
}

void TTemplateForm::OpenClick() {
  if (!QuerySave()) {
    return;
  }
  const QString fileName =
      InTemplateFolder([this] { return ChooseOpenFile(this, QDir::currentPath()); });
  if (!fileName.isEmpty()) {
    OpenTemplate(fileName);
  }
  Action("TogglePins")->setChecked(true);
  Circuit().PinsVisible = true;
  FDrawing->InvalidateAll();
}

bool TTemplateForm::OpenTemplate(const QString& fileName) {
  FDrawing->Handles().Deselect();
  bool read = false;
  {
    TBoxMessages messages(this);
    TWaitCursor wait;
    read = Circuit().LoadTemplate(fileName, messages);
  }
  if (!read) {
    return false;  // the symbol and its links stay as they were
  }
  RemoveAssociations();
  ColourPins();
  FDrawing->InvalidateAll();
  FDrawing->SetModified(false);
  MainCircuitChanged();
  return true;
}

void TTemplateForm::SaveClick() {
  const QString fileName =
      InTemplateFolder([this] { return ChooseSaveFile(this, QDir::currentPath()); });
  if (fileName.isEmpty()) {
    return;
  }
  TBoxMessages messages(this);
  TWaitCursor wait;
  if (Circuit().SaveTemplate(fileName, messages)) {
    FDrawing->SetModified(false);
  }
}

}  // namespace logivane
