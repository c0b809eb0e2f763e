#include "service/SoftwareInfo.h"
#include "channels/BandLimitBlock.h"
#include "model/FactoryDefaults.h"
#include "support/CodecOwnership.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::service;
using S = SoftwareInfo;

namespace {

CodeplugImage withLimits(int band, int l1, int h1, int l2, int h2) {
    CodeplugImage image = factoryDefaults();
    image.set(0xFD1, static_cast<std::uint8_t>(band));
    constexpr std::int64_t MHz = 100000;
    writeBandLimitBlock({l1 * MHz, h1 * MHz, l2 * MHz, h2 * MHz}, image);
    return image;
}

S values(int band, std::array<int, 4> limits) {
    S v;
    v.freqBand = v.appliedBand = band;
    v.limits = limits;
    return v;
}

using Limits = std::array<int, 4>;

} // namespace

TEST(SoftwareInfoLoad, EntriesThatDoNotExistShowTheFirstOne) {
    const CodeplugImage image = withLimits(0xFF, 136, 174, 400, 520);
    ASSERT_EQ(image.at(0xFD0), 0xFF);
    const S shown = loadSoftwareInfo(image);
    EXPECT_EQ(shown.company, 0);
    EXPECT_EQ(shown.freqBand, S::NoBand);
    EXPECT_EQ(shown.limits, (Limits{136, 174, 400, 520}));
}

TEST(SoftwareInfoLoad, ImplausibleLimitsShowTheBandsPresets) {
    // V Section: a V pair outside 136 ... 174, or low above high, resets all four.
    for (const Limits vPair : {Limits{100, 174}, Limits{140, 500}, Limits{170, 150}})
        EXPECT_EQ(loadSoftwareInfo(withLimits(S::VSection, vPair[0], vPair[1], 400, 480)).limits,
                  (Limits{136, 174, 136, 174}));
    // A V pair within the band leaves the other pair alone.
    EXPECT_EQ(loadSoftwareInfo(withLimits(S::VSection, 140, 150, 400, 480)).limits,
              (Limits{140, 150, 400, 480}));
    // U Section.
    EXPECT_EQ(loadSoftwareInfo(withLimits(S::USection, 136, 174, 300, 480)).limits,
              (Limits{400, 520, 400, 520}));
    // Both bands: each pair on its own. 350 is the lowest U limit there is.
    EXPECT_EQ(loadSoftwareInfo(withLimits(S::UVSection, 130, 174, 350, 480)).limits,
              (Limits{136, 174, 350, 480}));
    EXPECT_EQ(loadSoftwareInfo(withLimits(S::NoBand, 136, 174, 400, 600)).limits,
              (Limits{136, 174, 400, 520}));
    EXPECT_EQ(loadSoftwareInfo(withLimits(S::UVSection, 136, 174, 480, 400)).limits,
              (Limits{136, 174, 400, 520}));
    // The program's band limits are those of the block, before the check.
    EXPECT_EQ(loadedBandLimits(withLimits(S::VSection, 100, 174, 400, 480)).vLower, 10000000);
}

TEST(SoftwareInfoBand, ChoosingABandSetsItsPresetsAndSwitchesPairsOff) {
    S v = loadSoftwareInfo(withLimits(S::NoBand, 140, 150, 410, 420));
    chooseBand(v, S::VSection);
    EXPECT_EQ(v.limits, (Limits{136, 174, 136, 174}));
    EXPECT_TRUE(limitEnabled(v, S::LowFreq1));
    EXPECT_FALSE(limitEnabled(v, S::LowFreq2));
    EXPECT_FALSE(limitEnabled(v, S::HighFreq2));

    chooseBand(v, S::UVSection);
    EXPECT_EQ(v.limits, (Limits{136, 174, 400, 520}));
    EXPECT_TRUE(limitEnabled(v, S::HighFreq1) && limitEnabled(v, S::HighFreq2));

    chooseBand(v, S::USection);
    EXPECT_EQ(v.limits, (Limits{400, 520, 400, 520}));
    EXPECT_FALSE(limitEnabled(v, S::LowFreq1));

    chooseBand(v, -1); // nothing chosen counts as "None"
    EXPECT_EQ(v.freqBand, S::NoBand);
    EXPECT_EQ(v.limits, (Limits{136, 174, 400, 520}));
}

