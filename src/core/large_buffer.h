#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <utility>
#include <vector>

#include <sys/mman.h>

namespace core {

// An allocator for the big buffers of a list over a whole archive (its rows, its cells, the
// blocks it reads). A buffer of megabytes is asked for in 2 MB pages where the system offers
// them: touching fresh memory a 4 kB page at a time costs microseconds per page on virtual
// machines, more than filling the page.
template <class T> struct LargeAllocator {
    using value_type = T;
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;
    // From half a megabyte on, a whole 2 MB page costs less than the small pages it replaces.
    static constexpr std::size_t kLarge = std::size_t(512) << 10;

    LargeAllocator() = default;
    template <class U> LargeAllocator(const LargeAllocator<U>&) noexcept {} // NOLINT: rebinding

    T* allocate(std::size_t n) {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLarge) return std::allocator<T>().allocate(n);
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* p = std::aligned_alloc(kHugePage, rounded);
        if (!p) throw std::bad_alloc();
        ::madvise(p, rounded, MADV_HUGEPAGE); // only advice: without it the pages are small
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t n) noexcept {
        if (n * sizeof(T) < kLarge)
            std::allocator<T>().deallocate(p, n);
        else
            std::free(p);
    }
    // Growing leaves new elements uninitialised (resize(n) does not zero them): every buffer
    // here is written before it is read, and zeroing megabytes first would cost as much again.
    template <class U> void construct(U* p) noexcept { ::new (static_cast<void*>(p)) U; }
    template <class U, class... Args> void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <class U> bool operator==(const LargeAllocator<U>&) const noexcept { return true; }
};

template <class T> using LargeVector = std::vector<T, LargeAllocator<T>>;

} // namespace core
