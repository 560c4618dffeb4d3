// The compact byte string of the reminder's texts: every length kept whole, in place or in
// a block, through copies, moves and assignments from itself.
#include "core/compact_text.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace nudgery {
namespace {

// Bytes of every value, a zero byte among them, that differ from one length to the next.
std::string Bytes(std::size_t length) {
    std::string text(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        text[i] = static_cast<char>((i * 7 + length) % 256);
    return text;
}

TEST(CompactText, KeepsEveryLengthWhole) {
    static_assert(sizeof(CompactText) == 8);
    for (std::size_t length :
         {0, 1, 6, 7, 8, 9, 100, 127, 128, 129, 255, 256, 16383, 16384, 16385, 2'100'000}) {
        const std::string bytes = Bytes(length);
        const CompactText text(bytes);
        ASSERT_EQ(text.size(), length);
        EXPECT_EQ(text.empty(), length == 0);
        EXPECT_EQ(std::string(text), bytes) << length;
        EXPECT_EQ(std::string(text.begin(), text.end()), bytes) << length;
    }
}

TEST(CompactText, CopiesAndMovesAreIndependent) {
    for (std::size_t length : {3, 40}) {
        CompactText original(Bytes(length));
        CompactText copy(original);
        CompactText assigned;
        assigned = original;
        EXPECT_EQ(copy, original);
        EXPECT_EQ(assigned, original);
        original = "changed";
        EXPECT_EQ(copy, Bytes(length));
        EXPECT_EQ(assigned, Bytes(length));

        CompactText moved(std::move(copy));
        EXPECT_EQ(moved, Bytes(length));
        EXPECT_TRUE(copy.empty()); // NOLINT: a moved-from text is empty
        assigned = std::move(moved);
        EXPECT_EQ(assigned, Bytes(length));
        EXPECT_TRUE(moved.empty()); // NOLINT
    }
}

TEST(CompactText, AssignmentFromItsOwnBytes) {
    for (std::size_t length : {5, 50}) {
        CompactText text(Bytes(length));
        const CompactText& same = text;
        text = same;
        EXPECT_EQ(text, Bytes(length));
        // A part of its own bytes, in place or in its block.
        text = text.view().substr(1);
        EXPECT_EQ(text, Bytes(length).substr(1));
        text = std::move(text);
        EXPECT_EQ(text, Bytes(length).substr(1));
    }
}

TEST(CompactText, CopiesShareTheBlockAndOutliveEachOther) {
    const std::string bytes = Bytes(40);
    auto original = std::make_unique<CompactText>(bytes);
    CompactText copy(*original);
    CompactText assigned;
    assigned = copy;
    EXPECT_EQ(copy.data(), original->data());
    EXPECT_EQ(assigned.data(), original->data());
    original.reset(); // the block stays while a copy holds it
    EXPECT_EQ(copy, bytes);
    copy = "another text, long enough for a block";
    EXPECT_EQ(assigned, bytes);
    assigned = assigned; // NOLINT: assignment to itself keeps the text
    EXPECT_EQ(assigned, bytes);
}

TEST(RecentTexts, EqualTextsShareOneBlockDifferentOnesKeepTheirOwn) {
    RecentTexts recent;
    std::vector<CompactText> texts;
    for (int i = 0; i < 30; ++i)
        texts.push_back(recent.Text("/home/user/sounds/chime-" + std::to_string(i % 3) + ".wav"));
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(texts[i], "/home/user/sounds/chime-" + std::to_string(i % 3) + ".wav");
        EXPECT_EQ(texts[i].data(), texts[i % 3].data()) << i;
    }
    EXPECT_NE(texts[0].data(), texts[1].data());
}

TEST(CompactText, ComparesByItsBytes) {
    EXPECT_EQ(CompactText("abc"), "abc");
    EXPECT_NE(CompactText("abc"), "abd");
    EXPECT_NE(CompactText("abc"), "abcd");
    EXPECT_EQ(CompactText(), "");
    EXPECT_EQ(CompactText(std::string(20, 'x')), std::string(20, 'x'));
    EXPECT_NE(CompactText(std::string(20, 'x')), CompactText(std::string(21, 'x')));
}

} // namespace
} // namespace nudgery
