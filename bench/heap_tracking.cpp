#include "heap_tracking.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

bool tracking = false;
long long live = 0;
long long peak = 0;
long long allocations = 0;

void* Allocate(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  if (tracking) {
    live += static_cast<long long>(malloc_usable_size(p));
    if (live > peak) peak = live;
    ++allocations;
  }
  return p;
}

void Release(void* p) noexcept {
  if (p == nullptr) return;
  // A block allocated before the window and freed in it lowers the heap use below the
  // start: that is what the heap really does.
  if (tracking) live -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}

}  // namespace

namespace bench {

void StartHeapWindow() {
  live = 0;
  peak = 0;
  allocations = 0;
  tracking = true;
}

HeapUse EndHeapWindow() {
  tracking = false;
  return HeapUse{peak, live, allocations};
}

}  // namespace bench

// The array, nothrow and sized forms of the standard library call these.
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }
