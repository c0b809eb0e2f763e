#include "link/diagnosis/ConnectionCheck.h"

#include "support/FakeSerialLink.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>

using namespace program;
using namespace program::diagnosis;
using testsupport::FakeSerialLink;
using testsupport::radioFaults;
using testsupport::RecordingRadio;

namespace {

namespace fs = std::filesystem;

// A folder laid out like a system with a CH340 cable on /dev/ttyUSB0, seen by a user
// "alice" who is in the device's group.
class ConnectionCheckTest : public ::testing::Test {
protected:
    ConnectionCheckTest() {
        put("/dev/ttyUSB0", "");
        fs::permissions(root / "dev/ttyUSB0", fs::perms(0660));
        struct stat status {};
        ::stat((root / "dev/ttyUSB0").c_str(), &status);
        deviceGid = status.st_gid;
        const std::string usb = "/sys/devices/pci0000:00/usb1/1-1";
        put(usb + "/idVendor", "1a86\n");
        put(usb + "/idProduct", "7523\n");
        put(usb + "/product", "USB Serial\n");
        put(usb + "/manufacturer", "QinHeng Electronics\n");
        put("/sys/bus/usb-serial/drivers/ch341-uart/bind", "");
        fs::create_directories(root / ("." + usb + "/1-1:1.0/ttyUSB0"));
        fs::create_directory_symlink("../../../../../../bus/usb-serial/drivers/ch341-uart",
                                     root / ("." + usb + "/1-1:1.0/ttyUSB0/driver"));
        put("/sys/class/tty/ttyUSB0/dev", "188:0\n");
        fs::create_directory_symlink("../../../devices/pci0000:00/usb1/1-1/1-1:1.0/ttyUSB0",
                                     root / "sys/class/tty/ttyUSB0/device");
        fs::create_directories(root / "dev/serial/by-id");
        fs::create_symlink("../../ttyUSB0",
                           root / "dev/serial/by-id/usb-1a86_USB_Serial-if00-port0");
        fs::create_directories(root / "var/lock");
        group("alice");
        process(1, "systemd");
    }

    void put(const std::string& absolute, const std::string& text) {
        const fs::path path = root / ("." + absolute);
        fs::create_directories(path.parent_path());
        std::ofstream(path) << text;
    }
    void group(const std::string& members) {
        put("/etc/group", "dialout:x:" + std::to_string(deviceGid) + ":" + members +
                              "\nmalformed line\nroot:x:0:\n");
    }
    void process(int pid, const std::string& name, const std::string& openFile = {}) {
        put("/proc/" + std::to_string(pid) + "/comm", name + "\n");
        fs::create_directories(root / ("proc/" + std::to_string(pid) + "/fd"));
        if (!openFile.empty())
            fs::create_symlink(openFile, root / ("proc/" + std::to_string(pid) + "/fd/3"));
    }
    SystemView view(bool inGroup = true) const {
        UserIdentity alice{1000, "alice", {1000}};
        if (inGroup)
            alice.groups.push_back(deviceGid);
        return SystemView(root.path(), alice);
    }
    PortDiagnosis check(const SystemView& system, const std::string& device = "/dev/ttyUSB0") {
        FakeSerialLink link(radio);
        ProbeHost host;
        PortDiagnosis result = checkPort(system, link, host, device, {});
        opened = !link.events.empty();
        EXPECT_FALSE(link.isOpen());
        return result;
    }
    static const Check& of(const PortDiagnosis& diagnosis, CheckKind kind) {
        for (const Check& check : diagnosis.checks)
            if (check.kind == kind)
                return check;
        throw std::logic_error("no such check");
    }
    static bool says(const BilingualText& text, const std::string& part) {
        return text.english.find(part) != std::string::npos && !text.chinese.empty();
    }

