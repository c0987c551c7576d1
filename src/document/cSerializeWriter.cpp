#include "document/cSerializeWriter.h"

#include "document/cDeepStack.h"
#include "document/cSerialize.h"
#include "document/cSerializeReader.h"
#include "document/cStreamError.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace logivane {

namespace {

/// The written-object list starts this large, so that small graphs never reallocate it.
constexpr std::size_t ObjectListStart = 65536;

/// Closes the level that `BeginNewObject` opened, however writing the object at it ends.
class TLevelGuard {
public:
  explicit TLevelGuard(int& nesting) : FNesting(nesting) {}
  ~TLevelGuard() { --FNesting; }
  TLevelGuard(const TLevelGuard&) = delete;
  TLevelGuard& operator=(const TLevelGuard&) = delete;

private:
  int& FNesting;
};

}  // namespace

TSerializeWriter::TSerializeWriter(QIODevice& stream) : FStream(stream) {
  FWrittenObjects.reserve(ObjectListStart);
}

TSerializeWriter::~TSerializeWriter() {
  for (const TSerialize* object : FWrittenObjects) {
    object->Written = false;
  }
  try {
    Flush();
  } catch (const EWriteError&) {
    // Callers that must know whether the bytes arrived call Flush themselves.
  }
}

void TSerializeWriter::Flush() {
  if (FUsed == 0) {
    return;
  }
  const qint64 size = static_cast<qint64>(FUsed);
  FUsed = 0;
  if (FStream.write(FBuffer.data(), size) != size) {
    throw EWriteError();
  }
}

void TSerializeWriter::WriteBytesAcrossFlush(const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    if (FUsed == FBuffer.size()) {
      Flush();
    }
    const std::size_t chunk = std::min(size, FBuffer.size() - FUsed);
    std::memcpy(FBuffer.data() + FUsed, bytes, chunk);
    FUsed += chunk;
    bytes += chunk;
    size -= chunk;
  }
}

