#include "model/CodeplugImage.h"

#include <gtest/gtest.h>

#include <stdexcept>

using program::CodeplugImage;

TEST(CodeplugImage, StartsErasedAndChecksEveryRange) {
    CodeplugImage image;
    for (auto b : image.bytes())
        ASSERT_EQ(b, 0xFF);
    EXPECT_THROW(image.at(4096), std::out_of_range);
    EXPECT_THROW(image.range(4090, 7), std::out_of_range);
    EXPECT_THROW(image.range(SIZE_MAX, 2), std::out_of_range);
    EXPECT_NO_THROW(image.range(4088, 8));
    EXPECT_NO_THROW(image.range(4096, 0));
}
