#pragma once

#include "model/CodeplugImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>

namespace testsupport {

inline program::CodeplugImage randomImage(std::mt19937& random) {
    program::CodeplugImage image;
    for (auto& byte : image.bytes())
        byte = std::uint8_t(random());
    return image;
}

// The bits of `at` an editor owns, as a mask; bytes not listed are not its own.
using Ownership = std::map<std::size_t, std::uint8_t>;

// store(load(image)) keeps every bit the editor does not own, and a second round
// changes nothing: what the dialog shows after OK is what it showed before.
template <class Load, class Store>
void expectOwnsOnly(Load load, Store store, const Ownership& owned) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const program::CodeplugImage image = randomImage(random);
        program::CodeplugImage stored = image;
        store(load(image), stored);
        for (std::size_t at = 0; at < program::CodeplugImage::Size; ++at) {
            const auto it = owned.find(at);
            const std::uint8_t mask = it == owned.end() ? 0 : it->second;
            ASSERT_EQ(image.at(at) & ~mask, stored.at(at) & ~mask) << "byte " << std::hex << at;
        }
        EXPECT_TRUE(load(stored) == load(image));
        program::CodeplugImage again = stored;
        store(load(stored), again);
        EXPECT_TRUE(again == stored);
    }
}

// Every bit of [first, end) is the editor's.
inline void ownAll(Ownership& owned, std::size_t first, std::size_t end) {
    for (std::size_t at = first; at < end; ++at)
        owned[at] = 0xFF;
}

} // namespace testsupport
