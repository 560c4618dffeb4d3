#pragma once
// Texts put together from parts for the readers' tests, every other one spoiled by a stranger
// word: a word replaced, or one put in.

#include <cstddef>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace nudgery::test {

class SpoiledTexts {
public:
    explicit SpoiledTexts(std::vector<std::string> strangers) : strangers_(std::move(strangers)) {}

    const std::string& Any(const std::vector<std::string>& list) {
        return list[std::uniform_int_distribution<std::size_t>(0, list.size() - 1)(random_)];
    }
    std::mt19937& Random() { return random_; }

    // The words joined with blanks, spoiled first in odd rounds.
    std::string Text(std::vector<std::string> words, int round) {
        if (round % 4 == 1)
            words[static_cast<std::size_t>(round / 4) % words.size()] = Any(strangers_);
        else if (round % 4 == 3)
            words.insert(words.begin() + round / 4 % static_cast<int>(words.size() + 1),
                         Any(strangers_));
        std::string text;
        for (const std::string& word : words)
            text.append(word).append(" ");
        return text;
    }

private:
    std::vector<std::string> strangers_;
    std::mt19937 random_{2025};
};

} // namespace nudgery::test
