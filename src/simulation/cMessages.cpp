#include "simulation/cMessages.h"

namespace logivane {

namespace {

TMessageSink* installedSink = nullptr;

}  // namespace

TMessageSink& MessageSink() {
  static TStoredMessages stored;
  return installedSink ? *installedSink : stored;
}

void SetMessageSink(TMessageSink* sink) {
  installedSink = sink;
}

}  // namespace logivane
