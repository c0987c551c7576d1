#include "simulation/cMessages.h"

namespace logivane {

TMessageSink& MessageSink() {
  static TStoredMessages stored;
  return stored;
}

}  // namespace logivane
