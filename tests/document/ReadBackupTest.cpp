// The backup of every read: where it goes, its name, its contents and the pruning.

#include <gtest/gtest.h>

#include <chrono>
#include <set>

#include "document/ReadBackup.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using namespace std::chrono;
using test::TempDir;
using test::TestRadio;

const system_clock::time_point kNoon = sys_days{2025y / January / 31} + 14h + 23min + 5s;

std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(ReadBackup, FolderAndNameComeFromTheirInputsOnly) {
    EXPECT_EQ(BackupFolder("/data", "/home/ann"), "/data/ql7400/backups");
    EXPECT_EQ(BackupFolder("", "/home/ann"), "/home/ann/.local/share/ql7400/backups");
    EXPECT_EQ(BackupFolder("relative", "/home/ann"), "/home/ann/.local/share/ql7400/backups");
    EXPECT_EQ(BackupFolder("", ""), std::nullopt);

    EXPECT_EQ(BackupFileName(kNoon, "EUR-B"), "rz7400-20250131-142305Z-EUR-B.icf");
    EXPECT_EQ(BackupFileName(kNoon + 500ms, "a/b c"), "rz7400-20250131-142305Z-a-b-c.icf");
    EXPECT_EQ(BackupFileName(kNoon, ""), "rz7400-20250131-142305Z-unknown.icf");
    EXPECT_EQ(BackupTime("rz7400-20250131-142305Z-EUR-B-2.icf"), kNoon);
    // Names sort as their times do.
    EXPECT_LT(BackupFileName(kNoon - days(400), "X"), BackupFileName(kNoon, "X"));
    for (const char* other : {"notes.icf", "rz7400-20250231-142305Z-X.icf",
                              "rz7400-20250131-142305-X.icf", "rz7400-2025013a-142305Z-X.icf",
                              "rz7400-20250131-142305Z-X.txt", "rz7400-20250131-246000Z-X.icf"}) {
        EXPECT_EQ(BackupTime(other), std::nullopt) << other;
    }
}

TEST(ReadBackup, WritesTheDataSetBesideEarlierBackupsAndChangesNothing) {
    TempDir dir;
    TestRadio radio(5);
    radio("CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=145.5000");
    const std::string before = radio.Dump();
    const bool modified = radio->IsModified();
    const auto folder = dir.File("share") / "ql7400" / "backups";

    const ReadBackupResult first = WriteReadBackup(radio.Data(), folder, kNoon);
    ASSERT_TRUE(first.ok) << first.message;
    EXPECT_EQ(first.file, folder / "rz7400-20250131-142305Z-EUR-B.icf");
    EXPECT_EQ(test::ReadFileBytes(first.file), radio->SaveText());
    const ReadBackupResult again = WriteReadBackup(radio.Data(), folder, kNoon);
    ASSERT_TRUE(again.ok) << again.message;
    EXPECT_EQ(again.file, folder / "rz7400-20250131-142305Z-EUR-B-2.icf");
    EXPECT_EQ(Names(folder).size(), 2u);
    EXPECT_EQ(radio.Dump(), before);
    EXPECT_EQ(radio->IsModified(), modified);

    // A folder that cannot be made is reported, not thrown.
    test::WriteFileBytes(dir.File("file"), "x");
    const ReadBackupResult failed = WriteReadBackup(radio.Data(), dir.File("file") / "b", kNoon);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.message.find(dir.File("file").string()), std::string::npos) << failed.message;
    EXPECT_EQ(failed.message.find('\n'), std::string::npos);
    EXPECT_EQ(BackUpRead(radio.Data(), DataHomes{}, kNoon).ok, false);
}

TEST(ReadBackup, PruningKeepsTheNewestTwentyAndEveryYoungerThanAYear) {
    TempDir dir;
    // Thirty backups a month apart (the oldest 29 months old), and files that are none.
    for (int month = 0; month < 30; ++month) {
        test::WriteFileBytes(dir.File(BackupFileName(kNoon - months(month), "USA-A")), "x");
    }
    test::WriteFileBytes(dir.File("notes.txt"), "x");
    test::WriteFileBytes(dir.File("rz7400-old.icf"), "x");
    std::filesystem::create_directory(dir.File(BackupFileName(kNoon - years(5), "dir")));

    EXPECT_EQ(PruneBackups(dir.Path(), kNoon, {.keepNewest = 20}).size(), 10u);
    EXPECT_EQ(Names(dir.Path()).size(), 23u);
    EXPECT_TRUE(Names(dir.Path()).contains(BackupFileName(kNoon - months(19), "USA-A")));

    // With fewer kept by count, the age decides: the ones within a year stay.
    const auto pruned = PruneBackups(dir.Path(), kNoon, {.keepNewest = 3});
    EXPECT_EQ(pruned.size(), 7u);
    EXPECT_TRUE(Names(dir.Path()).contains(BackupFileName(kNoon - years(1), "USA-A")));
    EXPECT_TRUE(Names(dir.Path()).contains("notes.txt"));
    EXPECT_TRUE(Names(dir.Path()).contains("rz7400-old.icf"));
}

}  // namespace
}  // namespace ql
