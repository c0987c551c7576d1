#pragma once

#include <QDialog>

#include <cstdint>
#include <memory>

namespace Ui {
class TChangeMemoryDialog;
}

namespace logivane {

class TMemoryDevice;

/// The type and size of a memory device to place.
struct TMemorySize {
  bool IsRAM = true;
  /// 4 to 14 lines.
  std::int32_t AddressWidth = 8;
  /// 1, 2, 4, 8 or 16 lines.
  std::int32_t DataWidth = 8;

  bool operator==(const TMemorySize&) const = default;
};

/**
 * @brief The "Select Memory Device" dialog: RAM or ROM, address and data lines, and a live
 * example of the symbol that the choice gives.
 *
 * The data box steps through the powers of two; sizes outside the boxes' ranges come back
 * clamped into them.
 */
class TChangeMemoryDialog : public QDialog {
  Q_OBJECT
public:
  explicit TChangeMemoryDialog(QWidget* parent = nullptr);
  ~TChangeMemoryDialog() override;

  void SetValues(const TMemorySize& values);
  TMemorySize Values() const;
  /// Shows the dialog modally filled from `values`; on OK copies the controls back and returns
  /// true, on Cancel leaves `values` alone and returns false.
  bool Edit(TMemorySize& values);
  /// The memory that the example box shows, built with the current choice.
  const TMemoryDevice& ExampleDevice() const { return *FExampleDevice; }

protected:
  /// Paints the example box.
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void RebuildExample();

  std::unique_ptr<Ui::TChangeMemoryDialog> FUi;
  std::unique_ptr<TMemoryDevice> FExampleDevice;
};

}  // namespace logivane
