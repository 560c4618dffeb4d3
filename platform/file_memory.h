#pragma once
// Memory for the bytes of a whole file. A big file's bytes are mapped straight from the
// kernel, aligned to its large pages, so that it may back them with one 2 MiB page where it
// would otherwise fault in 512 small ones: reading a data file of a few MiB spent most of
// its time in those faults. Small files take the usual heap.

#include <cstddef>

namespace nudgery {

void* AllocateFileMemory(std::size_t bytes);
void FreeFileMemory(void* memory, std::size_t bytes) noexcept;

template <class T> struct FileMemoryAllocator {
    using value_type = T;

    FileMemoryAllocator() noexcept = default;
    template <class U> FileMemoryAllocator(const FileMemoryAllocator<U>&) noexcept {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(AllocateFileMemory(count * sizeof(T)));
    }
    void deallocate(T* memory, std::size_t count) noexcept {
        FreeFileMemory(memory, count * sizeof(T));
    }

    friend bool operator==(const FileMemoryAllocator&, const FileMemoryAllocator&) noexcept {
        return true;
    }
};

} // namespace nudgery
