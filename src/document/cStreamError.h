#pragma once

#include <stdexcept>

namespace logivane {

/// The version in a stream's header is not the one the caller expected.
class EInvalidFileType : public std::runtime_error {
public:
  EInvalidFileType() : std::runtime_error("Invalid File Type") {}
};

/// Any other failure to read a stream: a value of the wrong type, a truncated stream, an
/// unknown class or a reference that does not resolve.
class EReadError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;

  static EReadError InvalidValue() { return EReadError("Invalid property value"); }
  static EReadError PastEnd() { return EReadError("Stream read error"); }
};

/// The underlying device refused bytes while a stream was being written.
class EWriteError : public std::runtime_error {
public:
  EWriteError() : std::runtime_error("Stream write error") {}
  explicit EWriteError(const char* message) : std::runtime_error(message) {}
};

}  // namespace logivane
