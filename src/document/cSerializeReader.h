#pragma once

#include "document/Cfloat.h"
#include "document/cDeepStack.h"
#include "document/cDescriptor.h"
#include "document/cSerialize.h"
#include "document/cStreamError.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;

namespace logivane {

/**
 * @brief Reads one stream written by `TSerializeWriter` and rebuilds its object graph.
 *
 * The reader trusts nothing in the stream: every length is checked against the bytes left,
 * every reference against its expected class, nesting is bounded, and a root is only handed
 * over when each object in its graph has exactly one owner and its cross references agree.
 * On any failure the objects read so far are destroyed and the exception propagates.
 *
 * An object is stored where it is first referenced, so a long chain of connected parts nests
 * as deep as it is long. The outermost object is therefore read on a `TDeepStack` thread while
 * the caller waits; `OnProgress` still runs on the caller's thread, once for each new percentage.
 */
class TSerializeReader {
public:
  /// Takes everything from the device's current position to its end.
  explicit TSerializeReader(QIODevice& stream);
  explicit TSerializeReader(QByteArray bytes);
  TSerializeReader(const TSerializeReader&) = delete;
  TSerializeReader& operator=(const TSerializeReader&) = delete;
  ~TSerializeReader();

  std::function<void(int percent)> OnProgress;
  std::uint16_t ExpectedVersion = 0;
  std::uint8_t Revision = 0;

  std::int64_t StreamSize() const { return FData.size(); }
  std::int64_t Position() const { return FPosition; }

  std::int32_t ReadInteger();
  QString ReadString();
  bool ReadBoolean();
  void ReadListBegin();
  void ReadListEnd();
  bool EndOfList();
  float ReadFloat();

  /// Throws `EInvalidFileType` when the header's version is not `ExpectedVersion`.
  void ReadHeader();
  void ReadDescriptors();
  bool GetStringDescriptor(std::int32_t id, QString& text) const;
  bool GetIntegerDescriptor(std::int32_t id, std::int32_t& value) const;

  /// Reads the top object of a graph and hands it over once the graph proved sound.
  template <class T>
  std::unique_ptr<T> ReadRoot();

  /// Reads a field that owns its object; the object must be present and of class `T`. Store
  /// the result in the owning field at once: should the read fail later, the reader destroys it.
  template <class T>
  T* ReadOwned(const TSerialize& owner);

  /// Reads a field that only refers to an object owned elsewhere; none is allowed.
  template <class T>
  T* ReadReference();

  /// Reads what `TSerializeWriter::WritePointList` wrote into `points`, owned by `owner`. The
  /// list and its points are numbered and checked as objects, so the rest of the stream reads
  /// as if they were, but nothing may refer to them.
  void ReadPointList(const TSerialize& owner, TVertexList& points);
  /// Reads an owned list that its owner keeps by value into `list`, which must be empty. Like
  /// the point list it is numbered and checked as an object that nothing may refer to; its
  /// elements are objects as usual. Marks `list` as `Streamed`.
  void ReadListInPlace(TSerializeList& list, const TSerialize& owner);

  /// The deepest nesting met while reading the last outermost object, and the stack that
  /// nesting took on the reading thread.
  int DeepestNesting() const { return FDeepest; }
  std::size_t StackUsed() const { return FStackAtStart - FLeastStackLeft; }

  /// Deeper nesting of objects than this is refused as a read error.
  static constexpr int MaxNesting = TDeepStack::MaxLevels;
  /// Longer chains of owners than this are refused too: destroying, drawing and running a
  /// circuit descend through what owns what.
  static constexpr int MaxOwnership = 2000;

private:
  TSerialize* ReadObject();
  TSerialize* ReadObjectOnDeepStack();
  TSerialize* ReadTaggedObject(std::int32_t tag);
  TClassRegistry::Factory ReadClass(std::int32_t tag);
  /// Reads the tag of an object kept by value, which can only be a new object of that class.
  void ReadValueObjectTag(TClassRegistry::Factory expected);
  void NoteNesting();
  /// Numbers an object kept by value, owned by the object numbered `owner`.
  std::int32_t AddValueObject(std::int32_t owner);
  void Adopt(const TSerialize& child, const TSerialize* owner);
  void CheckGraph(std::size_t first) const;
  void DestroyFrom(std::size_t first) noexcept;
  void ReportProgress();
  std::uint8_t ReadType();
  std::uint8_t PeekType();
  void Take(void* data, std::int64_t size);
  void Need(std::int64_t size) const;

  template <class T>
  static T* Checked(TSerialize* object);

  static constexpr std::int32_t NoOwner = -1;
  static constexpr std::int32_t OutsideOwner = -2;

  QByteArray FData;
  std::int64_t FPosition = 0;
  int FNesting = 0;
  bool FHopped = false;           // reading on a deep stack the caller waits for
  int FLastPercent = -1;          // last percentage reported from the reading thread
  std::atomic<int> FPercent{-1};  // ...and handed to the caller's thread
  int FShownPercent = -1;         // last percentage given to OnProgress there
  int FDeepest = 0;
  std::size_t FStackAtStart = 0;
  std::size_t FLeastStackLeft = 0;
  std::vector<TSerialize*> FReadObjects;  // null for the objects kept by value
  std::vector<std::int32_t> FOwners;      // per read object: the ordinal of its owner
  std::vector<TClassRegistry::Factory> FClassFactories;
  TClassRegistry::Factory FListFactory;
  TClassRegistry::Factory FPointFactory;
  std::vector<TDescriptor> FDescriptors;
};

template <class T>
T* TSerializeReader::Checked(TSerialize* object) {
  if constexpr (std::is_same_v<T, TSerialize>) {
    return object;
  } else {
    T* typed = dynamic_cast<T*>(object);
    if (object && !typed) {
      throw EReadError::InvalidValue();
    }
    return typed;
  }
}

template <class T>
std::unique_ptr<T> TSerializeReader::ReadRoot() {
  const std::size_t first = FReadObjects.size();
  try {
    T* root = Checked<T>(ReadObject());
    if (!root) {
      throw EReadError::InvalidValue();
    }
    Adopt(*root, nullptr);
    CheckGraph(first);
    return std::unique_ptr<T>(root);
  } catch (...) {
    DestroyFrom(first);
    throw;
  }
}

template <class T>
T* TSerializeReader::ReadOwned(const TSerialize& owner) {
  T* child = Checked<T>(ReadObject());
  if (!child) {
    throw EReadError::InvalidValue();
  }
  Adopt(*child, &owner);
  return child;
}

template <class T>
T* TSerializeReader::ReadReference() {
  return Checked<T>(ReadObject());
}

}  // namespace logivane
