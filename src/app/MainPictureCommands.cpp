// Export Picture: the level shown, or the selection, as a PNG, SVG or PDF file.
#include "app/MainUnit.h"
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "editor/PictureExport.h"
#include "editor/UserMessages.h"
#include "simulation/cMacro.h"

#include <QFileInfo>

namespace logivane {

void TMainForm::ExportPictureClick() {
  const QString fileName = ChooseFile(ChoosePictureFile);
  if (fileName.isEmpty()) {
    return;
  }
  TExportPictureValues values = FPictureValues;
  TExportPictureDialog dialog(this);
  if (!dialog.Edit(values)) {
    return;
  }
  FPictureValues = values;
  ExportPicture(fileName, values);
}

bool TMainForm::ExportPicture(const QString& fileName, const TExportPictureValues& values) {
  std::vector<TGraphicObject*> objects = FDrawing->Handles().Items();
  TRect bounds;
  if (objects.empty()) {
    objects = {&FDrawing->Circuit()};
    bounds = FDrawing->Circuit().GetBounds();
  } else {
    bounds = FDrawing->Handles().Item()->GetBounds();
  }
  if (bounds.IsEmpty()) {
    UserMessages::Show(this, QMessageBox::Information, tr("There is nothing to picture."));
    return false;
  }
  TFaultMarks marks = FDrawing->FaultMarks();
  if (objects.front() != &FDrawing->Circuit()) {
    marks.KeepOnly(objects);  // a picture of the selection shows only its own marks
  }
  const QString error = logivane::ExportPicture(
      fileName, objects, bounds, {values.ScalePercent / 100.0, values.Transparent, &marks});
  if (!error.isEmpty()) {
    UserMessages::Show(
        this, QMessageBox::Critical,
        tr("Unable to write the picture %1.").arg(QFileInfo(fileName).fileName()) + "\n" + error);
    return false;
  }
  return true;
}

}  // namespace logivane
