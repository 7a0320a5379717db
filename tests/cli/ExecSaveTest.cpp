// Where "--save" and the FILE.SAVE. command put their data: both go the same way.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

#include "cli/ExecCommand.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

namespace ql::test {
namespace {

namespace fs = std::filesystem;

struct ExecRun {
    int status = 0;
    std::string out;
    std::string err;
};

ExecRun Exec(std::vector<std::string> args) {
    args.insert(args.begin(), "exec");
    CMemorySettingsStore settings;
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunExec(args, settings, in, out, err);
    return {status, out.str(), err.str()};
}

std::string NameOfChannel12(const fs::path& file) {
    return Exec({"--load", file.string(), "CH.MCH_144.12.NAME"}).out;
}

TEST(ExecSave, SaveOptionAndSaveCommandWriteThroughALink) {
    TempDir dir;
    const fs::path target = dir.File("radio.icf");
    WriteFileBytes(target, "old");
    fs::create_symlink("radio.icf", dir.File("current.icf"));
    const std::string link = dir.File("current.icf").string();

    ASSERT_EQ(Exec({"--save", link, "CH.MCH_144.12.APPEAR=ON", "CH.MCH_144.12.NAME=opt"}).status,
              0);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(NameOfChannel12(target), "OPT     \n");

    const ExecRun command =
        Exec({"CH.MCH_144.12.APPEAR=ON", "CH.MCH_144.12.NAME=cmd", Quoted("FILE.SAVE.", link)});
    EXPECT_EQ(command.out, "ON\nCMD     \nOK\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(NameOfChannel12(target), "CMD     \n");
}

TEST(ExecSave, SpecialFilesAreRefusedAndStayAsTheyAre) {
    TempDir dir;
    const fs::path fifo = dir.File("pipe.icf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const ExecRun run = Exec({"--save", fifo.string(), "HEAL"});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("pipe.icf: not a regular file (CANNOT_OPEN_FILE)"), std::string::npos)
        << run.err;
    EXPECT_EQ(Exec({Quoted("FILE.SAVE.", fifo)}).out, "CANNOT_OPEN_FILE\n");
    struct stat info {};
    ASSERT_EQ(::lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST(ExecSave, AWriteProtectedFileIsNotReplaced) {
    if (const std::string why = UnprivilegedUnavailable(); !why.empty()) GTEST_SKIP() << why;
    TempDir dir;
    const fs::path file = MakeWriteProtectedFile(dir.Path());
    const fs::path folder = file.parent_path();
    const int result = RunUnprivileged(folder, [&] {
        const ExecRun run = Exec({"--save", file.string(), "HEAL"});
        if (run.status != 3) return 1;
        return Exec({Quoted("FILE.SAVE.", file)}).out == "CANNOT_OPEN_FILE\n" ? 0 : 2;
    });
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(ReadFileBytes(file) == "old") << "the protected file was replaced";
    EXPECT_EQ(fs::directory_iterator(folder)->path(), file);
}

TEST(ExecSave, SavesUnderAnyNameTheSaveCommandTakes) {
    TempDir dir;
    const fs::path file = dir.File(std::string(251, 'x') + ".icf");
    ASSERT_EQ(Exec({Quoted("FILE.SAVE.", file)}).out, "OK\n");
    const ExecRun run =
        Exec({"--save", file.string(), "CH.MCH_144.12.APPEAR=ON", "CH.MCH_144.12.NAME=long"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(NameOfChannel12(file), "LONG    \n");
}

}  // namespace
}  // namespace ql::test
