#include "link/BlockPlan.h"

#include "model/CodeplugImage.h"
#include "model/ImageMap.h"

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

BlockPlan BlockPlan::fromRegion(imagemap::Region region) {
    return fromRange(region.offset, region.end());
}

Block blockOf(imagemap::Region region) {
    if (region.size == 0 || region.size > BlockPlan::MaxBlockLength ||
        region.end() > CodeplugImage::Size)
        throw std::invalid_argument("region is not one block of radio memory");
    return {static_cast<std::uint16_t>(region.offset), static_cast<std::uint8_t>(region.size)};
}

BlockPlan BlockPlan::parameterAdjust() {
    return fromRegion(imagemap::ParameterBlock);
}

BlockPlan BlockPlan::squelchTuning() {
    return fromRegion(imagemap::SquelchTable);
}

BlockPlan BlockPlan::softwareInfo() {
    return BlockPlan({blockOf(imagemap::IdentityFirstHalf), blockOf(imagemap::IdentitySecondHalf),
                      blockOf(imagemap::BandLimitBlock)});
}

} // namespace program
