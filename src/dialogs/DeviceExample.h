#pragma once

#include <QWidget>

#include <memory>

namespace logivane {

class TDevice;

/**
 * @brief A box that shows one device centred on a white ground, as a dialog's live example.
 *
 * The user operates an interactive device with the mouse as in a running circuit: a press on
 * the box presses the device and a release releases it.
 */
class TDeviceExample : public QWidget {
  Q_OBJECT
public:
  explicit TDeviceExample(QWidget* parent = nullptr);
  ~TDeviceExample() override;

  TDevice* Device() const { return FDevice.get(); }
  /// Shows `device` from now on, in place of the one before.
  void SetDevice(std::unique_ptr<TDevice> device);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  std::unique_ptr<TDevice> FDevice;
};

}  // namespace logivane