void TSerializeWriter::WriteWideInteger(std::int32_t value) {
  if (value >= -32768 && value <= 32767) {
    const auto v = static_cast<std::uint16_t>(value);
    const std::uint8_t bytes[] = {ValueInt16, static_cast<std::uint8_t>(v),
                                  static_cast<std::uint8_t>(v >> 8)};
    WriteBytes(bytes, sizeof bytes);
  } else {
    const auto v = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[] = {
        ValueInt32, static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
        static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
    WriteBytes(bytes, sizeof bytes);
  }
}

void TSerializeWriter::WriteString(const QString& text) {
  WriteString(text.toLatin1());
}

void TSerializeWriter::WriteString(const QByteArray& bytes) {
  const auto length = static_cast<std::uint32_t>(bytes.size());
  if (length <= 255) {
    WriteByte(ValueShortString);
    WriteByte(static_cast<std::uint8_t>(length));
  } else {
    const std::uint8_t header[] = {
        ValueLongString, static_cast<std::uint8_t>(length), static_cast<std::uint8_t>(length >> 8),
        static_cast<std::uint8_t>(length >> 16), static_cast<std::uint8_t>(length >> 24)};
    WriteBytes(header, sizeof header);
  }
  WriteBytes(bytes.constData(), length);
}

void TSerializeWriter::WriteBoolean(bool value) {
  WriteByte(value ? ValueTrue : ValueFalse);
}

void TSerializeWriter::WriteFloat(float value) {
  static_assert(sizeof(float) == 4);
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const std::uint8_t bytes[] = {
      static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
      static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  WriteBytes(bytes, sizeof bytes);
}

void TSerializeWriter::WriteHeader() {
  WriteInteger(static_cast<std::int32_t>(std::uint32_t(Revision) << 16 | Version));
}

void TSerializeWriter::AddStringDescriptor(std::int32_t id, const QString& text) {
  TDescriptor descriptor;
  descriptor.Id = id;
  descriptor.Kind = TDescriptor::KindString;
  descriptor.StringValue = text;
  FDescriptors.push_back(std::move(descriptor));
}

void TSerializeWriter::AddIntegerDescriptor(std::int32_t id, std::int32_t value) {
  TDescriptor descriptor;
  descriptor.Id = id;
  descriptor.Kind = TDescriptor::KindInteger;
  descriptor.IntegerValue = value;
  FDescriptors.push_back(std::move(descriptor));
}

void TSerializeWriter::WriteDescriptors() {
  WriteListBegin();
  for (const TDescriptor& descriptor : FDescriptors) {
    WriteInteger(descriptor.Kind);
    WriteInteger(descriptor.Id);
    switch (descriptor.Kind) {
      case TDescriptor::KindString:
        WriteString(descriptor.StringValue);
        break;
      case TDescriptor::KindInteger:
        WriteInteger(descriptor.IntegerValue);
        break;
      case TDescriptor::KindBoolean:
        WriteBoolean(descriptor.BooleanValue);
        break;
      default:
        break;
    }
  }
  WriteListEnd();
}

void TSerializeWriter::WriteClassTag(const char* className) {
  // Every class hands out one inline constant, so its address identifies it.
  auto& cached =
      FClassCache[(reinterpret_cast<std::uintptr_t>(className) >> 3) % FClassCache.size()];
  if (cached.first != className) {
    const auto known = std::find(FClassNames.begin(), FClassNames.end(), className);
    if (known == FClassNames.end()) {
      WriteInteger(TagNewClass);
      WriteString(
          QByteArray::fromRawData(className, static_cast<qsizetype>(std::strlen(className))));
      FClassNames.push_back(className);
      return;
    }
    cached = {className, static_cast<std::int32_t>(known - FClassNames.begin())};
  }
  WriteInteger(TagKnownClass);
  WriteInteger(cached.second);
}

void TSerializeWriter::WriteObject(const TSerialize* object) {
  if (!object) {
    WriteInteger(TagNone);
    return;
  }
  if (object->Written) {
    WriteInteger(TagBackReference);
    WriteInteger(object->StreamIndex);
    return;
  }
  if (FNesting > 0) {
    WriteNewObject(*object);
  } else if (TDeepStack::Active()) {
    WriteOutermostObject(*object);
  } else {
    TDeepStack::Run([&] { WriteOutermostObject(*object); });
  }
}

void TSerializeWriter::WriteOutermostObject(const TSerialize& object) {
  const auto* frame = static_cast<const char*>(__builtin_frame_address(0));
  FStackFloor = frame - (TDeepStack::Left() - TDeepStack::Reserve);
  WriteNewObject(object);
}

void TSerializeWriter::BeginNewObject(const char* className) {
  // What no reader would take is not written at all.
  if (FNesting >= TSerializeReader::MaxNesting ||
      static_cast<const char*>(__builtin_frame_address(0)) < FStackFloor) {
    throw EWriteError("Objects are nested too deeply");
  }
  WriteClassTag(className);
  ++FObjectCount;
  ++FNesting;
}

void TSerializeWriter::WriteNewObject(const TSerialize& object) {
  BeginNewObject(object.ClassName());
  TLevelGuard level(FNesting);
  object.StreamIndex = FObjectCount - 1;
  object.Written = true;
  FWrittenObjects.push_back(&object);
  object.Write(*this);
}

void TSerializeWriter::WritePointList(const TVertexList& points) {
  BeginNewObject(TSerializeList::StaticClassName);
  TLevelGuard list(FNesting);
  WriteListBegin();
  for (const TVertex& point : points) {
    BeginNewObject(TFloatPoint::StaticClassName);
    TLevelGuard level(FNesting);
    WriteFloat(point.X);
    WriteFloat(point.Y);
  }
  WriteListEnd();
}

}  // namespace logivane
