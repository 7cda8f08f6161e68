// guardExport: the one way a failure stops at an entry point the host calls.
// Nothing may throw across the library's boundary: the host is not C++ code
// that expects it. A failure inside becomes the result the caller already
// understands for "nothing done" and a message box the user can read.
#pragma once

#include <exception>
#include <new>
#include <utility>

namespace orbel {

// The texts a failed entry point shows: memory ran out, or anything else.
inline constexpr char kOutOfMemoryMessage[] = "Malloc Failed!";
inline constexpr char kInternalFailureMessage[] = "The operation failed because of an internal error.";

// Shows `text` in a message box when a toolkit is installed; never throws.
void reportExportFailure(const char* text) noexcept;

// Runs `body` and returns what it returns; when it throws, reports the
// failure and returns `fallback` (the entry point's documented result for
// cancel or failure) instead.
template <typename Result, typename Body>
Result guardExport(Result fallback, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (const std::bad_alloc&) {
    reportExportFailure(kOutOfMemoryMessage);
  } catch (...) {
    reportExportFailure(kInternalFailureMessage);
  }
  return fallback;
}

// The same for an entry point that returns nothing.
template <typename Body>
void guardExport(Body&& body) noexcept {
  guardExport(0, [&] {
    std::forward<Body>(body)();
    return 0;
  });
}

}  // namespace orbel
