#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

class QIODevice;

namespace logivane {

/**
 * @brief Writes recorded signals as a Value Change Dump, one simulation step per time unit.
 *
 * Signals are declared first; then each step's values are recorded and only the changes are
 * written, as waveform viewers expect.
 */
class TVcdWriter {
public:
  explicit TVcdWriter(QIODevice& stream);

  /// Declares a signal of `width` bits (1 to 32); its name is made safe for the format.
  void AddSignal(const QString& name, int width);
  /// Writes the header and the declarations; call once, after the last `AddSignal`.
  void WriteHeader();
  /// Records the values at `step`, one per signal in declaration order, least significant bit
  /// first in each value.
  void Record(std::int64_t step, const std::vector<std::uint32_t>& values);

private:
  struct TSignal {
    QByteArray Name;
    QByteArray Code;
    int Width = 1;
    std::uint32_t Value = 0;
    bool Dumped = false;
  };

  void WriteValue(const TSignal& signal);

  QIODevice& FStream;
  std::vector<TSignal> FSignals;
};

}  // namespace logivane
