#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <type_traits>
#include <vector>

namespace logivane {

/**
 * @brief What a circuit holds between two steps, written to bytes or read back from them: the
 * levels and drivers of pins, the levels and marks of wires and joints, and what each device
 * keeps (flip-flop and sequence states, memory words, latched levels). Nothing a file keeps.
 *
 * One function per class both saves and loads its fields (`TDevice::ExchangeState`), so the
 * two directions can never disagree on their order. Bytes are only ever loaded into the circuit
 * they were saved from, unchanged since; a load that runs past the end marks the archive
 * `Failed` and reads zeros rather than trusting that.
 */
class TStateArchive {
public:
  /// An archive that writes to `bytes` from the start; sized to what is saved once done, they
  /// may come sized as the last state saved, to be written without growing.
  static TStateArchive Saving(std::vector<std::byte>& bytes) {
    return TStateArchive(&bytes, nullptr, 0);
  }
  /// An archive that reads `bytes` from the start.
  static TStateArchive Loading(const std::vector<std::byte>& bytes) {
    return TStateArchive(nullptr, bytes.data(), bytes.size());
  }

  TStateArchive(const TStateArchive&) = delete;
  TStateArchive& operator=(const TStateArchive&) = delete;
  /// A saving archive leaves `bytes` holding exactly what was saved.
  ~TStateArchive() {
    if (FTarget) {
      FTarget->resize(FAt);
    }
  }

  bool IsLoading() const { return FTarget == nullptr; }

  template <class T>
  void Field(T& value) {
    Items(&value, 1);
  }

  template <class T>
  void Items(T* items, std::size_t count) {
    static_assert(std::is_trivially_copyable_v<T>);
    const std::size_t size = count * sizeof(T);
    if (size == 0) {
      return;  // an empty list may have no storage to copy from or to
    }
    if (FTarget) {
      // Grown in large strides and cut to length at the end: a state is saved field by field.
      if (FTarget->size() - FAt < size) {
        FTarget->resize(std::max(2 * FTarget->size(), FAt + size + 4096));
      }
      std::memcpy(FTarget->data() + FAt, items, size);
    } else if (size <= FSize - FAt) {
      std::memcpy(items, FSource + FAt, size);
    } else {
      std::memset(static_cast<void*>(items), 0, size);
      FFailed = true;
      return;
    }
    FAt += size;
  }

  template <class T>
  void Items(std::vector<T>& items) {
    Items(items.data(), items.size());
  }

  /// Whether a load ran out of bytes, left some unread, or met a state it cannot take.
  bool Failed() const { return FFailed || (IsLoading() && FAt != FSize); }
  /// The state being loaded does not fit what it is loaded into.
  void Fail() { FFailed = true; }

private:
  TStateArchive(std::vector<std::byte>* target, const std::byte* source, std::size_t size)
      : FTarget(target), FSource(source), FSize(size) {}

  std::vector<std::byte>* FTarget;
  const std::byte* FSource;
  std::size_t FSize;
  /// Where the next field is written or read.
  std::size_t FAt = 0;
  bool FFailed = false;
};

}  // namespace logivane
