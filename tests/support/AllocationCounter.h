#pragma once

// Counts the heap allocations made while a counter is alive.  This header replaces the global
// operator new, so exactly one file of a program includes it.
#include <atomic>
#include <cstdlib>
#include <new>

namespace allocation_count {

inline std::atomic<bool> counting{false};
inline std::atomic<long> made{0};
inline std::atomic<long> large{0};
// A block of this size or more holds pixels or a document, not a name or a value.
inline constexpr std::size_t kLargeBlock = 4096;

inline void* Allocate(std::size_t size, std::size_t alignment = 0) {
    if (counting.load(std::memory_order_relaxed)) {
        made.fetch_add(1, std::memory_order_relaxed);
        if (size >= kLargeBlock) large.fetch_add(1, std::memory_order_relaxed);
    }
    if (size == 0) size = 1;
    void* block =
        alignment > alignof(std::max_align_t)
            ? std::aligned_alloc(alignment, (size + alignment - 1) / alignment * alignment)
            : std::malloc(size);
    if (block == nullptr) throw std::bad_alloc();
    return block;
}

}  // namespace allocation_count

// Allocations from here until it goes, on every thread.
class AllocationCounter {
public:
    AllocationCounter() {
        allocation_count::made = 0;
        allocation_count::large = 0;
        allocation_count::counting = true;
    }
    ~AllocationCounter() { allocation_count::counting = false; }
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    long Made() const { return allocation_count::made.load(); }
    // Those of kLargeBlock bytes or more.
    long Large() const { return allocation_count::large.load(); }
};

void* operator new(std::size_t size) {
    return allocation_count::Allocate(size);
}
void* operator new[](std::size_t size) {
    return allocation_count::Allocate(size);
}
void* operator new(std::size_t size, std::align_val_t alignment) {
    return allocation_count::Allocate(size, static_cast<std::size_t>(alignment));
}
void* operator new[](std::size_t size, std::align_val_t alignment) {
    return allocation_count::Allocate(size, static_cast<std::size_t>(alignment));
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}
