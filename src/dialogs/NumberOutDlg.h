#pragma once

#include "simulation/cOutput.h"

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class TNumberOutDialog;
}

namespace logivane {

/// What the numeric output dialog edits: a numeric display's fields of the same names.
struct TNumberOutValues {
  /// One of the binary, decimal and hexadecimal flags, two's complement only with decimal, and
  /// the flag that dims leading zeros.
  std::int32_t Format = TNumericDevice::FormatBinary | TNumericDevice::FormatSuppressZeros;
  /// 2, 4, 8 or 16 input lines.
  int PinCount = 4;
  bool PinsAtBottom = false;

  bool operator==(const TNumberOutValues&) const = default;
};

/// The values of `display`, and the values put back into it. The line count is set apart, with
/// `SetPinCount`, because an existing display keeps its lines.
TNumberOutValues NumberOutValues(const TNumericDevice& display);
void ApplyNumberOutValues(const TNumberOutValues& values, TNumericDevice& display);

/**
 * @brief The "Numeric Output" dialog: base, look and, for a new display, the number of input
 * lines, with an example of the display showing all its inputs high.
 */
class TNumberOutDialog : public QDialog {
  Q_OBJECT
public:
  explicit TNumberOutDialog(QWidget* parent = nullptr);
  ~TNumberOutDialog() override;

  void SetValues(const TNumberOutValues& values);
  TNumberOutValues Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the controls back and returns
  /// true, on Cancel leaves `values` alone and returns false.
  bool Edit(TNumberOutValues& values);
  /// Offers the choice of line count (for a new display) or hides it (for an existing one).
  void ShowSizeGroup(bool show);

  /// The display shown as the example.
  const TNumericDevice& Example() const;

private:
  void UpdateControls();

  std::unique_ptr<Ui::TNumberOutDialog> FUi;
};

}  // namespace logivane
