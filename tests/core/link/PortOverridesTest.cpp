#include "app/IniFile.h"
#include "link/PortNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace program;

namespace {

PortOverrides overridesIn(const std::string& content, bool ignoreCase) {
    testsupport::TempDir dir;
    std::ofstream(dir / "Program.ini", std::ios::binary) << content;
    IniFile settings;
    if (ignoreCase)
        settings.Open("Program.ini", false, true, (dir / "Program").string());
    else
        settings.Load(dir / "Program.ini");
    return portOverridesFrom(settings);
}

} // namespace

TEST(PortOverrides, ComeFromThePortsSectionInAnyLetterCase) {
    const std::string content = "[Setup]\r\nCOM2=/dev/not-a-port\r\n"
                                "[ports]\r\ncom1=/tmp/sim-a\r\nCOM3=\r\nCom12=/tmp/sim-b\r\n"
                                "COM1=/tmp/sim-c\r\nCOM17=/tmp/beyond\r\nCOM0=/tmp/before\r\n"
                                "[Ports]\r\nCOM4=/tmp/second-section\r\n";
    // Whether the file was opened case-blind (the desktop program) or not
    // (program-cli), the same devices come out: the first section, the last key.
    for (bool ignoreCase : {true, false}) {
        SCOPED_TRACE(ignoreCase);
        EXPECT_EQ(overridesIn(content, ignoreCase),
                  (PortOverrides{{1, "/tmp/sim-c"}, {12, "/tmp/sim-b"}}));
    }
    EXPECT_TRUE(overridesIn("[Setup]\r\nCOM1=/tmp/x\r\n", false).empty());
    EXPECT_TRUE(overridesIn("", false).empty());
}
