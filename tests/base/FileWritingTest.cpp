#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <string>

#include "base/FileWriting.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

namespace ql::test {
namespace {

namespace fs = std::filesystem;

// Every name in the folder, so a stray temporary file shows up.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A save as the document makes it, flushed to the disk unless told otherwise.
FileSaveResult Save(const fs::path& path, std::string_view text,
                    Durability durability = Durability::Flushed) {
    return SaveFile(path, text, durability);
}

struct stat Stat(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

TEST(SaveFile, ReplacesTheFileWholeAndLeavesNothingBeside) {
    TempDir dir;
    const fs::path file = dir.File("data.icf");
    ASSERT_TRUE(Save(file, "a long first version\r\n").Ok());
    ASSERT_TRUE(Save(file, "short\r\n", Durability::Deferred).Ok());
    EXPECT_EQ(ReadFileBytes(file), "short\r\n");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"data.icf"});
}

TEST(SaveFile, WritesThroughSymbolicLinksAndKeepsThem) {
    TempDir dir;
    fs::create_directory(dir.File("real"));
    const fs::path target = dir.File("real") / "radio.icf";
    WriteFileBytes(target, "old");
    // A relative link to a relative link: each counts from its own folder.
    fs::create_symlink("real/radio.icf", dir.File("first"));
    fs::create_symlink("first", dir.File("second"));
    ASSERT_TRUE(Save(dir.File("second"), "new").Ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("second")));
    EXPECT_TRUE(fs::is_symlink(dir.File("first")));
    EXPECT_EQ(ReadFileBytes(target), "new");
    EXPECT_EQ(Names(dir.File("real")), std::vector<std::string>{"radio.icf"});

    // A dangling link names the file to create.
    fs::create_symlink(dir.File("real") / "later.icf", dir.File("dangling"));
    ASSERT_TRUE(Save(dir.File("dangling"), "created").Ok());
    EXPECT_TRUE(fs::is_symlink(dir.File("dangling")));
    EXPECT_EQ(ReadFileBytes(dir.File("real") / "later.icf"), "created");

    fs::create_symlink("loop-b", dir.File("loop-a"));
    fs::create_symlink("loop-a", dir.File("loop-b"));
    const FileSaveResult loop = Save(dir.File("loop-a"), "x");
    EXPECT_EQ(loop.failure, SaveFailure::System);
    EXPECT_EQ(loop.error, ELOOP);
}

TEST(SaveFile, FollowsNoLinkPlantedByAnotherUserInASharedFolder) {
    if (::geteuid() != 0) GTEST_SKIP() << "making a link of another user needs root";
    TempDir dir;
    const fs::path shared = dir.File("shared");
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const fs::path victim = dir.File("victim.icf");
    WriteFileBytes(victim, "mine");
    const fs::path planted = shared / "save-here.icf";
    fs::create_symlink(victim, planted);
    ASSERT_EQ(::lchown(planted.c_str(), 65534, 65534), 0);
    const FileSaveResult result = Save(planted, "overwritten");
    EXPECT_EQ(result.error, EACCES);
    EXPECT_EQ(ReadFileBytes(victim), "mine");
    EXPECT_TRUE(fs::is_symlink(planted));

    // The user's own link there is followed.
    ASSERT_EQ(::lchown(planted.c_str(), 0, 0), 0);
    EXPECT_TRUE(Save(planted, "saved").Ok());
    EXPECT_EQ(ReadFileBytes(victim), "saved");
}

TEST(SaveFile, RefusesWhatIsNoRegularFile) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    fs::create_directory(dir.File("folder"));
    fs::create_symlink(dir.File("fifo"), dir.File("to-fifo"));
    for (const char* name : {"fifo", "folder", "to-fifo"}) {
        const FileSaveResult result = Save(dir.File(name), "data");
        EXPECT_EQ(result.failure, SaveFailure::NotRegularFile) << name;
        EXPECT_EQ(result.Cause(), "not a regular file");
    }
    EXPECT_EQ(Stat(dir.File("fifo")).st_mode & S_IFMT, S_IFIFO);
    EXPECT_TRUE(fs::is_symlink(dir.File("to-fifo")));

    // A device node of its own (as root), standing for /dev/null, which must never be replaced.
    if (::mknod(dir.File("null").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0) {
        EXPECT_EQ(Save(dir.File("null"), "data").failure, SaveFailure::NotRegularFile);
        EXPECT_EQ(Stat(dir.File("null")).st_mode & S_IFMT, S_IFCHR);
    }
    std::vector<std::string> expected = {"fifo", "folder", "to-fifo"};
    if (fs::exists(dir.File("null"))) expected.insert(expected.begin() + 2, "null");
    EXPECT_EQ(Names(dir.Path()), expected);
}

TEST(SaveFile, KeepsModeOwnerAndGroupOfTheOldFile) {
    TempDir dir;
    const fs::path file = dir.File("shared.icf");
    WriteFileBytes(file, "old");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 4321, 1234), 0);
    }
    ASSERT_TRUE(Save(file, "new").Ok());
    const struct stat info = Stat(file);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 1234u);
    }
}

TEST(SaveFile, NewFileGetsWhatTheUmaskAllows) {
    TempDir dir;
    const fs::path file = dir.File("fresh.icf");
    // In a child, since the umask belongs to the whole process.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::umask(027);
        ::_exit(Save(file, "x").Ok() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Stat(file).st_mode & 07777, 0640u);
}

TEST(SaveFile, LeavesAWriteProtectedFileAlone) {
    if (const std::string why = UnprivilegedUnavailable(); !why.empty()) GTEST_SKIP() << why;
    TempDir dir;
    const fs::path file = MakeWriteProtectedFile(dir.Path());
    const fs::path folder = file.parent_path();
    const int result = RunUnprivileged(folder, [&] {
        if (::chown(file.c_str(), ::getuid(), ::getgid()) != 0 && ::geteuid() == 0) return 2;
        const FileSaveResult saved = Save(file, "new");
        return saved.failure == SaveFailure::System && saved.error == EACCES ? 0 : 1;
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(ReadFileBytes(file) == "old") << "the protected file was replaced";
    EXPECT_EQ(Names(folder), std::vector<std::string>{"kept.icf"});
}

TEST(SaveFile, SavesUnderTheLongestNameTheFolderAllows) {
    TempDir dir;
    for (const std::size_t length : {249u, 255u}) {
        const fs::path file = dir.File(std::string(length - 4, 'n') + ".icf");
        const FileSaveResult saved = Save(file, "long");
        ASSERT_TRUE(saved.Ok()) << length << ": " << saved.Cause();
        EXPECT_EQ(ReadFileBytes(file), "long");
    }
    EXPECT_EQ(Names(dir.Path()).size(), 2u);
    EXPECT_EQ(Save(dir.File(std::string(256, 'n')), "x").error, ENAMETOOLONG);
}

TEST(SaveFile, AFailedWriteKeepsTheOldFileAndLeavesNoTemporaryFile) {
    TempDir dir;
    const fs::path file = dir.File("precious.icf");
    WriteFileBytes(file, "old contents");
    // A file size limit makes the write fail half way, as a full disk would.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(2);
        const FileSaveResult saved = Save(file, std::string(10000, 'x'));
        ::_exit(saved.failure == SaveFailure::System && saved.error == EFBIG ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadFileBytes(file), "old contents");
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"precious.icf"});
}

}  // namespace
}  // namespace ql::test
