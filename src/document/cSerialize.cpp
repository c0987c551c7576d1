#include "document/cSerialize.h"

#include "document/cSerializeReader.h"
#include "document/cSerializeWriter.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

namespace logivane {

void TSerialize::Assign(const TSerialize&) {
}

int TSerializeList::IndexOf(const TSerialize* object) const {
  const auto it = std::find(FItems.begin(), FItems.end(), object);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

int TSerializeList::Add(TSerialize* object) {
  FItems.push_back(object);
  TDrawingChanges::Note();
  return Count() - 1;
}

void TSerializeList::Insert(int index, TSerialize* object) {
  FItems.insert(FItems.begin() + index, object);
  TDrawingChanges::Note();
}

void TSerializeList::Remove(const TSerialize* object) {
  const auto it = std::find(FItems.begin(), FItems.end(), object);
  if (it != FItems.end()) {
    FItems.erase(it);
    TDrawingChanges::Note();
  }
}

void TSerializeList::Pack() {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
  TDrawingChanges::Note();
}

void TSerializeList::Clear() {
  // Take the items out first: an element's destructor may look at lists that hold it.
  std::vector<TSerialize*> items;
  items.swap(FItems);
  TDrawingChanges::Note();
  for (TSerialize* item : items) {
    delete item;
  }
}

void TSerializeList::Write(TSerializeWriter& writer) const {
  writer.WriteListBegin();
  // The items lie all over the heap, and writing a large circuit mostly waits for memory:
  // asking for an item a few places ahead hides most of that wait.
  const std::size_t count = FItems.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i + 8 < count) {
      __builtin_prefetch(FItems[i + 8]);
    }
    writer.WriteObject(FItems[i]);
  }
  writer.WriteListEnd();
}

void TSerializeList::Read(TSerializeReader& reader) {
  reader.ReadListBegin();
  while (!reader.EndOfList()) {
    FItems.push_back(reader.ReadOwned<TSerialize>(*this));
  }
  TDrawingChanges::Note();
  reader.ReadListEnd();
}

namespace {

std::unordered_map<std::string_view, TClassRegistry::Factory>& ClassTable() {
  static std::unordered_map<std::string_view, TClassRegistry::Factory> table;
  return table;
}

}  // namespace

bool TClassRegistry::Register(const char* name, Factory factory) {
  ClassTable()[std::string_view(name)] = factory;
  return true;
}

TClassRegistry::Factory TClassRegistry::Find(const char* name, std::size_t length) {
  const auto& table = ClassTable();
  const auto it = table.find(std::string_view(name, length));
  return it == table.end() ? nullptr : it->second;
}

std::vector<std::string_view> TClassRegistry::Names() {
  std::vector<std::string_view> names;
  for (const auto& entry : ClassTable()) {
    names.push_back(entry.first);
  }
  std::sort(names.begin(), names.end());
  return names;
}

LV_REGISTER_CLASS(TSerializeList)

}  // namespace logivane
