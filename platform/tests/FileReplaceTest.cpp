#include "platform/FileReplace.h"
#include "platform/PosixFileIo.h"
#include "platform/testing/TemporaryFolder.h"
#include "platform/testing/TestFiles.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;
using platform::testing::ReadWholeFile;
using platform::testing::WriteWholeFile;

std::set<std::string> NamesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class FileReplace : public ::testing::Test
{
protected:
    platform::testing::TemporaryFolder temporary;
    const fs::path file = temporary.Path() / "Default.xml";
};

TEST_F(FileReplace, CreatesAndReplacesTheWholeContent)
{
    ASSERT_TRUE(platform::ReplaceFileContents(file.string(), "first, longer content\n"));
    EXPECT_EQ(ReadWholeFile(file), "first, longer content\n");
    ASSERT_TRUE(platform::ReplaceFileContents(file.string(), "second\n"));
    EXPECT_EQ(ReadWholeFile(file), "second\n");
    EXPECT_EQ(NamesIn(temporary.Path()), std::set<std::string>{"Default.xml"}); // no leftovers
}

TEST_F(FileReplace, KeepsTheReplacedFilesPermissions)
{
    WriteWholeFile(file, "old");
    for (const fs::perms permissions : {fs::perms::owner_read | fs::perms::owner_write,
                                        fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all})
    {
        fs::permissions(file, permissions);
        ASSERT_TRUE(platform::ReplaceFileContents(file.string(), "new"));
        EXPECT_EQ(fs::status(file).permissions(), permissions);
    }
}

TEST_F(FileReplace, ReplacesALinksTargetAndKeepsTheLink)
{
    const fs::path shared = temporary.Path() / "shared.xml";
    WriteWholeFile(shared, "old");
    fs::create_symlink(shared, file);
    ASSERT_TRUE(platform::ReplaceFileContents(file.string(), "new"));
    EXPECT_TRUE(fs::is_symlink(file));
    EXPECT_EQ(ReadWholeFile(shared), "new");
}

TEST_F(FileReplace, RefusesWhatCannotBecomeARegularFileAndLeavesItAlone)
{
    // Each case names the path to write; none may be changed or leave a temporary file.
    fs::create_directory(temporary.Path() / "folder");
    fs::create_symlink("/dev/full", temporary.Path() / "full");
    fs::create_symlink(temporary.Path() / "missing", temporary.Path() / "dangling");
    WriteWholeFile(temporary.Path() / "plain", "x");
    const std::set<std::string> before = NamesIn(temporary.Path());

    for (const char* name : {"folder", "full", "dangling", "plain/Default.xml", "absent/Default.xml"})
        EXPECT_FALSE(platform::ReplaceFileContents((temporary.Path() / name).string(), "text")) << name;

    EXPECT_EQ(NamesIn(temporary.Path()), before);
    EXPECT_TRUE(fs::is_directory(temporary.Path() / "folder"));
    EXPECT_EQ(fs::read_symlink(temporary.Path() / "full"), "/dev/full");
    EXPECT_EQ(ReadWholeFile(temporary.Path() / "plain"), "x");
}

TEST(PosixFileIo, WriteAllBytesReportsAFullDisk)
{
    const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(full, 0);
    EXPECT_FALSE(platform::posix::WriteAllBytes(full, "abc", 3));
    close(full);

    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(null, 0);
    EXPECT_TRUE(platform::posix::WriteAllBytes(null, "abc", 3));
    close(null);
}

} // namespace
