#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
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

// Copies a short piece of text into such a buffer without a call or a string instruction, both
// slower than the copy itself at these lengths; reads no byte past `n`.
inline void copyShort(char* out, const char* from, std::size_t n) {
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8)
            std::memcpy(out + i, from + i, 8);
        std::memcpy(out + n - 8, from + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(out, from, 4);
        std::memcpy(out + n - 4, from + n - 4, 4);
    } else {
        for (std::size_t i = 0; i < n; ++i)
            out[i] = from[i];
    }
}

} // namespace core
