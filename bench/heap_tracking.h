// Heap use as the program's own allocations see it. This binary replaces the global
// operator new and delete; while tracking is on they count the bytes malloc really handed
// out (malloc_usable_size), so a window of code can be given its peak heap above the
// level it started from. Single-threaded: only the thread that measures allocates.
#pragma once

#include <cstddef>

namespace bench {

struct HeapUse {
  long long peakAbove = 0;  // highest heap use during the window, above its start
  long long keptAbove = 0;  // heap use at the end of the window, above its start
  long long allocations = 0;
};

// Starts a window: counting from zero at the current heap use.
void StartHeapWindow();
HeapUse EndHeapWindow();

}  // namespace bench
