#include "link/BlockPlan.h"

#include <gtest/gtest.h>

#include <stdexcept>

using program::Block;
using program::BlockPlan;

TEST(BlockPlan, ServiceDialogPlans) {
    EXPECT_EQ(BlockPlan::parameterAdjust(),
              BlockPlan({{0xFB4, 4}, {0xFB8, 8}, {0xFC0, 8}, {0xFC8, 8}}));
    EXPECT_EQ(BlockPlan::squelchTuning(), BlockPlan({{0xFA0, 8}, {0xFA8, 8}, {0xFB0, 4}}));
    EXPECT_EQ(BlockPlan::softwareInfo(), BlockPlan({{0xFD0, 8}, {0xFD8, 8}, {0xFF0, 6}}));
}

TEST(BlockPlan, RangesAreCutAtEveryMultipleOfEight) {
    EXPECT_EQ(BlockPlan::fromRange(0x003, 0x005), BlockPlan({{0x003, 2}}));
    EXPECT_EQ(BlockPlan::fromRange(0x007, 0x011), BlockPlan({{0x007, 1}, {0x008, 8}, {0x010, 1}}));
    EXPECT_EQ(BlockPlan::fromRange(0xFF8, 0x1000), BlockPlan({{0xFF8, 8}}));
    EXPECT_EQ(BlockPlan::fromRange(0x100, 0x100).size(), 0u);
}

TEST(BlockPlan, RefusesBlocksOutsideTheMemory) {
    EXPECT_THROW(BlockPlan::fromRange(0xFF8, 0x1001), std::invalid_argument);
    EXPECT_THROW(BlockPlan::fromRange(0x20, 0x10), std::invalid_argument);
    EXPECT_THROW(BlockPlan({{0xFFC, 5}}), std::invalid_argument);
    EXPECT_THROW(BlockPlan({{0x000, 0}}), std::invalid_argument);
    EXPECT_THROW(BlockPlan({{0x000, 9}}), std::invalid_argument);
}