    testsupport::TempDir root;
    unsigned deviceGid = 0;
    RecordingRadio radio;
    bool opened = false;
};

TEST_F(ConnectionCheckTest, AGoodCableNamesWhatItIsAndTheRadioAnswersTwiceWithoutBlocks) {
    const PortDiagnosis result = check(view());
    EXPECT_EQ(result.checks.size(), 10u);
    for (const Check& check : result.checks)
        EXPECT_NE(check.verdict, Verdict::Problem) << check.finding.english;
    const Check& identity = of(result, CheckKind::Identity);
    EXPECT_TRUE(says(identity.finding, "USB Serial, USB 1a86:7523 (QinHeng Electronics)"));
    EXPECT_TRUE(says(identity.finding, "driver ch341-uart"));
    EXPECT_TRUE(says(identity.finding, "usb-1a86_USB_Serial-if00-port0"));
    EXPECT_EQ(result.facts.portNumber, 1);
    ASSERT_TRUE(result.radioAnswered());
    EXPECT_EQ(result.radio->model, 'U');
    EXPECT_TRUE(says(of(result, CheckKind::Radio).finding, "model U, 136-174 MHz"));
    EXPECT_EQ(of(result, CheckKind::Again).verdict, Verdict::Passed);
    // Identified twice, never confirmed: no block was read or written.
    EXPECT_EQ(radio.identifications, 2);
    EXPECT_TRUE(radio.blocksRead.empty() && radio.blocksWritten.empty());
    EXPECT_NE(result.traffic.front().find("open /dev/ttyUSB0"), std::string::npos);
}

TEST_F(ConnectionCheckTest, AUserOutsideTheGroupIsToldTheCommandAndANewGroupNeedsANewLogin) {
    group("");
    PortDiagnosis result = check(view(false));
    const Check& refused = of(result, CheckKind::Permission);
    EXPECT_EQ(refused.verdict, Verdict::Problem);
    EXPECT_TRUE(says(refused.fix, "sudo usermod -aG dialout alice"));
    EXPECT_FALSE(opened);
    EXPECT_EQ(of(result, CheckKind::Radio).verdict, Verdict::NotApplicable);

    group("bob,alice");
    result = check(view(false));
    EXPECT_TRUE(says(of(result, CheckKind::Permission).finding, "after this login began"));
    EXPECT_TRUE(says(of(result, CheckKind::Permission).fix, "newgrp dialout"));
}

TEST_F(ConnectionCheckTest, AHeldPortNamesItsHolderAndIsLeftAlone) {
    put("/var/lock/LCK..ttyUSB0", "      4242\n");
    process(4242, "minicom");
    PortDiagnosis result = check(view());
    EXPECT_TRUE(says(of(result, CheckKind::LockFile).finding, "minicom (process 4242)"));
    EXPECT_TRUE(says(of(result, CheckKind::LockFile).fix, "kill 4242"));
    EXPECT_FALSE(opened);

    // A lock left by a process that is gone does not count.
    put("/var/lock/LCK..ttyUSB0", "      4343\n");
    process(612, "ModemManager", "/dev/ttyUSB0");
    result = check(view());
    EXPECT_EQ(of(result, CheckKind::LockFile).verdict, Verdict::Passed);
    EXPECT_TRUE(says(of(result, CheckKind::OpenBy).finding, "ModemManager (process 612) has it"));
    EXPECT_TRUE(says(of(result, CheckKind::OpenBy).fix, "sudo systemctl stop ModemManager"));
    EXPECT_FALSE(opened);
}

TEST_F(ConnectionCheckTest, BrlttysRuleAndAModemManagerNotToldToIgnoreTheCableAreProblems) {
    radio.setFaults(radioFaults({"silent"}));
    put("/usr/lib/udev/rules.d/85-brltty.rules",
        "# ENV{PRODUCT}==\"1a86/7523/*\", a comment\n"
        "ENV{PRODUCT}==\"403/6001/*\", GOTO=\"brltty_usb_run\"\n"
        "ENV{PRODUCT}==\"1a86/7523/*\", ENV{BRLTTY_BRAILLE_DRIVER}=\"bm\"\n");
    process(612, "ModemManager");
    PortDiagnosis result = check(view());
    const Check& brltty = of(result, CheckKind::Brltty);
    EXPECT_EQ(brltty.verdict, Verdict::Problem);
    EXPECT_TRUE(says(brltty.finding, "85-brltty.rules:3"));
    EXPECT_TRUE(says(brltty.fix, "sudo apt remove brltty"));
    EXPECT_EQ(of(result, CheckKind::ModemManager).verdict, Verdict::Problem);
    EXPECT_TRUE(says(of(result, CheckKind::ModemManager).fix, "ID_MM_DEVICE_IGNORE"));

    put("/etc/udev/rules.d/99-radio.rules",
        "ATTRS{idVendor}==\"1A86\", ATTRS{idProduct}==\"7523\", ENV{ID_MM_DEVICE_IGNORE}=\"1\"\n");
    EXPECT_EQ(of(check(view()), CheckKind::ModemManager).verdict, Verdict::Passed);
}

TEST_F(ConnectionCheckTest, WithoutSysfsOrProcThoseChecksSayWhyAndTheRadioIsStillAsked) {
    fs::remove_all(root / "sys");
    fs::remove_all(root / "proc");
    const PortDiagnosis result = check(view());
    EXPECT_TRUE(says(of(result, CheckKind::Identity).finding, "no /sys/class/tty"));
    EXPECT_TRUE(says(of(result, CheckKind::OpenBy).finding, "no /proc"));
    EXPECT_EQ(of(result, CheckKind::ModemManager).verdict, Verdict::NotApplicable);
    EXPECT_TRUE(result.radioAnswered());
}

TEST_F(ConnectionCheckTest, SilenceGarbleAndAnUnsteadyLineEachGetTheirFinding) {
    struct Case {
        const char* fault;
        CheckKind kind;
        const char* finding;
    };
    for (const Case& c : {Case{"silent", CheckKind::Radio, "after 15 wake attempts"},
                          Case{"bad-identity", CheckKind::Radio, "5A 38 38 38 00 13 17 64"},
                          Case{"wake-only=2", CheckKind::Again, "after 2 wake attempts"}}) {
        radio.setFaults(radioFaults({c.fault}));
        const PortDiagnosis result = check(view());
        EXPECT_EQ(of(result, c.kind).verdict, Verdict::Problem) << c.fault;
        EXPECT_TRUE(says(of(result, c.kind).finding, c.finding))
            << of(result, c.kind).finding.english;
        EXPECT_FALSE(of(result, c.kind).fix.english.empty());
    }
}

TEST_F(ConnectionCheckTest, AMissingDeviceIsAProblemAndNothingIsOpened) {
    const PortDiagnosis result = check(view(), "/dev/ttyUSB1");
    EXPECT_EQ(of(result, CheckKind::Device).verdict, Verdict::Problem);
    EXPECT_EQ(result.facts.portNumber, 2);
    EXPECT_FALSE(opened);
    EXPECT_EQ(usbSerialPorts(view()), std::vector<std::string>{"/dev/ttyUSB0"});
}

TEST(ProbeHostTest, AStopEndsTheProbeAndClosesThePort) {
    RecordingRadio radio(program::sim::factoryFreshMemory(), radioFaults({"silent"}));
    FakeSerialLink link(radio);
    ProbeHost host;
    host.requestStop();
    const auto answers = identifyRadio(link, host, "/dev/ttyUSB0");
    EXPECT_EQ(answers.front().outcome, RadioAnswer::Outcome::Stopped);
    EXPECT_FALSE(link.isOpen());
}

} // namespace
