#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class QIODevice;

namespace logivane {

/**
 * @brief Writes recorded signals as WaveDrom JSON, one wave column per simulation step.
 *
 * A signal of one bit is written as levels "0" and "1"; a wider one as a bus, "=" with its
 * value in hexadecimal in "data". A column that repeats the one before is ".", so that a long
 * level is drawn as one stretch. Each wave is a single string of the document, so the columns
 * are kept until `Write`.
 */
class TWaveDromWriter {
public:
  /// Declares a signal of `width` bits (1 to 32), named as given.
  void AddSignal(const QString& name, int width);
  /// Records one step's values, one per signal in declaration order, least significant bit
  /// first in each value.
  void Record(const std::vector<std::uint32_t>& values);
  /// Writes the document: one line per signal, in declaration order.
  void Write(QIODevice& stream) const;

private:
  struct TSignal {
    QString Name;
    int Width = 1;
    QByteArray Wave;
    QStringList Data;
    std::uint32_t Value = 0;
  };

  std::vector<TSignal> FSignals;
};

}  // namespace logivane
