#pragma once

#include <QByteArrayView>

// How many times the bytes occur in the writable memory of this process (heap,
// anonymous mappings, the live frames of the stack), freed memory included: the
// probe that shows whether a password was really wiped. Read through
// /proc/self/mem, so that no page is touched directly. Give the needle from
// read-only data (a literal), or the needle itself is counted.
int CountInProcessMemory(QByteArrayView needle);
