#include "file_memory.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace nudgery {
namespace {

constexpr std::size_t LargePage = std::size_t{2} << 20;
// Below this the heap serves as well: the faults a large page saves are then too few.
constexpr std::size_t LargeAllocation = std::size_t{1} << 20;

bool IsLarge(std::size_t bytes) {
    return bytes >= LargeAllocation;
}

std::size_t MappedLength(std::size_t bytes) {
    return (bytes + LargePage - 1) / LargePage * LargePage;
}

void Unmap(std::uintptr_t from, std::uintptr_t to) {
    if (to > from)
        ::munmap(reinterpret_cast<void*>(from), to - from);
}

} // namespace

void* AllocateFileMemory(std::size_t bytes) {
    if (!IsLarge(bytes))
        return ::operator new(bytes);
    if (bytes > SIZE_MAX - 2 * LargePage)
        throw std::bad_alloc();
    const std::size_t length = MappedLength(bytes);
    // A large page's worth more than needed is mapped, so that an aligned span can be cut
    // out of it; the rest is given back at once.
    void* mapped = ::mmap(nullptr, length + LargePage, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + LargePage - 1) & ~(LargePage - 1);
    Unmap(start, aligned);
    Unmap(aligned + length, start + length + LargePage);
    // Only a hint: where the kernel has no large page to give, small ones work the same.
    ::madvise(reinterpret_cast<void*>(aligned), length, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void FreeFileMemory(void* memory, std::size_t bytes) noexcept {
    if (!IsLarge(bytes)) {
        ::operator delete(memory);
        return;
    }
    ::munmap(memory, MappedLength(bytes));
}

} // namespace nudgery
