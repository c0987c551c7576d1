#pragma once

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
  /// An archive that appends to `bytes`.
  static TStateArchive Saving(std::vector<std::byte>& bytes) {
    return TStateArchive(&bytes, nullptr, 0);
  }
  /// An archive that reads `bytes` from the start.
  static TStateArchive Loading(const std::vector<std::byte>& bytes) {
    return TStateArchive(nullptr, bytes.data(), bytes.size());
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
    if (FTarget) {
      const auto* bytes = reinterpret_cast<const std::byte*>(items);
      FTarget->insert(FTarget->end(), bytes, bytes + size);
    } else if (size <= FSize - FReadAt) {
      std::memcpy(items, FSource + FReadAt, size);
      FReadAt += size;
    } else {
      std::memset(static_cast<void*>(items), 0, size);
      FFailed = true;
    }
  }

  template <class T>
  void Items(std::vector<T>& items) {
    Items(items.data(), items.size());
  }

  /// Whether a load ran out of bytes or left some unread.
  bool Failed() const { return FFailed || (IsLoading() && FReadAt != FSize); }

private:
  TStateArchive(std::vector<std::byte>* target, const std::byte* source, std::size_t size)
      : FTarget(target), FSource(source), FSize(size) {}

  std::vector<std::byte>* FTarget;
  const std::byte* FSource;
  std::size_t FSize;
  std::size_t FReadAt = 0;
  bool FFailed = false;
};

}  // namespace logivane
