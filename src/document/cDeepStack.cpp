#include "document/cDeepStack.h"

#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <stdexcept>

namespace logivane {

namespace {

/// What the waiting thread and the work share.
struct TDeepRun {
  const std::function<void()>* Work = nullptr;
  std::exception_ptr Failure;
  std::mutex Lock;
  std::condition_variable Signal;
  bool Woken = false;
  bool Done = false;
};

thread_local TDeepRun* CurrentRun = nullptr;
thread_local const char* StackLimit = nullptr;  // lowest usable address of this thread's stack

void* RunWork(void* argument) {
  auto* run = static_cast<TDeepRun*>(argument);
  pthread_attr_t attributes;
  void* base = nullptr;
  std::size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attributes) == 0) {
    pthread_attr_getstack(&attributes, &base, &size);
    pthread_attr_destroy(&attributes);
  }
  StackLimit = static_cast<const char*>(base) + sysconf(_SC_PAGESIZE);
  CurrentRun = run;
  try {
    (*run->Work)();
  } catch (...) {
    run->Failure = std::current_exception();
  }
  CurrentRun = nullptr;
  {
    std::lock_guard<std::mutex> lock(run->Lock);
    run->Done = true;
  }
  run->Signal.notify_one();
  return nullptr;
}

/// The stack's address space, reserved without committing memory; a guard page at the bottom.
class TStackMapping {
public:
  TStackMapping() {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::size_t size = TDeepStack::MaxLevels * TDeepStack::BytesPerLevel + TDeepStack::Reserve;
    size = (size + page - 1) / page * page;
    // Where address space is scarce take less; the reader's check of the stack left still
    // refuses what does not fit.
    for (; size >= (std::size_t(16) << 20); size /= 2) {
      void* memory = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
      if (memory != MAP_FAILED) {
        FBase = memory;
        FSize = size;
        mprotect(FBase, page, PROT_NONE);
        return;
      }
    }
    throw std::runtime_error("No address space for a reading stack");
  }
  TStackMapping(const TStackMapping&) = delete;
  TStackMapping& operator=(const TStackMapping&) = delete;
  ~TStackMapping() { munmap(FBase, FSize); }

  /// Hands back to the system the pages below the top `Kept` bytes, which only a rare deep graph
  /// reaches.
  void Trim() {
    if (FSize > Kept) {
      madvise(FBase, FSize - Kept, MADV_DONTNEED);
    }
  }
  static constexpr std::size_t Kept = std::size_t(16) << 20;

  void* Base() const { return FBase; }
  std::size_t Size() const { return FSize; }

private:
  void* FBase = nullptr;
  std::size_t FSize = 0;
};

/// The stack that the last run left, kept with the pages it touched so that the next run finds
/// them ready: a fresh mapping costs a page fault for every page the recursion reaches.
class TStackCache {
public:
  std::unique_ptr<TStackMapping> Take() {
    std::lock_guard<std::mutex> lock(FLock);
    return FSpare ? std::move(FSpare) : std::make_unique<TStackMapping>();
  }
  void Give(std::unique_ptr<TStackMapping> stack) {
    stack->Trim();
    std::lock_guard<std::mutex> lock(FLock);
    if (!FSpare) {
      FSpare = std::move(stack);
    }
  }

private:
  std::mutex FLock;
  std::unique_ptr<TStackMapping> FSpare;
};

TStackCache& Cache() {
  static TStackCache cache;
  return cache;
}

}  // namespace

void TDeepStack::Run(const std::function<void()>& work, const std::function<void()>& onWake) {
  std::unique_ptr<TStackMapping> owned = Cache().Take();
  TStackMapping& stack = *owned;
  TDeepRun run;
  run.Work = &work;

  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstack(&attributes, stack.Base(), stack.Size());
  pthread_t thread;
  const int created = pthread_create(&thread, &attributes, RunWork, &run);
  pthread_attr_destroy(&attributes);
  if (created != 0) {
    throw std::runtime_error("Cannot start a reading thread");
  }

  std::unique_lock<std::mutex> lock(run.Lock);
  while (!run.Done) {
    run.Signal.wait(lock, [&run] { return run.Woken || run.Done; });
    if (run.Woken && !run.Done) {
      run.Woken = false;
      lock.unlock();
      if (onWake) {
        onWake();
      }
      lock.lock();
    }
  }
  lock.unlock();
  pthread_join(thread, nullptr);
  if (onWake) {
    onWake();
  }
  Cache().Give(std::move(owned));
  if (run.Failure) {
    std::rethrow_exception(run.Failure);
  }
}

bool TDeepStack::Active() {
  return CurrentRun != nullptr;
}

std::size_t TDeepStack::Left() {
  const auto* frame = static_cast<const char*>(__builtin_frame_address(0));
  return frame > StackLimit ? static_cast<std::size_t>(frame - StackLimit) : 0;
}

void TDeepStack::Wake() {
  TDeepRun* run = CurrentRun;
  if (!run) {
    return;
  }
  {
    std::lock_guard<std::mutex> lock(run->Lock);
    run->Woken = true;
  }
  run->Signal.notify_one();
}

}  // namespace logivane
