// SPDX-License-Identifier: GPL-3.0-or-later
#include "view3d/allocatortuning.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

// Mesa's software rasteriser bins each frame's triangles in heap blocks that it frees when
// the frame is done, and a frame's read-back is a large block too. glibc hands freed memory
// above 128 KiB back to the system at once, so every frame would fault those pages in
// anew: for thousands of objects that took a third of the frame. Setting the limits also
// ends glibc's own adjustment of where it maps large blocks apart, so both are set.
void keepFreedMemoryBetweenFrames() {
#ifdef __GLIBC__
    constexpr int mappedApartFrom = 16 << 20;
    constexpr int keptUpTo = 64 << 20;
    mallopt(M_MMAP_THRESHOLD, mappedApartFrom);
    mallopt(M_TRIM_THRESHOLD, keptUpTo);
#endif
}
