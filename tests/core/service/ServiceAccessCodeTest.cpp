#include "service/ServiceAccessCode.h"

#include <gtest/gtest.h>

using program::service::acceptsServiceCode;

TEST(ServiceAccessCode, LetterCaseDoesNotMatterButEveryCharacterDoes) {
    EXPECT_TRUE(acceptsServiceCode("457QRS"));
    EXPECT_TRUE(acceptsServiceCode("457qrs"));
    EXPECT_FALSE(acceptsServiceCode("457QR"));
    EXPECT_FALSE(acceptsServiceCode("457QRSX"));
    EXPECT_FALSE(acceptsServiceCode(""));
}
