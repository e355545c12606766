// Writing MMS.INI against real faults: a missing folder, a read-only file, a read-only disk
// and a full disk. Each must leave an old MMS.INI byte for byte as it was and no temporary
// file behind, and say what went wrong.
#include <gtest/gtest.h>

#include "model/config_file_writer.h"
#include "support/scoped_mount.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <sys/stat.h>

#include <cstdlib>
#endif

namespace qx {
namespace {

using test::listFolder;
using test::readBytes;
using test::writeBytes;

const std::string kOldContent = "[MMS]\r\nURL=old\r\n";

SettingsRecord someRecord() {
    SettingsRecord record;
    record.APN = "mms";
    record.Phone1 = "0123456789";
    record.Email1 = std::string(3000, 'e') + "@example.com";  // large enough to need more than a page
    return record;
}

TEST(FileFaults, MissingFolder) {
    test::TempDir dir;
    const std::string target = dir.file("no-such-folder/MMS.INI");
    Result<void> written = writeConfigurationFile(someRecord(), target, 1252);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message, "Cannot write \"" + target + "\": the folder \"" + dir.file("no-such-folder") +
                                           "\" does not exist or its drive is not ready. Check the Path and that the "
                                           "card is inserted.");
    EXPECT_EQ(listFolder(dir.path()), "");
}

#ifndef _WIN32
TEST(FileFaults, ReadOnlyFileIsRefusedNotReplaced) {
    test::TempDir dir;
    const std::string target = dir.file("MMS.INI");
    writeBytes(target, kOldContent);
    ::chmod(target.c_str(), 0444);
    Result<void> written = writeConfigurationFile(someRecord(), target, 1252);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message, "Cannot write \"" + target +
                                           "\": the file is read-only. Clear its read-only setting or choose "
                                           "another folder.");
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_EQ(listFolder(dir.path()), "MMS.INI");
}

TEST(FileFaults, ImmutableFileIsRefused) {
    test::TempDir dir;
    const std::string target = dir.file("MMS.INI");
    writeBytes(target, kOldContent);
    if (std::system(("chattr +i '" + target + "' 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "this file system does not take the immutable attribute";
    }
    Result<void> written = writeConfigurationFile(someRecord(), target, 1252);
    [[maybe_unused]] const int ignored = std::system(("chattr -i '" + target + "'").c_str());
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find("the file is read-only"), std::string::npos) << written.error().message;
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_EQ(listFolder(dir.path()), "MMS.INI");
}

TEST(FileFaults, ReadOnlyDisk) {
    test::ScopedTmpfs disk(1 << 20);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    const std::string target = disk.file("MMS.INI");
    writeBytes(target, kOldContent);
    ASSERT_TRUE(disk.makeReadOnly());
    Result<void> written = writeConfigurationFile(someRecord(), target, 1252);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message, "Cannot write \"" + target + "\": the folder \"" + disk.path().string() +
                                           "\" is on a read-only disk or card. Remove the write protection or "
                                           "choose another folder.");
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_EQ(listFolder(disk.path()), "MMS.INI");
}

TEST(FileFaults, FullDisk) {
    test::ScopedTmpfs disk(64 * 1024);
    if (!disk.mounted()) GTEST_SKIP() << disk.why();
    const std::string target = disk.file("MMS.INI");
    writeBytes(target, kOldContent);
    disk.fill();
    Result<void> written = writeConfigurationFile(someRecord(), target, 1252);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message,
              "Cannot write \"" + target + "\": the disk is full. Free some space on it and try again.");
    EXPECT_EQ(readBytes(target), kOldContent);
    EXPECT_EQ(listFolder(disk.path()), "MMS.INI filler");
}
#endif

}  // namespace
}  // namespace qx
