#pragma once
#include <stdexcept>

namespace fw {

// The framework's errors. Every one of them is a RuntimeException, so the
// unhandled-error report can catch them all in one place.
struct RuntimeException : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Use of an object that is not there (a nil reference).
struct NilObjectException : RuntimeException {
  using RuntimeException::RuntimeException;
};

// Lookup of a key that a Dictionary does not hold.
struct KeyNotFoundException : RuntimeException {
  using RuntimeException::RuntimeException;
};

// An index outside the valid range.
struct OutOfBoundsException : RuntimeException {
  using RuntimeException::RuntimeException;
};

}  // namespace fw
