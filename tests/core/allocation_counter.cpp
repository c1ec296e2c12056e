#include "allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// Replaces the global allocation functions of the whole test program, in a file of their own so
// that no call site inlines them.
namespace {
std::atomic<long> allocations{0};
}

long allocation_count() {
    return allocations.load();
}

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
