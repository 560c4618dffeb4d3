// The memory of imports: any key comes back from its text, and what is no key is passed over.

#include "core/import_memory.h"

#include <gtest/gtest.h>

namespace nudgery {
namespace {

TEST(ImportMemory, KeysOfAnyBytesComeBackFromTheText) {
    ImportMemory memory;
    const std::vector<std::string> keys{
        "040000008200E00074C5B7101A82E008@example.com 2026-12-08T09:00:00", "#starts with a hash",
        "two\nlines", std::string("zero\0byte", 9), "caf\xC3\xA9"};
    for (const std::string& key : keys)
        memory.Add(key);
    const ImportMemory back = ImportMemory::FromText(memory.Text());
    EXPECT_EQ(back.Size(), keys.size());
    for (const std::string& key : keys)
        EXPECT_TRUE(back.Holds(key)) << key;
    EXPECT_FALSE(back.Holds("two"));
}

TEST(ImportMemory, LinesThatAreNoKeysArePassedOver) {
    const ImportMemory memory =
        ImportMemory::FromText("a heading of words\r\nuid%201\r\nbad%zz\n\nlast-without-end");
    EXPECT_EQ(memory.Size(), 2u);
    EXPECT_TRUE(memory.Holds("uid 1"));
    EXPECT_TRUE(memory.Holds("last-without-end"));
}

} // namespace
} // namespace nudgery
