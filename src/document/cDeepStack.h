#pragma once

#include <cstddef>
#include <functional>

namespace logivane {

/**
 * @brief Runs work that recurses through an object graph on a helper thread whose stack is
 * large enough for the deepest graph a stream may hold.
 *
 * Objects of a stream are written where they are first referenced, so the nesting of reading
 * and writing grows with the length of a chain of connected parts, up to the number of objects.
 * The stack is reserved address space: only the pages the recursion reaches are ever touched.
 * The calling thread waits; work that wants something done on the calling thread meanwhile
 * (progress shown by a window, say) asks for it with `Wake`.
 */
class TDeepStack {
public:
#if defined(__SANITIZE_ADDRESS__)
  /// AddressSanitizer cannot clean up after an exception thrown more than 64 MB down a stack
  /// (its frames are also several times larger), so under it the whole stack stays below that
  /// and the nesting it takes is smaller.
  static constexpr int MaxLevels = 44 * 1024;
  static constexpr std::size_t BytesPerLevel = 1408;
#else
  /// Deepest recursion through objects that the stack is sized for.
  static constexpr int MaxLevels = 1 << 20;
  /// Stack each level of that recursion may take, with room to spare; frames are larger
  /// without optimisation.
#if defined(__OPTIMIZE__)
  static constexpr std::size_t BytesPerLevel = 1024;
#else
  static constexpr std::size_t BytesPerLevel = 2048;
#endif
#endif
  /// Stack kept free below the deepest level, for the calls a single level makes.
  static constexpr std::size_t Reserve = std::size_t(2) << 20;

  /// Runs `work` on a deep stack and waits for it; an exception it throws is rethrown here.
  /// `onWake` runs on this thread after each `Wake` from the work, and once when it ends.
  static void Run(const std::function<void()>& work, const std::function<void()>& onWake = {});
  /// True on a thread started by `Run`.
  static bool Active();
  /// Bytes of stack left below the caller on a thread started by `Run`.
  static std::size_t Left();
  /// From inside the work: has the waiting thread run its `onWake` soon.
  static void Wake();
};

}  // namespace logivane
