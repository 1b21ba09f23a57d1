// Counts every heap allocation of the unit test program: operator new, and
// malloc and friends where glibc lets us stand in front of them. The
// sanitizers keep malloc for themselves, and ThreadSanitizer operator new
// too: there the count covers less, or nothing (AllocationCount gives -1).
#include <atomic>
#include <cstdlib>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PELLAXO_ASAN 1
#endif
#if __has_feature(thread_sanitizer)
#define PELLAXO_TSAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define PELLAXO_ASAN 1
#endif
#if defined(__SANITIZE_THREAD__)
#define PELLAXO_TSAN 1
#endif

#ifdef PELLAXO_TSAN

long AllocationCount() {
  return -1;
}

#else

namespace {
std::atomic<long> g_allocations{0};
}

long AllocationCount() {
  return g_allocations.load();
}

void* operator new(std::size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}

#if defined(__GLIBC__) && !defined(PELLAXO_ASAN)
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* malloc(size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_calloc(count, size);
}
void* realloc(void* p, size_t size) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  return __libc_realloc(p, size);
}
}
#endif

#endif
