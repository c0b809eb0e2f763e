#include "model/DatFile.h"
#include "model/FactoryDefaults.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <optional>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// Whether each fsync of this test program was given a folder, in order.
std::vector<bool> g_syncedFolders;
} // namespace

// Every save of the program goes through this; it records, then syncs for real.
extern "C" int fsync(int fd) {
    struct stat status {};
    g_syncedFolders.push_back(::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode));
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

using namespace program;
using testsupport::readBytes;
using testsupport::TempDir;
using testsupport::writeBytes;

TEST(DatFile, SavedImageLoadsBackByteForByte) {
    TempDir dir;
    CodeplugImage image = factoryDefaults();
    for (std::size_t i = 0; i < 256; ++i)
        image.set(i, static_cast<std::uint8_t>(i));
    ASSERT_FALSE(saveDatFile(dir / "radio.dat", image));

    auto bytes = readBytes(dir / "radio.dat");
    ASSERT_EQ(bytes.size(), 4096u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), image.bytes().begin()));

    auto loaded = loadDatFile(dir / "radio.dat");
    ASSERT_TRUE(loaded.image);
    EXPECT_EQ(*loaded.image, image);
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DatFile, SaveSyncsTheFileThenTheFolderThatNamesIt) {
    TempDir dir;
    g_syncedFolders.clear();
    ASSERT_FALSE(saveDatFile(dir / "radio.dat", factoryDefaults()));
    EXPECT_EQ(g_syncedFolders, (std::vector<bool>{false, true}));
}

TEST(DatFile, RefusesAnyOtherLengthAndSaysWhatItFound) {
    TempDir dir;
    for (std::size_t length : {0u, 1u, 4095u, 4097u, 8192u}) {
        writeBytes(dir / "bad.dat", std::vector<std::uint8_t>(length, 0x12));
        auto loaded = loadDatFile(dir / "bad.dat");
        ASSERT_FALSE(loaded.image) << length;
        ASSERT_TRUE(loaded.error);
        EXPECT_EQ(loaded.error->kind, DatFileError::Kind::WrongLength);
        EXPECT_EQ(loaded.error->foundLength, length);
        const std::string text = describe(*loaded.error);
        EXPECT_NE(text.find(std::to_string(length) + " bytes"), std::string::npos) << text;
        EXPECT_NE(text.find("4096"), std::string::npos) << text;
    }
}

TEST(DatFile, MissingFileAndFolderAreReportedAsCannotOpen) {
    TempDir dir;
    auto missing = loadDatFile(dir / "nothing.dat");
    ASSERT_TRUE(missing.error);
    EXPECT_EQ(missing.error->kind, DatFileError::Kind::CannotOpen);
    EXPECT_NE(describe(*missing.error).find("No such file"), std::string::npos);

    auto folder = loadDatFile(dir.path());
    ASSERT_TRUE(folder.error);
    EXPECT_EQ(folder.error->kind, DatFileError::Kind::CannotOpen);
}

TEST(DatFile, FailedSaveLeavesTheOldFileIntact) {
    TempDir dir;
    const std::vector<std::uint8_t> old(4096, 0x42);
    writeBytes(dir / "radio.dat", old);
    std::optional<DatFileError> error;
    {
        testsupport::FileSizeLimit fullDisk(1000); // the disk fills part way through
        error = saveDatFile(dir / "radio.dat", factoryDefaults());
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, DatFileError::Kind::CannotWrite);
    EXPECT_EQ(readBytes(dir / "radio.dat"), old);
    // No half-written temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(DatFile, SaveIntoMissingFolderFailsCleanly) {
    TempDir dir;
    auto error = saveDatFile(dir / "no-such-folder" / "radio.dat", factoryDefaults());
    ASSERT_TRUE(error);
    EXPECT_NE(describe(*error).find("cannot save"), std::string::npos);
}

TEST(DatFile, SaveKeepsThePermissionsOfTheFileItReplaces) {
    TempDir dir;
    writeBytes(dir / "radio.dat", std::vector<std::uint8_t>(4096, 0));
    ::chmod((dir / "radio.dat").c_str(), 0640);
    ASSERT_FALSE(saveDatFile(dir / "radio.dat", factoryDefaults()));
    struct stat info {};
    ::stat((dir / "radio.dat").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(DatFile, SaveOverAFolderFailsAndLeavesItAlone) {
    TempDir dir;
    std::filesystem::create_directory(dir / "radio.dat");
    writeBytes(dir / "radio.dat" / "inside", {1, 2, 3});
    auto error = saveDatFile(dir / "radio.dat", factoryDefaults());
    ASSERT_TRUE(error);
    EXPECT_EQ(readBytes(dir / "radio.dat" / "inside"), (std::vector<std::uint8_t>{1, 2, 3}));
    // The temporary file was cleaned up.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
