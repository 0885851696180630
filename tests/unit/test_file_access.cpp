// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "common/FileAccess.h"
#include "exercises/PresetExercises.h"
#include "keyboard/LayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace clavora;
using namespace clavora::test;

// The unit tests link with fsync wrapped (tests/CMakeLists.txt), so that a test can make it
// fail as a failing disk does.
static bool fsyncFails = false;
extern "C" int __real_fsync(int fd);
extern "C" int __wrap_fsync(int fd)
{
    if (fsyncFails) {
        errno = EIO;
        return -1;
    }
    return __real_fsync(fd);
}

TEST(FileAccess, OnlyRegularFilesAreRead)
{
    TemporaryFolder folder;
    folder.write("plain.txt", "line one\r\n");
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.path("fifo.txt")).constData(), 0600), 0);
    QFile::link("/dev/zero", folder.path("zero.txt"));
    QFile::link(folder.path("plain.txt"), folder.path("link.txt"));

    struct Case {
        const char* name;
        bool found;
    };
    for (const Case& c : {Case{"plain.txt", true}, Case{"link.txt", true}, Case{"fifo.txt", false},
                          Case{"zero.txt", false}, Case{"missing.txt", false}, Case{".", false}}) {
        EXPECT_EQ(readRegularFile(folder.path(c.name), 100).found, c.found) << c.name;
        // Neither a FIFO nor an endless device may hang the readers built on it.
        EXPECT_EQ(readPresetLine(folder.path(c.name), 1).isEmpty(), !c.found) << c.name;
        EXPECT_EQ(readLayoutFile(folder.path(c.name)).problem == LayoutFileProblem::Unreadable, !c.found) << c.name;
    }
}

TEST(FileAccess, ReadsAreBounded)
{
    TemporaryFolder folder;
    const QString file = folder.write("big.txt", QByteArray(5000, 'x'));
    const BoundedRead whole = readRegularFile(file, 5000);
    EXPECT_FALSE(whole.tooLarge);
    EXPECT_EQ(whole.bytes.size(), 5000);
    const BoundedRead cut = readRegularFile(file, 4999);
    EXPECT_TRUE(cut.tooLarge);
    EXPECT_EQ(cut.bytes.size(), 4999);
}

TEST(FileAccess, SaveReplacesTheFileWholeAndKeepsItsModeAndLinks)
{
    TemporaryFolder folder;
    const QString file = folder.write("a.txt", "old");
    ::chmod(QFile::encodeName(file).constData(), 0640);
    QFile::link(file, folder.path("link.txt"));
    ASSERT_TRUE(saveFileSafely(folder.path("link.txt"), "new contents").ok);
    EXPECT_EQ(folder.read("a.txt"), "new contents");
    EXPECT_TRUE(QFileInfo(folder.path("link.txt")).isSymLink());
    struct stat info {};
    ::stat(QFile::encodeName(file).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    // Nothing but the two files is left in the folder.
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2);
}

TEST(FileAccess, FailedSaveSaysWhyAndKeepsTheOldFile)
{
    TemporaryFolder folder;
    folder.write("a.txt", "old");
    const SaveResult missingFolder = saveFileSafely(folder.path("no/such/a.txt"), "new");
    EXPECT_FALSE(missingFolder.ok);
    EXPECT_EQ(missingFolder.reason, "No such file or directory");
    const SaveResult folderInTheWay = saveFileSafely(folder.path("."), "new");
    EXPECT_FALSE(folderInTheWay.ok);
    EXPECT_FALSE(folderInTheWay.reason.isEmpty());
    // Written but never on the disk: the new file is not put in place.
    fsyncFails = true;
    const SaveResult notOnDisk = saveFileSafely(folder.path("a.txt"), "new");
    fsyncFails = false;
    EXPECT_FALSE(notOnDisk.ok);
    EXPECT_EQ(notOnDisk.reason, "Input/output error");
    EXPECT_EQ(folder.read("a.txt"), "old");
    EXPECT_EQ(QDir(folder.path(".")).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 1);
}
