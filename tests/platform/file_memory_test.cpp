// The memory big files are read into: every byte of buffers on either side of the size
// where it changes hands from the heap to the kernel's mappings can be written and read
// back, also while a buffer grows across that size, and a big file reads whole.
#include "platform/durable_file.h"
#include "platform/file_memory.h"
#include "store_folder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace nudgery {
namespace {

std::uint8_t PatternAt(std::size_t i) {
    return static_cast<std::uint8_t>(i * 131 + i / 4096);
}

bool HoldsPattern(const ReadBytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] != PatternAt(i))
            return false;
    return true;
}

TEST(FileMemory, BuffersOfEverySizeHoldTheirBytes) {
    constexpr std::size_t MiB = std::size_t{1} << 20;
    for (const std::size_t size :
         {std::size_t{1}, MiB - 1, MiB, 2 * MiB, 2 * MiB + 1, 5 * MiB + 7}) {
        ReadBytes bytes(size);
        for (std::size_t i = 0; i < size; ++i)
            bytes[i] = PatternAt(i);
        EXPECT_TRUE(HoldsPattern(bytes)) << size;
    }
}

TEST(FileMemory, AGrowingBufferKeepsItsBytesAcrossTheChangeOfMemory) {
    ReadBytes bytes;
    for (std::size_t i = 0; i < (std::size_t{9} << 20); ++i)
        bytes.push_back(PatternAt(i));
    EXPECT_TRUE(HoldsPattern(bytes));
}

TEST(FileMemory, ABigFileReadsWhole) {
    StoreFolder folder;
    FileBytes written(std::size_t{3} << 20);
    for (std::size_t i = 0; i < written.size(); ++i)
        written[i] = PatternAt(i);
    folder.Write("big", written);
    EXPECT_EQ(folder.Bytes("big"), written);
}

} // namespace
} // namespace nudgery
