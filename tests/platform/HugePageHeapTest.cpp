#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/process/HugePageHeap.h"

namespace {

using Range = std::pair<std::uintptr_t, std::uintptr_t>;

// The mappings of this process that are advised for huge pages ("hg" in VmFlags).
std::vector<Range> AdvisedRanges() {
  std::vector<Range> advised;
  std::ifstream smaps("/proc/self/smaps");
  Range current{};
  for (std::string line; std::getline(smaps, line);) {
    std::uintptr_t from = 0, to = 0;
    char dash = 0;
    std::istringstream head(line);
    if (head >> std::hex >> from >> dash >> to && dash == '-')
      current = {from, to};
    else if (line.rfind("VmFlags:", 0) == 0 && line.find(" hg") != std::string::npos)
      advised.push_back(current);
  }
  return advised;
}

bool Advised(const void* p) {
  const auto address = reinterpret_cast<std::uintptr_t>(p);
  for (const auto& [from, to] : AdvisedRanges())
    if (address >= from && address < to) return true;
  return false;
}

// Small blocks first reuse what the heap had free before; then they and large
// blocks alike come from the advised reserve.
TEST(HugePageHeap, newBlocksSmallAndLargeComeFromMemoryAdvisedForHugePages) {
  std::string modes;
  std::getline(std::ifstream("/sys/kernel/mm/transparent_hugepage/enabled"), modes);
  if (modes.find("[madvise]") == std::string::npos) GTEST_SKIP() << "THP mode: " << modes;
#ifdef __SANITIZE_ADDRESS__
  GTEST_SKIP() << "AddressSanitizer's allocator stands in for the heap that this tunes";
#endif
  UseHugePagesForHeap();
  std::vector<void*> small;
  small.reserve(10000);
  for (int i = 0; i < 10000; ++i) small.push_back(std::malloc(64));
  void* large = std::malloc(8 << 20);  // a file read buffer, say
  EXPECT_TRUE(Advised(small.back()));
  EXPECT_TRUE(Advised(large));
  std::free(large);
  for (void* block : small) std::free(block);
}

}  // namespace
