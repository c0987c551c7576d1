#include "dialogs/DeviceExample.h"

#include "simulation/cDevice.h"

#include <QMouseEvent>
#include <QPainter>

namespace logivane {

TDeviceExample::TDeviceExample(QWidget* parent) : QWidget(parent) {
}

TDeviceExample::~TDeviceExample() = default;

void TDeviceExample::SetDevice(std::unique_ptr<TDevice> device) {
  FDevice = std::move(device);
  update();
}

void TDeviceExample::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!FDevice) {
    return;
  }
  // The device keeps its own coordinates; the painter puts its centre on the box's centre, so
  // the example stays centred whatever size the layout gives the box.
  float x;
  float y;
  FDevice->GetCentre(x, y);
  painter.translate(QPointF(width() / 2.0 - x, height() / 2.0 - y).toPoint());
  FDevice->Draw(painter);
}

void TDeviceExample::mousePressEvent(QMouseEvent* /*event*/) {
  if (FDevice && FDevice->Interactive) {
    FDevice->Press();
    update();
  }
}

void TDeviceExample::mouseReleaseEvent(QMouseEvent* /*event*/) {
  if (FDevice && FDevice->Interactive) {
    FDevice->Release();
    update();
  }
}

}  // namespace logivane
