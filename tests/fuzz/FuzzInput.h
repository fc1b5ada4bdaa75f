#pragma once

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The fuzzer's input as bytes without a copy, so that a read past its end is
// caught by the address sanitizer.
inline QByteArray FuzzBytes(const uint8_t* data, size_t size) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Ends the run as a finding when two readers disagree or a promise is broken.
inline void FuzzRequire(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", promise);
  std::abort();
}
