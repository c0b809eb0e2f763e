#include "link/PortNames.h"

#include <gtest/gtest.h>

using namespace program;

TEST(PortNames, NamesAndNumbersRoundTripIncludingTheDeviceNamespaceForm) {
    EXPECT_EQ(PortName(1), "COM1");
    EXPECT_EQ(PortName(9), "COM9");
    EXPECT_EQ(PortName(10), "\\\\.\\COM10");
    EXPECT_EQ(PortName(16), "\\\\.\\COM16");
    for (int n = FirstPortNumber; n <= LastPortNumber; ++n)
        EXPECT_EQ(portNumberFromName(PortName(n)), n);
    EXPECT_EQ(portNumberFromName("/dev/ttyUSB0"), 0);
    EXPECT_EQ(portNumberFromName(""), 0);
}

TEST(PortNames, DevicesFollowTheTableUnlessTheSettingsSayOtherwise) {
    EXPECT_EQ(devicePathForPort(1), "/dev/ttyUSB0");
    EXPECT_EQ(devicePathForPort(4), "/dev/ttyUSB3");
    EXPECT_EQ(devicePathForPort(5), "/dev/ttyACM0");
    EXPECT_EQ(devicePathForPort(8), "/dev/ttyACM3");
    EXPECT_EQ(devicePathForPort(9), "/dev/ttyS0");
    EXPECT_EQ(devicePathForPort(16), "/dev/ttyS7");
    EXPECT_EQ(devicePathForPort(0), "");
    EXPECT_EQ(devicePathForPort(17), "");

    const PortOverrides overrides{{3, "/tmp/radio-sim"}};
    EXPECT_EQ(devicePathForPort(3, overrides), "/tmp/radio-sim");
    EXPECT_EQ(devicePathForPort(12, overrides), "/dev/ttyS3");
}

namespace {
class MemoryStore : public PortNumberStore {
public:
    std::optional<long long> stored;
    void save(int portNumber) override { stored = portNumber; }

protected:
    std::optional<long long> loadStored() const override { return stored; }
};
} // namespace

TEST(PortNames, StoredNumberDefaultsToOneAndKeepsOnlyItsLowByte) {
    MemoryStore store;
    EXPECT_EQ(store.load(), 1);
    store.save(12);
    EXPECT_EQ(store.load(), 12);
    store.stored = 0x10C;
    EXPECT_EQ(store.load(), 12);
}
