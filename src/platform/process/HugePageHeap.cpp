#include "platform/process/HugePageHeap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

constexpr int kHeapReserve = 256 << 20;
// Larger blocks get mappings of their own. 32 MB is glibc's upper bound, to
// which its own threshold would rise, but it no longer adapts once M_TOP_PAD is set.
constexpr int kLargestHeapBlock = 32 << 20;

bool HugePagesOnRequest() {
  std::string modes;
  std::getline(std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"), modes);
  return modes.find("[madvise]") != std::string::npos;
}

}  // namespace

void UseHugePagesForHeap() {
  if (!HugePagesOnRequest()) return;
  // Each growth of the heap adds the reserve beyond the request, and trimming
  // leaves the reserve free at the top: the range advised below stays mapped.
  if (!mallopt(M_TOP_PAD, kHeapReserve) || !mallopt(M_MMAP_THRESHOLD, kLargestHeapBlock)) return;
  // A block larger than the heap's free top makes it grow now (volatile, so
  // that the compiler keeps the allocation).
  const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
  void* volatile block = std::malloc(mallinfo2().keepcost + 4096);
  std::free(block);
  const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));
  const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  const std::uintptr_t from = (before + page - 1) & ~(page - 1);
  // Only what is mapped now is advised: later growth, past the reserve, gets small pages.
  if (after > from) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the address comes from sbrk
    madvise(reinterpret_cast<void*>(from), after - from, MADV_HUGEPAGE);
  }
}
