#include "SimOptions.h"

#include <gtest/gtest.h>

using namespace program::sim;

TEST(SimOptions, ReadsEveryOptionInBothSpellings) {
    SimOptionsResult parsed = parseSimOptions(
        {"--link", "/tmp/radio", "--image=in.dat", "--dump", "out.dat", "--log=sim.log", "--baud",
         "9600", "--identity", "50 38 38 38 00 40 52 00", "--fault", "no-ack=3",
         "--fault=junk-before-wake", "--fault", "hang-after=0", "--exit-after-session"});
    ASSERT_TRUE(parsed.options) << parsed.error;
    const SimOptions& options = *parsed.options;
    EXPECT_EQ(options.linkPath, "/tmp/radio");
    EXPECT_EQ(options.imagePath, "in.dat");
    EXPECT_EQ(options.dumpPath, "out.dat");
    EXPECT_EQ(options.logPath, "sim.log");
    EXPECT_EQ(options.baud, 9600);
    EXPECT_EQ(options.identity, (RadioIdentity{'P', '8', '8', '8', 0x00, 0x40, 0x52, 0x00}));
    EXPECT_EQ(options.faults.noAckBlock, 3);
    EXPECT_TRUE(options.faults.junkBeforeWake);
    EXPECT_EQ(options.faults.hangAfter, 0);
    EXPECT_TRUE(options.exitAfterSession);
}

TEST(SimOptions, RefusesWhatItCannotUse) {
    for (const std::vector<std::string>& words :
         std::vector<std::vector<std::string>>{{"--link"},
                                               {"--colour", "red"},
                                               {"stray"},
                                               {"--baud", "fast"},
                                               {"--baud", "0"},
                                               {"--identity", "5538383800131764FF"},
                                               {"--identity", "55383838001317"},
                                               {"--identity", "5538383800131G64"},
                                               {"--fault", "gremlins"},
                                               {"--fault", "no-ack=0"},
                                               {"--fault", "no-ack=two"},
                                               {"--fault", "silent=1"}}) {
        SimOptionsResult parsed = parseSimOptions(words);
        EXPECT_FALSE(parsed.options) << words.front();
        EXPECT_FALSE(parsed.error.empty());
    }
}
