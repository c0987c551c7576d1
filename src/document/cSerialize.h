#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace logivane {

class TSerializeReader;
class TSerializeWriter;

/// Declares the persistent class name that streams write for a class, and its virtual accessor.
/// The name is an inline array, one object for the whole program, so its address identifies the
/// class and the writer and reader compare class names by address.
#define LV_PERSISTENT(ClassT)                        \
public:                                              \
  static constexpr char StaticClassName[] = #ClassT; \
  const char* ClassName() const override {           \
    return StaticClassName;                          \
  }

/**
 * @brief Counts every change to the members of any list and to the vertices of any shape, so
 * that a view can keep what it worked out about a drawing (where each object lies) for as long
 * as the count stays where it was.
 */
class TDrawingChanges {
public:
  static void Note() { FCount.fetch_add(1, std::memory_order_relaxed); }
  static std::uint64_t Now() { return FCount.load(std::memory_order_relaxed); }

private:
  static inline std::atomic<std::uint64_t> FCount{0};
};

/**
 * @brief Root of everything that can be written to and read from a stream.
 *
 * `Written` and `StreamIndex` belong to the writer that is writing the object; the reader keeps
 * its own bookkeeping in `StreamIndex` and `Streamed` while it builds a graph.
 */
class TSerialize {
public:
  TSerialize() = default;
  TSerialize(const TSerialize&) = delete;
  TSerialize& operator=(const TSerialize&) = delete;
  virtual ~TSerialize() = default;

  virtual const char* ClassName() const = 0;
  /// Copies the state of another object of the same class; only points implement it.
  virtual void Assign(const TSerialize& source);
  virtual void Write(TSerializeWriter& writer) const = 0;
  virtual void Read(TSerializeReader& reader) = 0;

  /// Called on every object that a failed read created: let go of owned children and cross
  /// references without touching them, because the reader destroys each of those itself.
  /// Children that did not come from the stream are destroyed here.
  virtual void AbandonLinks() {}
  /// True when the cross references that destructors unhook point back at this object, so that
  /// tearing the graph down later cannot reach a destroyed object.
  virtual bool ReferencesConsistent() const { return true; }

  mutable bool Written = false;
  mutable std::int32_t StreamIndex = 0;
  /// Set by the reader on every object it creates, and on a list it reads in place.
  bool Streamed = false;
};

/// Releases an owned child during `AbandonLinks`: a child that came from the stream is only
/// forgotten, a default child built by a constructor is destroyed.
template <class T>
void AbandonOwned(std::unique_ptr<T>& child) {
  if (child && child->Streamed) {
    (void)child.release();
  } else {
    child.reset();
  }
}

/**
 * @brief An owning, ordered, persistent list of objects.
 *
 * Lists that only refer to objects owned elsewhere (selections) must be emptied with
 * `DetachAll` before they are destroyed.
 */
class TSerializeList final : public TSerialize {
  LV_PERSISTENT(TSerializeList)
public:
  TSerializeList() = default;
  ~TSerializeList() override { Clear(); }

  int Count() const { return static_cast<int>(FItems.size()); }
  TSerialize* Items(int index) const { return FItems[static_cast<std::size_t>(index)]; }
  template <class T>
  T* ItemAs(int index) const {
    return static_cast<T*>(Items(index));
  }
  int IndexOf(const TSerialize* object) const;

  /// Takes ownership of `object` and returns its index.
  int Add(TSerialize* object);
  template <class T>
  T* Add(std::unique_ptr<T> object) {
    T* raw = object.release();
    Add(raw);
    return raw;
  }
  void Insert(int index, TSerialize* object);
  /// Takes `object` out of the list without destroying it.
  void Remove(const TSerialize* object);
  /// Drops empty slots.
  void Pack();
  /// Destroys every element, then empties the list.
  void Clear();
  /// Empties the list without destroying the elements.
  void DetachAll() {
    FItems.clear();
    TDrawingChanges::Note();
  }
  /// Exchanges the elements of the two lists.
  void Swap(TSerializeList& other) {
    FItems.swap(other.FItems);
    TDrawingChanges::Note();
  }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

  void Write(TSerializeWriter& writer) const override;
  void Read(TSerializeReader& reader) override;
  void AbandonLinks() override { DetachAll(); }

private:
  std::vector<TSerialize*> FItems;
};

/**
 * @brief The process-wide table from persistent class name to factory.
 *
 * Each unit registers its own classes with `LV_REGISTER_CLASS`; only registered names can be
 * read from a stream.
 */
class TClassRegistry {
public:
  using Factory = TSerialize* (*)();

  static bool Register(const char* name, Factory factory);
  /// The factory for `name`, or null when no class of that name is registered.
  static Factory Find(const char* name, std::size_t length);
  /// Every registered class name, sorted.
  static std::vector<std::string_view> Names();
};

#define LV_REGISTER_CLASS(ClassT)                                                        \
  namespace {                                                                            \
  [[maybe_unused]] const bool registered##ClassT = ::logivane::TClassRegistry::Register( \
      ClassT::StaticClassName, []() -> ::logivane::TSerialize* { return new ClassT; });  \
  }

}  // namespace logivane
