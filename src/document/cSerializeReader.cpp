#include "document/cSerializeReader.h"

#include "document/cSerializeWriter.h"

#include <QIODevice>

#include <algorithm>
#include <cstring>
#include <string_view>

namespace logivane {

namespace {

/// The object lists start this large, so that small graphs never reallocate them.
constexpr std::size_t ObjectListStart = 65536;

TClassRegistry::Factory RegisteredFactory(std::string_view name) {
  return TClassRegistry::Find(name.data(), name.size());
}

/// Keeps the nesting count right however a nested read ends.
class TNestingGuard {
public:
  explicit TNestingGuard(int& nesting) : FNesting(nesting) {
    // The count is the documented bound; the stack left guards the frames of an unusual build.
    if (++FNesting > TSerializeReader::MaxNesting ||
        (TDeepStack::Active() && TDeepStack::Left() < TDeepStack::Reserve)) {
      --FNesting;
      throw EReadError("Objects are nested too deeply");
    }
  }
  ~TNestingGuard() { --FNesting; }

private:
  int& FNesting;
};

}  // namespace

TSerializeReader::TSerializeReader(QIODevice& stream) : TSerializeReader(stream.readAll()) {
}

TSerializeReader::TSerializeReader(QByteArray bytes)
    : FData(std::move(bytes)),
      FListFactory(RegisteredFactory(TSerializeList::StaticClassName)),
      FPointFactory(RegisteredFactory(TFloatPoint::StaticClassName)) {
  FReadObjects.reserve(ObjectListStart);
  FOwners.reserve(ObjectListStart);
}

TSerializeReader::~TSerializeReader() = default;

void TSerializeReader::Need(std::int64_t size) const {
  if (size < 0 || size > FData.size() - FPosition) {
    throw EReadError::PastEnd();
  }
}

void TSerializeReader::Take(void* data, std::int64_t size) {
  Need(size);
  std::memcpy(data, FData.constData() + FPosition, static_cast<std::size_t>(size));
  FPosition += size;
}

std::uint8_t TSerializeReader::ReadType() {
  Need(1);
  return static_cast<std::uint8_t>(FData.constData()[FPosition++]);
}

std::uint8_t TSerializeReader::PeekType() {
  Need(1);
  return static_cast<std::uint8_t>(FData.constData()[FPosition]);
}

std::int32_t TSerializeReader::ReadInteger() {
  switch (ReadType()) {
    case TSerializeWriter::ValueInt8: {
      std::int8_t v;
      Take(&v, 1);
      return v;
    }
    case TSerializeWriter::ValueInt16: {
      std::uint8_t b[2];
      Take(b, 2);
      return static_cast<std::int16_t>(b[0] | b[1] << 8);
    }
    case TSerializeWriter::ValueInt32: {
      std::uint8_t b[4];
      Take(b, 4);
      return static_cast<std::int32_t>(std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                                       std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24);
    }
    default:
      throw EReadError::InvalidValue();
  }
}

QString TSerializeReader::ReadString() {
  std::int64_t length;
  switch (ReadType()) {
    case TSerializeWriter::ValueShortString: {
      std::uint8_t b;
      Take(&b, 1);
      length = b;
      break;
    }
    case TSerializeWriter::ValueLongString: {
      std::uint8_t b[4];
      Take(b, 4);
      length = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 | std::uint32_t(b[2]) << 16 |
               std::uint32_t(b[3]) << 24;
      break;
    }
    default:
      throw EReadError::InvalidValue();
  }
  Need(length);
  QString text = QString::fromLatin1(FData.constData() + FPosition, static_cast<qsizetype>(length));
  FPosition += length;
  return text;
}

bool TSerializeReader::ReadBoolean() {
  return ReadType() == TSerializeWriter::ValueTrue;
}

void TSerializeReader::ReadListBegin() {
  if (ReadType() != TSerializeWriter::ValueListBegin) {
    throw EReadError::InvalidValue();
  }
}

void TSerializeReader::ReadListEnd() {
  if (ReadType() != TSerializeWriter::ValueListEnd) {
    throw EReadError::InvalidValue();
  }
}

bool TSerializeReader::EndOfList() {
  return PeekType() == TSerializeWriter::ValueListEnd;
}

float TSerializeReader::ReadFloat() {
  std::uint8_t b[4];
  Take(b, 4);
  const std::uint32_t bits = std::uint32_t(b[0]) | std::uint32_t(b[1]) << 8 |
                             std::uint32_t(b[2]) << 16 | std::uint32_t(b[3]) << 24;
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

void TSerializeReader::ReadHeader() {
  const auto word = static_cast<std::uint32_t>(ReadInteger());
  if ((word & 0xFFFF) != ExpectedVersion) {
    throw EInvalidFileType();
  }
  Revision = static_cast<std::uint8_t>(word >> 16);
}

void TSerializeReader::ReadDescriptors() {
  FDescriptors.clear();
  ReadListBegin();
  while (!EndOfList()) {
    TDescriptor descriptor;
    descriptor.Kind = ReadInteger();
    descriptor.Id = ReadInteger();
    switch (descriptor.Kind) {
      case TDescriptor::KindString:
        descriptor.StringValue = ReadString();
        break;
      case TDescriptor::KindInteger:
        descriptor.IntegerValue = ReadInteger();
        break;
      case TDescriptor::KindBoolean:
        descriptor.BooleanValue = ReadBoolean();
        break;
      default:
        break;
    }
    FDescriptors.push_back(std::move(descriptor));
  }
  ReadListEnd();
}

bool TSerializeReader::GetStringDescriptor(std::int32_t id, QString& text) const {
  for (const TDescriptor& descriptor : FDescriptors) {
    if (descriptor.Id == id && descriptor.Kind == TDescriptor::KindString) {
      text = descriptor.StringValue;
      return true;
    }
  }
  return false;
}

bool TSerializeReader::GetIntegerDescriptor(std::int32_t id, std::int32_t& value) const {
  for (const TDescriptor& descriptor : FDescriptors) {
    if (descriptor.Id == id && descriptor.Kind == TDescriptor::KindInteger) {
      value = descriptor.IntegerValue;
      return true;
    }
  }
  return false;
}

TSerialize* TSerializeReader::ReadObject() {
  if (FNesting == 0 && !TDeepStack::Active()) {
    return ReadObjectOnDeepStack();
  }
  TSerialize* object = ReadTaggedObject(ReadInteger());
  ReportProgress();
  return object;
}

TSerialize* TSerializeReader::ReadObjectOnDeepStack() {
  TSerialize* object = nullptr;
  FHopped = true;
  FLastPercent = -1;
  FPercent = -1;
  FShownPercent = -1;
  try {
    TDeepStack::Run(
        [&] {
          FStackAtStart = TDeepStack::Left();
          FLeastStackLeft = FStackAtStart;
          FDeepest = 0;
          object = ReadObject();
        },
        [this] {
          const int percent = FPercent.load();
          if (OnProgress && percent >= 0 && percent != FShownPercent) {
            FShownPercent = percent;
            OnProgress(percent);
          }
        });
  } catch (...) {
    FHopped = false;
    throw;
  }
  FHopped = false;
  return object;
}

TSerialize* TSerializeReader::ReadTaggedObject(std::int32_t tag) {
  switch (tag & 0xFF) {
    case TSerializeWriter::TagNone:
      return nullptr;
    case TSerializeWriter::TagBackReference: {
      const std::int32_t ordinal = ReadInteger();
      // An object kept by value belongs to its owner alone.
      if (ordinal < 0 || static_cast<std::size_t>(ordinal) >= FReadObjects.size() ||
          !FReadObjects[static_cast<std::size_t>(ordinal)]) {
        throw EReadError("Invalid object reference");
      }
      return FReadObjects[static_cast<std::size_t>(ordinal)];
    }
    default:
      break;
  }
  const TClassRegistry::Factory factory = ReadClass(tag);
  TNestingGuard guard(FNesting);
  NoteNesting();
  TSerialize* object = factory();
  object->Streamed = true;
  object->StreamIndex = static_cast<std::int32_t>(FReadObjects.size());
  FReadObjects.push_back(object);
  FOwners.push_back(NoOwner);
  object->Read(*this);
  return object;
}

TClassRegistry::Factory TSerializeReader::ReadClass(std::int32_t tag) {
  if ((tag & 0xFF) == TSerializeWriter::TagKnownClass) {
    const std::int32_t index = ReadInteger();
    if (index < 0 || static_cast<std::size_t>(index) >= FClassFactories.size()) {
      throw EReadError("Invalid class reference");
    }
    return FClassFactories[static_cast<std::size_t>(index)];
  }
  const QByteArray name = ReadString().toLatin1();
  const TClassRegistry::Factory factory =
      TClassRegistry::Find(name.constData(), static_cast<std::size_t>(name.size()));
  if (!factory) {
    throw EReadError("Unknown class " + name.toStdString());
  }
  FClassFactories.push_back(factory);
  return factory;
}

void TSerializeReader::NoteNesting() {
  if (FNesting > FDeepest) {
    FDeepest = FNesting;
    FLeastStackLeft = std::min(FLeastStackLeft, TDeepStack::Left());
  }
}

void TSerializeReader::ReadValueObjectTag(TClassRegistry::Factory expected) {
  const std::int32_t tag = ReadInteger();
  switch (tag & 0xFF) {
    case TSerializeWriter::TagNone:
    case TSerializeWriter::TagBackReference:
      throw EReadError::InvalidValue();
    default:
      if (ReadClass(tag) != expected) {
        throw EReadError::InvalidValue();
      }
  }
}

std::int32_t TSerializeReader::AddValueObject(std::int32_t owner) {
  FReadObjects.push_back(nullptr);
  FOwners.push_back(owner);
  return static_cast<std::int32_t>(FReadObjects.size() - 1);
}

void TSerializeReader::ReadListInPlace(TSerializeList& list, const TSerialize& owner) {
  ReadValueObjectTag(FListFactory);
  {
    TNestingGuard level(FNesting);
    NoteNesting();
    list.Streamed = true;
    list.StreamIndex = AddValueObject(owner.StreamIndex);
    list.Read(*this);
  }
  ReportProgress();
}

void TSerializeReader::ReadPointList(const TSerialize& owner, TVertexList& points) {
  points.clear();
  ReadValueObjectTag(FListFactory);
  {
    TNestingGuard listLevel(FNesting);
    NoteNesting();
    const std::int32_t list = AddValueObject(owner.StreamIndex);
    ReadListBegin();
    while (!EndOfList()) {
      ReadValueObjectTag(FPointFactory);
      {
        TNestingGuard pointLevel(FNesting);
        NoteNesting();
        AddValueObject(list);
        const float x = ReadFloat();
        const float y = ReadFloat();
        points.push_back({x, y});
      }
      ReportProgress();
    }
    ReadListEnd();
  }
  ReportProgress();
}

void TSerializeReader::ReportProgress() {
  if (!OnProgress || FData.isEmpty()) {
    return;
  }
  const int percent = static_cast<int>(FPosition * 100 / FData.size());
  if (!FHopped) {
    OnProgress(percent);
  } else if (percent != FLastPercent) {
    FLastPercent = percent;
    FPercent = percent;
    TDeepStack::Wake();
  }
}

void TSerializeReader::Adopt(const TSerialize& child, const TSerialize* owner) {
  std::int32_t& slot = FOwners[static_cast<std::size_t>(child.StreamIndex)];
  if (slot != NoOwner) {
    throw EReadError("Object owned twice");
  }
  slot = owner ? owner->StreamIndex : OutsideOwner;
}

void TSerializeReader::CheckGraph(std::size_t first) const {
  // Every object must hang from a root by exactly one chain of owners; anything else would
  // leak, or be destroyed twice, once the graph is handed over.
  // Each object's depth below its root is kept as it is found; 0 is not known yet.
  constexpr std::int32_t Visiting = -1;
  std::vector<std::int32_t> depth(FReadObjects.size(), 0);
  std::vector<std::size_t> chain;
  for (std::size_t start = first; start < FReadObjects.size(); ++start) {
    std::size_t at = start;
    chain.clear();
    std::int32_t base = 0;
    while (depth[at] == 0) {
      const std::int32_t owner = FOwners[at];
      if (owner == NoOwner) {
        throw EReadError("Object without owner");
      }
      depth[at] = Visiting;
      chain.push_back(at);
      if (owner == OutsideOwner) {
        break;
      }
      at = static_cast<std::size_t>(owner);
    }
    if (depth[at] == Visiting && FOwners[at] != OutsideOwner) {
      throw EReadError("Objects own each other");
    }
    if (depth[at] > 0) {
      base = depth[at];
    }
    if (base + static_cast<std::int64_t>(chain.size()) > MaxOwnership) {
      throw EReadError("Objects are nested too deeply");
    }
    for (std::size_t i = chain.size(); i-- > 0;) {
      depth[chain[i]] = ++base;
    }
  }
  for (std::size_t index = first; index < FReadObjects.size(); ++index) {
    if (FReadObjects[index] && !FReadObjects[index]->ReferencesConsistent()) {
      throw EReadError("Inconsistent object references");
    }
  }
}

void TSerializeReader::DestroyFrom(std::size_t first) noexcept {
  for (std::size_t index = first; index < FReadObjects.size(); ++index) {
    if (FReadObjects[index]) {
      FReadObjects[index]->AbandonLinks();
    }
  }
  for (std::size_t index = first; index < FReadObjects.size(); ++index) {
    delete FReadObjects[index];
  }
  FReadObjects.resize(first);
  FOwners.resize(first);
}

}  // namespace logivane
