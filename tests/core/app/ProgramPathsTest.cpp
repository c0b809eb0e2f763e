#include "app/ProgramPaths.h"

#include "support/EnvironmentVariable.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using program::ProgramPaths;
using testsupport::EnvironmentVariable;
using testsupport::slurp;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// An installed tree: <prefix>/bin/Program, <prefix>/share/program with the
// default settings and a pack, and the user's configuration folder.
struct InstalledTree {
    testsupport::TempDir dir;
    fs::path bin = dir / "usr" / "bin";
    fs::path share = dir / "usr" / "share" / "program";
    fs::path userFile = dir / "config" / "Program" / "Program.ini";

    InstalledTree() {
        fs::create_directories(bin);
        writeFile(share / "Program.ini", "[Setup]\r\nLanguage=Chinese\r\n");
        writeFile(share / "English.rcc", "pack");
    }
    ProgramPaths locate() const {
        return program::locateProgramFiles(bin / "Program", dir / "config");
    }
};

} // namespace

TEST(ProgramPaths, AWritableProgramIniBesideTheExecutableMakesTheProgramPortable) {
    InstalledTree tree;
    writeFile(tree.bin / "Program.ini", "[Setup]\r\n");
    writeFile(tree.bin / "English.rcc", "own pack");
    const ProgramPaths paths = tree.locate();
    EXPECT_TRUE(paths.portable);
    EXPECT_EQ(paths.settingsToRead(), tree.bin / "Program.ini");
    EXPECT_EQ(paths.resource("English.rcc"), tree.bin / "English.rcc");
    fs::remove(tree.bin / "English.rcc");
    EXPECT_EQ(paths.resource("English.rcc"), tree.share / "English.rcc");
    // A file found nowhere is named where a portable program keeps it.
    EXPECT_EQ(paths.resource("startup.bmp"), tree.bin / "startup.bmp");
    EXPECT_FALSE(program::createUserSettings(paths));
    EXPECT_FALSE(fs::exists(tree.userFile));
}

TEST(ProgramPaths, InstalledTheUserGetsACopyOfTheDefaultOnce) {
    InstalledTree tree;
    const ProgramPaths paths = tree.locate();
    EXPECT_FALSE(paths.portable);
    EXPECT_EQ(paths.settingsFile, tree.userFile);
    EXPECT_EQ(paths.resource("startup.bmp"), tree.share / "startup.bmp");
    // Until the copy exists, readers such as program-cli take the default.
    EXPECT_EQ(paths.settingsToRead(), tree.share / "Program.ini");

    ASSERT_FALSE(program::createUserSettings(paths));
    EXPECT_EQ(slurp(tree.userFile), "[Setup]\r\nLanguage=Chinese\r\n");
    EXPECT_EQ(paths.settingsToRead(), tree.userFile);
    // The user's own values are never replaced by the default again.
    writeFile(tree.userFile, "[Setup]\r\nLanguage=English\r\n");
    ASSERT_FALSE(program::createUserSettings(tree.locate()));
    EXPECT_EQ(slurp(tree.userFile), "[Setup]\r\nLanguage=English\r\n");
}

TEST(ProgramPaths, WithoutADefaultTheCopyStartsEmptyAndWithoutAHomeThereIsNone) {
    InstalledTree tree;
    fs::remove(tree.share / "Program.ini");
    ASSERT_FALSE(program::createUserSettings(tree.locate()));
    EXPECT_EQ(slurp(tree.userFile), "");

    const ProgramPaths homeless = program::locateProgramFiles(tree.bin / "Program", {});
    EXPECT_TRUE(program::createUserSettings(homeless).has_value());
}

TEST(ProgramPaths, ConfigurationFolderFollowsTheBaseDirectoryRules) {
    EnvironmentVariable home("HOME", "/home/radio");
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        EnvironmentVariable config("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(program::userConfigFolder(), fs::path("/home/radio/.config"));
    }
    EnvironmentVariable config("XDG_CONFIG_HOME", "/srv/config");
    EXPECT_EQ(program::userConfigFolder(), fs::path("/srv/config"));
}
