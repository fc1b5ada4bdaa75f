#pragma once

#include <gtest/gtest.h>

#include <QByteArrayView>

// How many times the bytes occur in the writable memory of this process (heap,
// stacks, anonymous mappings), freed memory included: the probe that shows
// whether a password was really wiped. Read through /proc/self/mem, so that no
// page is touched directly. Give the needle from read-only data (a literal),
// or the needle itself is counted.
int CountInProcessMemory(QByteArrayView needle);

// Under AddressSanitizer freed blocks wait in quarantine instead of being
// reused, so copies that Qt's own code made and freed stay visible for longer
// than in the program as it ships; the probe's tests run in the normal suite.
#ifdef __SANITIZE_ADDRESS__
#define SKIP_PROBE_UNDER_SANITIZER() GTEST_SKIP() << "the sanitizer's quarantine keeps freed blocks"
#else
#define SKIP_PROBE_UNDER_SANITIZER() static_cast<void>(0)
#endif
