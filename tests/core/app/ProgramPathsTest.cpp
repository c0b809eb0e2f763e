#include "app/ProgramPaths.h"

#include "support/RunProgram.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

using program::locateProgramFiles;
using program::ProgramPaths;
using testsupport::slurp;
namespace fs = std::filesystem;

namespace {

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// An installed tree: <prefix>/bin/Program and <prefix>/share/program with the
// default settings and the packs; a configuration folder of the user's own.
struct InstalledTree {
    testsupport::TempDir dir;
    fs::path bin = dir / "usr" / "bin";
    fs::path share = dir / "usr" / "share" / "program";
    fs::path config = dir / "home" / ".config";

    InstalledTree() {
        fs::create_directories(bin);
        writeFile(share / "Program.ini", "[Setup]\r\nLanguage=Chinese\r\n");
        writeFile(share / "English.rcc", "pack");
        writeFile(share / "enHelp.qch", "shared help");
    }
    ProgramPaths locate() const { return locateProgramFiles(bin / "Program", config); }
    fs::path userFile() const { return config / "Program" / "Program.ini"; }
};

// Sets an environment variable for one test and puts the old value back.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name))
            m_old = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvironmentVariable() {
        if (m_old)
            ::setenv(m_name, m_old->c_str(), 1);
        else
            ::unsetenv(m_name);
    }

private:
    const char* m_name;
    std::optional<std::string> m_old;
};

} // namespace

TEST(ProgramPaths, AWritableProgramIniBesideTheExecutableMakesTheProgramPortable) {
    InstalledTree tree;
    writeFile(tree.bin / "Program.ini", "[Setup]\r\n");
    writeFile(tree.bin / "enHelp.qch", "own help");
    const ProgramPaths paths = tree.locate();
    EXPECT_TRUE(paths.portable);
    EXPECT_EQ(paths.settingsFile, tree.bin / "Program.ini");
    EXPECT_EQ(paths.settingsToRead(), tree.bin / "Program.ini");
    // Beside the executable first, then the installed folder; a file in neither
    // belongs beside a portable program.
    EXPECT_EQ(paths.resource("enHelp.qch"), tree.bin / "enHelp.qch");
    EXPECT_EQ(paths.resource("English.rcc"), tree.share / "English.rcc");
    EXPECT_EQ(paths.resource("startup.bmp"), tree.bin / "startup.bmp");
    EXPECT_FALSE(program::createUserSettings(paths));
    EXPECT_FALSE(fs::exists(tree.config));
}

TEST(ProgramPaths, InstalledTheUserGetsACopyOfTheDefaultOnce) {
    InstalledTree tree;
    const ProgramPaths paths = tree.locate();
    EXPECT_FALSE(paths.portable);
    EXPECT_EQ(paths.settingsFile, tree.userFile());
    EXPECT_EQ(paths.defaultSettings, tree.share / "Program.ini");
    EXPECT_EQ(paths.resource("English.rcc"), tree.share / "English.rcc");
    EXPECT_EQ(paths.resource("startup.bmp"), tree.share / "startup.bmp");
    // Until the copy exists, readers take the default.
    EXPECT_EQ(paths.settingsToRead(), tree.share / "Program.ini");

    ASSERT_FALSE(program::createUserSettings(paths));
    EXPECT_EQ(slurp(tree.userFile()), "[Setup]\r\nLanguage=Chinese\r\n");
    EXPECT_EQ(paths.settingsToRead(), tree.userFile());
    // The user's own values are never replaced by the default again.
    writeFile(tree.userFile(), "[Setup]\r\nLanguage=English\r\n");
    ASSERT_FALSE(program::createUserSettings(tree.locate()));
    EXPECT_EQ(slurp(tree.userFile()), "[Setup]\r\nLanguage=English\r\n");
    EXPECT_EQ(slurp(tree.share / "Program.ini"), "[Setup]\r\nLanguage=Chinese\r\n");
}

TEST(ProgramPaths, AProgramIniTheUserCannotWriteIsTheDefaultOfTheUsersCopy) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes every file";
    InstalledTree tree;
    writeFile(tree.bin / "Program.ini", "[Setup]\r\nLanguage=English\r\n");
    fs::permissions(tree.bin / "Program.ini", fs::perms::owner_read);
    const ProgramPaths paths = tree.locate();
    EXPECT_FALSE(paths.portable);
    EXPECT_EQ(paths.defaultSettings, tree.bin / "Program.ini");
    ASSERT_FALSE(program::createUserSettings(paths));
    EXPECT_EQ(slurp(tree.userFile()), "[Setup]\r\nLanguage=English\r\n");
}

TEST(ProgramPaths, WithoutADefaultOrAHomeFolder) {
    InstalledTree tree;
    fs::remove(tree.share / "Program.ini");
    ASSERT_FALSE(program::createUserSettings(tree.locate()));
    EXPECT_TRUE(fs::exists(tree.userFile()));
    EXPECT_EQ(fs::file_size(tree.userFile()), 0u);

    const ProgramPaths homeless = locateProgramFiles(tree.bin / "Program", {});
    EXPECT_TRUE(homeless.settingsFile.empty());
    EXPECT_TRUE(program::createUserSettings(homeless).has_value());
}

TEST(ProgramPaths, ConfigurationFolderFollowsTheBaseDirectoryRules) {
    EnvironmentVariable home("HOME", "/home/radio");
    {
        EnvironmentVariable config("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(program::userConfigFolder(), fs::path("/srv/config"));
    }
    for (const char* ignored : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        EnvironmentVariable config("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(program::userConfigFolder(), fs::path("/home/radio/.config"));
    }
    EnvironmentVariable noHome("HOME", nullptr);
    EnvironmentVariable noConfig("XDG_CONFIG_HOME", nullptr);
    EXPECT_TRUE(program::userConfigFolder().empty());
}
