// The main of the GUI test programs: real widgets on the offscreen platform, with the
// settings, the runtime and data directories and the temporary files in a directory of their
// own.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>
#include <string>

int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::string pattern = (std::filesystem::temp_directory_path() / "ql7400-gui-XXXXXX").string();
    const char* dir = ::mkdtemp(pattern.data());
    if (dir == nullptr) return 2;
    const std::filesystem::path root(dir);
    std::filesystem::create_directories(root / "config");
    std::filesystem::create_directories(root / "runtime");
    std::filesystem::create_directories(root / "data");
    std::filesystem::permissions(root / "runtime", std::filesystem::perms::owner_all);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (root / "runtime").c_str(), 1);
    // The backups of reads, among others, go here and not into the user's own folders.
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);
    ::unsetenv("QL7400_TRACE");

    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
    return status;
}
