#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class TGridSetupDialog;
}

namespace logivane {

class TGrid;

/// What the grid dialog edits: the drawing grid's fields of the same names.
struct TGridSettings {
  bool SnapToGrid = false;
  bool ShowGrid = false;
  /// Degrees, 5 to 90 in steps of 5.
  std::int32_t AngleStep = 10;
  /// Drawing units between grid points, 5 to 60 in steps of 5.
  std::int32_t Spacing = 5;
  /// A dot is painted every this many grid points, 1 to 5.
  std::int32_t DisplayFrequency = 1;

  bool operator==(const TGridSettings&) const = default;
};

/// The "Grid Setup" dialog. Values outside the ranges of the boxes come back clamped into them.
class TGridSetupDialog : public QDialog {
  Q_OBJECT
public:
  explicit TGridSetupDialog(QWidget* parent = nullptr);
  ~TGridSetupDialog() override;

  void SetValues(const TGridSettings& values);
  TGridSettings Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the controls back and returns
  /// true, on Cancel leaves `values` alone and returns false.
  bool Edit(TGridSettings& values);

private:
  void UpdateDisplayBox();

  std::unique_ptr<Ui::TGridSetupDialog> FUi;
};

/// Edits `grid` through the dialog; true when what changed needs a repaint (`ShowGrid`,
/// `Spacing` or `DisplayFrequency`).
bool EditGridWithDialog(TGrid& grid, QWidget* parent);

}  // namespace logivane