TEST(SoftwareInfoBand, ChoosingTheAppliedBandAgainChangesNothing) {
    // The load check replaced the U pair; choosing "U + V Section" again keeps
    // what the edits show.
    S v = loadSoftwareInfo(withLimits(S::UVSection, 140, 150, 300, 480));
    ASSERT_EQ(v.limits, (Limits{140, 150, 400, 520}));
    chooseBand(v, S::UVSection);
    EXPECT_EQ(v.limits, (Limits{140, 150, 400, 520}));
}

TEST(SoftwareInfoCheck, SingleBandPairsFollowEachOther) {
    S v = values(S::VSection, {140, 174, 136, 174});
    checkLimit(v, S::LowFreq1);
    EXPECT_EQ(v.limits, (Limits{140, 174, 140, 174}));
    v.limits[S::HighFreq1] = 170;
    checkLimit(v, S::HighFreq1);
    EXPECT_EQ(v.limits, (Limits{140, 170, 140, 170}));
    v.limits[S::LowFreq1] = 175; // above its upper limit
    checkLimit(v, S::LowFreq1);
    EXPECT_EQ(v.limits, (Limits{136, 174, 136, 174}));

    v = values(S::USection, {400, 520, 360, 520});
    checkLimit(v, S::LowFreq2);
    EXPECT_EQ(v.limits, (Limits{360, 520, 360, 520}));
    v.limits[S::LowFreq2] = 340;
    checkLimit(v, S::LowFreq2);
    EXPECT_EQ(v.limits, (Limits{400, 520, 400, 520}));
    // An impossible upper U limit resets only its own pair.
    v = values(S::USection, {360, 500, 360, 530});
    checkLimit(v, S::HighFreq2);
    EXPECT_EQ(v.limits, (Limits{360, 500, 400, 520}));
}

TEST(SoftwareInfoCheck, OtherFittingsResetOnlyAnImpossiblePair) {
    S v = values(S::UVSection, {180, 174, 350, 360});
    checkLimit(v, S::LowFreq2); // valid: nothing follows
    EXPECT_EQ(v.limits, (Limits{180, 174, 350, 360}));
    checkLimit(v, S::HighFreq1);
    EXPECT_EQ(v.limits, (Limits{136, 174, 350, 360}));

    v = values(S::NoBand, {136, 174, 500, 400});
    checkLimit(v, S::LowFreq2);
    EXPECT_EQ(v.limits, (Limits{136, 174, 400, 520}));
}

TEST(SoftwareInfoStore, WritesShadowBlockAndBandLimits) {
    CodeplugImage image = factoryDefaults();
    S v = values(S::UVSection, {136, 174, 400, 520});
    v.company = 2;
    storeSoftwareInfo(v, image);
    const std::uint8_t shadow[] = {0x88, 0x00, 0xAE, 0x00, 0x90, 0x01, 0x08, 0x02};
    const std::uint8_t block[] = {0x13, 0x17, 0x64, 0x40, 0x52, 0x00};
    EXPECT_EQ(image.at(0xFD0), 2);
    EXPECT_EQ(image.at(0xFD1), 3);
    EXPECT_TRUE(std::equal(std::begin(shadow), std::end(shadow), &image.bytes()[0xFD4]));
    EXPECT_TRUE(std::equal(std::begin(block), std::end(block), &image.bytes()[0xFF0]));
    const BandLimits limits = bandLimitsOf(v);
    EXPECT_EQ(limits, (BandLimits{13600000, 17400000, 40000000, 52000000}));
}

// Limits the check replaces on loading are stored as shown; a second round keeps them.
TEST(SoftwareInfoStore, OwnsTheMakerBandShadowAndBandLimitBytes) {
    testsupport::Ownership owned;
    testsupport::ownAll(owned, 0xFD0, 0xFD2);
    testsupport::ownAll(owned, 0xFD4, 0xFDC);
    testsupport::ownAll(owned, 0xFF0, 0xFF6);
    testsupport::expectOwnsOnly(loadSoftwareInfo, storeSoftwareInfo, owned);
}
