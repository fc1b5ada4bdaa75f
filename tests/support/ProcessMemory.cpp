#include "support/ProcessMemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Larger mappings are reserved address space (a sanitizer's shadow memory),
// not data: reading them would take hours.
constexpr unsigned long kLargestRegion = 4ul << 30;

struct TRegion {
  unsigned long Begin = 0, End = 0;
};

// The private writable mappings, read before the scan buffer exists so that
// the buffer is not among them. The stack is taken from the frame of the probe
// up: below it lies memory that no frame holds, with what returned calls left
// there, such as the vector registers the dynamic linker saves while it binds a
// library's function on its first call. No program can wipe that.
std::vector<TRegion> WritableRegions(unsigned long frame) {
  std::vector<TRegion> regions;
  FILE* maps = std::fopen("/proc/self/maps", "r");
  if (!maps) return regions;
  char line[512];
  while (std::fgets(line, sizeof line, maps)) {
    TRegion region;
    char perms[5] = {};
    if (std::sscanf(line, "%lx-%lx %4s", &region.Begin, &region.End, perms) == 3 &&
        perms[0] == 'r' && perms[1] == 'w' && perms[3] == 'p' &&
        region.End - region.Begin <= kLargestRegion) {
      if (region.Begin <= frame && frame < region.End) region.Begin = frame;
      regions.push_back(region);
    }
  }
  std::fclose(maps);
  return regions;
}

}  // namespace

int CountInProcessMemory(QByteArrayView needle) {
  const std::vector<TRegion> regions =
      WritableRegions(reinterpret_cast<unsigned long>(__builtin_frame_address(0)));
  const int fd = open("/proc/self/mem", O_RDONLY);
  if (fd < 0) return -1;
  constexpr size_t kChunk = 1 << 20;
  const size_t overlap = size_t(needle.size()) - 1;
  void* mapped =
      mmap(nullptr, kChunk + overlap, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) {
    close(fd);
    return -1;
  }
  auto* buffer = static_cast<char*>(mapped);
  int count = 0;
  for (const TRegion& region : regions) {
    size_t carried = 0;  // the end of the last chunk, where a match may begin
    for (unsigned long at = region.Begin; at < region.End; at += kChunk) {
      const size_t want = std::min<size_t>(kChunk, region.End - at);
      const ssize_t got = pread(fd, buffer + carried, want, off_t(at));
      if (got <= 0) break;
      const size_t size = carried + size_t(got);
      for (const char* p = buffer;
           (p = static_cast<const char*>(
                memmem(p, size_t(buffer + size - p), needle.data(), size_t(needle.size()))));
           ++p)
        ++count;
      carried = std::min(overlap, size);
      std::memmove(buffer, buffer + size - carried, carried);
    }
  }
  std::memset(buffer, 0, kChunk + overlap);
  munmap(mapped, kChunk + overlap);
  close(fd);
  return count;
}
