// Export Picture: the level shown, or the selection, as a PNG, SVG or PDF file.
#include "app/MainUnit.h"
#include "editor/CLogivaneHandle.h"
#include "editor/LogivaneDrawing.h"
#include "editor/PictureExport.h"
#include "editor/UserMessages.h"
#include "simulation/cMacro.h"

#include <QFileInfo>

namespace logivane {

namespace {

/// What a picture shows: the selection, or else the whole level shown, with their fault marks.
struct TPictureSubject {
  std::vector<TGraphicObject*> Objects;
  TRect Bounds;
  TFaultMarks Marks;
};

TPictureSubject PictureSubject(TLogivaneDrawing& drawing) {
  TPictureSubject subject{drawing.Handles().Items(), {}, drawing.FaultMarks()};
  if (subject.Objects.empty()) {
    subject.Objects = {&drawing.Circuit()};
    subject.Bounds = drawing.Circuit().GetBounds();
  } else {
    subject.Bounds = drawing.Handles().Item()->GetBounds();
    subject.Marks.KeepOnly(subject.Objects);  // a picture of the selection shows its own marks
  }
  return subject;
}

}  // namespace

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
  const TPictureSubject subject = PictureSubject(*FDrawing);
  if (subject.Bounds.IsEmpty()) {
    UserMessages::Show(this, QMessageBox::Information, tr("There is nothing to picture."));
    return false;
  }
  const QString error =
      logivane::ExportPicture(fileName, subject.Objects, subject.Bounds,
                              {values.ScalePercent / 100.0, values.Transparent, &subject.Marks});
  if (!error.isEmpty()) {
    UserMessages::Show(
        this, QMessageBox::Critical,
        tr("Unable to write the picture %1.").arg(QFileInfo(fileName).fileName()) + "\n" + error);
    return false;
  }
  return true;
}

}  // namespace logivane
