#pragma once

// Loading a large register or workbook fills a hundred megabytes and more of
// fresh memory, and on virtual machines every 4 KB page fault is expensive.
// Where transparent huge pages are given on request (the "madvise" mode), this
// grows the heap by 256 MB of address space at once and asks for huge pages on
// it; the heap then keeps that much free space at its top rather than giving it
// back, so that the request stays in force. Pages count only once touched.
// Call first thing in main(), before any other thread starts.
void UseHugePagesForHeap();
