// Stops the run when a property of the code under test does not hold, so the
// fuzzer keeps the input that broke it and a replay run fails.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void fuzzCheck(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "check failed: %s\n", what);
  std::abort();
}
