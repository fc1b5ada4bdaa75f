#pragma once

// Loading a large register or workbook fills a hundred megabytes and more of
// fresh memory, and on virtual machines every 4 KB page fault is expensive.
// glibc's allocator backs its heap with transparent huge pages when the
// tunable glibc.malloc.hugetlb=1 is set, which must happen before the process
// starts: so the process starts itself again once with it set. Returns only
// when it is set already or the restart failed (the program then runs as it is).
void RestartWithHugePageHeap(char** argv);
