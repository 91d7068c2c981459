#include "core/memoryrelease.h"

#include <cstdlib> // defines __GLIBC__ on the C library that has the calls below

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void keepLargeBlocksApart() {
#if defined(__GLIBC__)
    // A fixed threshold also stops the allocator from raising it as blocks are freed.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void releaseFreeMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}
