#include "IniFileTestSupport.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>

using program::IniFile;
using testsupport::readText;
using testsupport::writeText;
namespace fs = std::filesystem;

namespace {

class IniFileOnDisk : public ::testing::Test, protected testsupport::IniFixture {};

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    return names;
}

// Changes the working folder for one test and goes back afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const fs::path& folder) : m_old(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingFolder() { fs::current_path(m_old); }

private:
    fs::path m_old;
};

TEST_F(IniFileOnDisk, OpenLooksBesideTheProgram) {
    writeText(file, "[Setup]\nLanguage=Chinese\n");
    fs::create_directory(dir / "elsewhere");
    WorkingFolder cwd(dir / "elsewhere");

    IniFile besideProgram;
    ASSERT_TRUE(besideProgram.Open("Program.ini", false, true, "../Program"));
    EXPECT_EQ(besideProgram.GetString("Setup", "Language"), "Chinese");
    // Made absolute at once, so a later change of folder does not move the file.
    EXPECT_EQ(besideProgram.path(), fs::absolute("../Program.ini"));

    IniFile inWorkingFolder;
    ASSERT_TRUE(inWorkingFolder.Open("Program.ini", false, true, "Program"));
    EXPECT_EQ(inWorkingFolder.path(), dir / "elsewhere" / "Program.ini");
    EXPECT_TRUE(fs::exists(dir / "elsewhere" / "Program.ini"));
}

TEST_F(IniFileOnDisk, MissingFileIsCreatedEmptyAndStaysEmptyWhenNothingIsWritten) {
    {
        IniFile ini;
        ASSERT_TRUE(ini.Open("Program.ini", true, true, (dir / "Program").string()));
        EXPECT_TRUE(fs::exists(file));
        EXPECT_EQ(ini.GetString("Setup", "EnableSql", "0"), "0");
        ini.WriteString("Setup", "EnableSql", "0");
        ini.RemoveSection("Setup"); // a change undone still leaves nothing to write
    }
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(IniFileOnDisk, SavesOnCloseOrBeforeLoadingAnotherFileOnlyWhenDirty) {
    const std::string original = "[Setup]\n; keep me\nEnableSql=1\n";
    for (bool saveOnClose : {true, false}) {
        IniFile ini;
        open(ini, original, true, saveOnClose);
        ini.WriteString("Setup", "EnableSql", saveOnClose ? "1" : "0");
    }
    EXPECT_EQ(readText(file), original) << "clean, or not asked to save";
    {
        IniFile ini;
        open(ini, original, true, /*saveOnClose=*/true);
        ini.WriteString("Setup", "EnableSql", "0");
    }
    EXPECT_EQ(readText(file), "[Setup]\r\nEnableSql=0\r\n");

    IniFile ini;
    open(ini, "[Setup]\n");
    ini.WriteString("Setup", "Language", "English");
    ASSERT_TRUE(ini.Load(dir / "Other.ini"));
    EXPECT_EQ(readText(file), "[Setup]\r\nLanguage=English\r\n");
    EXPECT_EQ(ini.GetString("Setup", "Language", "none"), "none");
}

TEST_F(IniFileOnDisk, UnreadableFileLeavesAnEmptyObject) {
    fs::create_directory(dir / "Folder.ini");
    for (const fs::path& path : {dir / "Folder.ini", dir / "missing" / "Program.ini"}) {
        IniFile ini;
        open(ini, "[Setup]\nLanguage=English\n");
        EXPECT_FALSE(ini.Load(path)) << path;
        EXPECT_TRUE(ini.path().empty());
        EXPECT_EQ(ini.GetString("Setup", "Language", "def"), "def");
        EXPECT_FALSE(ini.WriteString("Setup", "Language", "Chinese"));
        EXPECT_FALSE(ini.isDirty());
    }
}

TEST_F(IniFileOnDisk, SaveKeepsPermissionsAndFollowsALink) {
    fs::create_directory(dir / "real");
    writeText(dir / "real" / "Program.ini", "[Setup]\n");
    fs::permissions(dir / "real" / "Program.ini",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/Program.ini", file);

    IniFile ini;
    ASSERT_TRUE(ini.Load(file));
    ini.WriteString("Setup", "Language", "English");
    ASSERT_TRUE(ini.Save());

    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(readText(dir / "real" / "Program.ini"), "[Setup]\r\nLanguage=English\r\n");
    EXPECT_EQ(fs::status(dir / "real" / "Program.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(folderEntries(dir / "real"), std::vector<std::string>{"Program.ini"});
}

TEST_F(IniFileOnDisk, CanSaveOnlyWhereTheFileCanBeReplaced) {
    IniFile never;
    EXPECT_FALSE(never.canSave());

    fs::create_directory(dir / "program");
    IniFile ini;
    ASSERT_TRUE(ini.Load(dir / "program" / "Program.ini"));
    EXPECT_TRUE(ini.canSave());
    // The program's folder has gone: nothing can be written there any more.
    fs::remove_all(dir / "program");
    EXPECT_FALSE(ini.canSave());
}

TEST_F(IniFileOnDisk, AFullDiskLeavesTheOldFileAsItWas) {
    const std::string original = "[Setup]\nLanguage=English\n";
    IniFile ini;
    open(ini, original);
    ini.WriteString("Setup", "Copyrights", std::string(4096, 'c'));

    bool saved = true;
    {
        testsupport::FileSizeLimit fullDisk(1024);
        saved = ini.Save();
    }

    EXPECT_FALSE(saved);
    EXPECT_TRUE(ini.isDirty());
    EXPECT_EQ(readText(file), original);
    EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"Program.ini"});

    EXPECT_TRUE(ini.Save()) << "the next save, with room on the disk, goes through";
    EXPECT_EQ(ini.GetString("Setup", "Copyrights").size(), 4096u);
}

} // namespace
