#include "link/BlockPlan.h"

#include "model/CodeplugImage.h"

#include <algorithm>
#include <stdexcept>

namespace program {

BlockPlan::BlockPlan(std::vector<Block> blocks) : m_blocks(std::move(blocks)) {
    for (const Block& block : m_blocks) {
        if (block.length == 0 || block.length > MaxBlockLength ||
            block.address + block.length > CodeplugImage::Size)
            throw std::invalid_argument("block outside the radio memory");
    }
}

BlockPlan BlockPlan::fromRange(std::size_t start, std::size_t end) {
    if (end > CodeplugImage::Size || start > end)
        throw std::invalid_argument("range outside the radio memory");
    std::vector<Block> blocks;
    for (std::size_t address = start; address < end;) {
        const std::size_t length =
            std::min(MaxBlockLength - address % MaxBlockLength, end - address);
        blocks.push_back({static_cast<std::uint16_t>(address), static_cast<std::uint8_t>(length)});
        address += length;
    }
    return BlockPlan(std::move(blocks));
}

BlockPlan BlockPlan::parameterAdjust() {
    return fromRange(0xFB4, 0xFD0);
}

BlockPlan BlockPlan::squelchTuning() {
    return fromRange(0xFA0, 0xFB4);
}

BlockPlan BlockPlan::softwareInfo() {
    return BlockPlan({{0xFD0, 8}, {0xFD8, 8}, {0xFF0, 6}});
}

} // namespace program
