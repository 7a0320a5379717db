// The simulator's link path: it replaces an old link and nothing else.

#include <gtest/gtest.h>
#include <csignal>

#include "clone/ChildProcess.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SimulatorLink, ReplacesAnOldLinkWithNothingLeftBeside) {
    TempDir dir;
    const fs::path link = dir.File("rz7400");
    fs::create_symlink("/dev/old-device", link);
    ChildProcess sim({BinaryPath("rz7400-sim"), "--link", link.string()});
    const std::optional<std::string> device = sim.ReadLine(5s);
    ASSERT_TRUE(device && !device->empty()) << sim.Stderr();
    EXPECT_EQ(fs::read_symlink(link).string(), *device);
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>{"rz7400"});
    sim.Signal(SIGTERM);
    EXPECT_EQ(sim.Wait(5s), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
}

TEST(SimulatorLink, RefusesAPathThatIsNoLink) {
    TempDir dir;
    const fs::path file = dir.File("notes.txt");
    WriteFileBytes(file, "mine");
    WriteFileBytes(dir.File("notes.txt.new"), "mine too");
    fs::create_directory(dir.File("folder"));
    for (const char* name : {"notes.txt", "folder"}) {
        ChildProcess sim({BinaryPath("rz7400-sim"), "--link", dir.File(name).string()});
        EXPECT_NE(sim.Wait(5s), 0) << name;
        EXPECT_NE(sim.Stderr().find("not a symbolic link"), std::string::npos) << sim.Stderr();
    }
    EXPECT_EQ(ReadFileBytes(file), "mine");
    EXPECT_EQ(ReadFileBytes(dir.File("notes.txt.new")), "mine too");
    EXPECT_TRUE(fs::is_directory(dir.File("folder")));
    EXPECT_EQ(Names(dir.Path()),
              (std::vector<std::string>{"folder", "notes.txt", "notes.txt.new"}));
}

}  // namespace
}  // namespace ql::test
