#pragma once

#include "document/Cfloat.h"
#include "document/cDescriptor.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

class QIODevice;

namespace logivane {

class TSerialize;

/**
 * @brief Writes one stream of tagged values and persistent objects.
 *
 * Each object is written once; later references to it become back references. Destroying the
 * writer flushes the stream and clears the `Written` mark of every object it wrote, so the next
 * writer writes them all in full again.
 *
 * An object is written where it is first referenced, so writing nests as deep as reading will;
 * the outermost object is written on a `TDeepStack` thread, and a graph nested deeper than a
 * reader accepts is refused with `EWriteError` rather than written.
 */
class TSerializeWriter {
public:
  explicit TSerializeWriter(QIODevice& stream);
  TSerializeWriter(const TSerializeWriter&) = delete;
  TSerializeWriter& operator=(const TSerializeWriter&) = delete;
  ~TSerializeWriter();

  std::uint16_t Version = 0;
  std::uint8_t Revision = 0;

  void WriteInteger(std::int32_t value) {
    if (value >= -128 && value <= 127) {
      const std::uint8_t bytes[] = {ValueInt8, static_cast<std::uint8_t>(value)};
      WriteBytes(bytes, sizeof bytes);
    } else {
      WriteWideInteger(value);
    }
  }
  void WriteString(const QString& text);
  void WriteString(const QByteArray& bytes);
  void WriteBoolean(bool value);
  void WriteListBegin() { WriteByte(ValueListBegin); }
  void WriteListEnd() { WriteByte(ValueListEnd); }
  void WriteFloat(float value);

  void WriteHeader();
  void AddStringDescriptor(std::int32_t id, const QString& text);
  void AddIntegerDescriptor(std::int32_t id, std::int32_t value);
  void WriteDescriptors();

  void WriteObject(const TSerialize* object);
  /// Writes vertices that a shape keeps by value as the new list of new `TFloatPoint` objects
  /// they stand for in the stream: the same class tags, nesting and object numbers.
  void WritePointList(const TVertexList& points);

  /// Hands the buffered bytes to the device; throws `EWriteError` when it refuses them.
  void Flush();

  enum : std::uint8_t {
    ValueListEnd = 0,
    ValueListBegin = 1,
    ValueInt8 = 2,
    ValueInt16 = 3,
    ValueInt32 = 4,
    ValueShortString = 6,
    ValueFalse = 8,
    ValueTrue = 9,
    ValueLongString = 12,
  };
  enum : std::int32_t { TagNewClass = 0, TagKnownClass = 1, TagBackReference = 2, TagNone = 15 };

private:
  void WriteByte(std::uint8_t value) {
    if (FUsed == FBuffer.size()) {
      Flush();
    }
    FBuffer[FUsed++] = static_cast<char>(value);
  }
  /// Most writes are a few bytes into a buffer with room for them, so that case is inline.
  void WriteBytes(const void* data, std::size_t size) {
    if (FBuffer.size() - FUsed >= size) {
      std::memcpy(FBuffer.data() + FUsed, data, size);
      FUsed += size;
    } else {
      WriteBytesAcrossFlush(data, size);
    }
  }
  void WriteBytesAcrossFlush(const void* data, std::size_t size);
  void WriteWideInteger(std::int32_t value);
  void WriteClassTag(const char* className);
  void WriteNewObject(const TSerialize& object);
  /// Writes an object on a deep-stack thread, from where the stack left is measured.
  void WriteOutermostObject(const TSerialize& object);
  /// Writes the class tag of a new object, takes its number and opens its level of nesting;
  /// the caller writes the fields and closes the level (a `TLevelGuard` in the source).
  void BeginNewObject(const char* className);

  QIODevice& FStream;
  std::array<char, 65536> FBuffer;
  std::size_t FUsed = 0;
  std::vector<const TSerialize*> FWrittenObjects;
  std::vector<const char*> FClassNames;
  /// The index in `FClassNames` of recently written classes, by the address of their name:
  /// a graph holds a handful of classes, each written over and over.
  std::array<std::pair<const char*, std::int32_t>, 64> FClassCache{};
  /// Below this address the stack left on a deep-stack thread is too little for another level;
  /// taken once per outermost object, as checking the stack is otherwise a call per object.
  const char* FStackFloor = nullptr;
  std::vector<TDescriptor> FDescriptors;
  std::int32_t FObjectCount = 0;
  int FNesting = 0;
};

}  // namespace logivane
