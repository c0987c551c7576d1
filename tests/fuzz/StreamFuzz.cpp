// Fuzz entry point for the stream reader: any bytes must end in a read error or in a graph that
// writes, reads back and writes again to the same bytes, and that can then be laid out,
// hit-tested and painted like any drawing opened from a file.

#include "FuzzTargets.h"
#include "document/Cgobject.h"
#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QByteArray WriteGraph(const logivane::TSerialize& root) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    logivane::TSerializeWriter writer(buffer);
    writer.WriteObject(&root);
  }
  return bytes;
}

void Use(logivane::TGraphicObject& graphic) {
  graphic.Remap();
  (void)graphic.GetBounds();
  float x, y;
  graphic.GetCentre(x, y);
  graphic.HitTest(0, 0);
  graphic.HitTest(7, -3);
  QImage image(24, 24, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(12, 12);
  graphic.Draw(painter);
}

/// Uses the root, or each drawable of a root list, as the drawing surface would.
void UseGraph(logivane::TSerialize& root) {
  if (auto* graphic = dynamic_cast<logivane::TGraphicObject*>(&root)) {
    Use(*graphic);
  } else if (auto* list = dynamic_cast<logivane::TSerializeList*>(&root)) {
    for (logivane::TSerialize* item : *list) {
      if (auto* child = dynamic_cast<logivane::TGraphicObject*>(item)) {
        Use(*child);
      }
    }
  }
}

}  // namespace

namespace logivane::fuzz {

void FuzzStream(const std::uint8_t* data, std::size_t size) {
  std::unique_ptr<logivane::TSerialize> root;
  try {
    logivane::TSerializeReader reader(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    root = reader.ReadRoot<logivane::TSerialize>();
  } catch (const std::exception&) {
    return;
  }
  const QByteArray first = WriteGraph(*root);
  logivane::TSerializeReader again(first);
  const auto copy = again.ReadRoot<logivane::TSerialize>();
  if (WriteGraph(*copy) != first) {
    std::abort();
  }
  UseGraph(*copy);
}

}  // namespace logivane::fuzz
