#include "platform/process/HugePages.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

void RestartWithHugePageHeap(char** argv) {
  constexpr const char* kTunable = "glibc.malloc.hugetlb=1";
  const char* current = std::getenv("GLIBC_TUNABLES");
  if (current && std::strstr(current, "glibc.malloc.hugetlb")) return;  // set, by us or by the user
  std::string tunables = current && *current ? std::string(current) + ':' + kTunable : kTunable;
  if (setenv("GLIBC_TUNABLES", tunables.c_str(), 1) != 0) return;
  execv("/proc/self/exe", argv);
  // Still here: the restart failed; go on without.
}
