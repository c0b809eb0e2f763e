#pragma once

#include "model/ImageMap.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace program {

// One block of radio memory exchanged with a single command frame.
struct Block {
    std::uint16_t address = 0;
    std::uint8_t length = 0;

    friend bool operator==(const Block&, const Block&) = default;
};

// A region of at most 8 bytes as one block; throws std::invalid_argument otherwise.
Block blockOf(imagemap::Region region);

// The ordered blocks one service read or write exchanges with the radio.
class BlockPlan {
public:
    static constexpr std::size_t MaxBlockLength = 8;

    BlockPlan() = default;
    // Throws std::invalid_argument for a block of 0 or more than 8 bytes, or one
    // that leaves the 4096-byte memory.
    explicit BlockPlan(std::vector<Block> blocks);

    // [start, end) cut at every multiple of 8: each block runs to the next
    // multiple of 8 or to end, whichever comes first. Throws std::invalid_argument
    // when the range leaves the memory.
    static BlockPlan fromRange(std::size_t start, std::size_t end);

    static BlockPlan fromRegion(imagemap::Region region);

    // Parameter Adjust: the parameter block.
    static BlockPlan parameterAdjust();
    // SQL Tuning: the squelch table.
    static BlockPlan squelchTuning();
    // Software Info: the identity block and the band-limit block.
    static BlockPlan softwareInfo();

    const std::vector<Block>& blocks() const { return m_blocks; }
    std::size_t size() const { return m_blocks.size(); }
    auto begin() const { return m_blocks.begin(); }
    auto end() const { return m_blocks.end(); }

    friend bool operator==(const BlockPlan&, const BlockPlan&) = default;

private:
    std::vector<Block> m_blocks;
};

} // namespace program
