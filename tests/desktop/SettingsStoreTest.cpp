// The settings store behind the programs (QSettings in a file) and the one in memory behave
// the same for the same values; the file store also says when it could not keep them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "desktop/CQtSettingsStore.h"
#include "support/CMemorySettingsStore.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

// QSettings fixes the user's configuration folder when the first store is made, so every
// test of this program shares one temporary $XDG_CONFIG_HOME, set before that, and starts
// from a missing settings file.
const std::filesystem::path& ConfigHome() {
    static const TempDir home;
    static const bool set = ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1) == 0;
    EXPECT_TRUE(set);
    return home.Path();
}

std::filesystem::path SettingsFile() {
    return ConfigHome() / "Orva" / "QL-7400.conf";
}

void RemoveSettings() {
    std::filesystem::remove_all(ConfigHome() / "Orva");
}

struct QtStore {
    QtStore() {
        RemoveSettings();
        store = std::make_unique<CQtSettingsStore>();
    }
    // What a later run of the program finds.
    void Reopen() {
        std::string error;
        EXPECT_TRUE(store->Flush(error)) << error;
        store.reset();
        store = std::make_unique<CQtSettingsStore>();
    }
    std::unique_ptr<CSettingsStore> store;
};

struct MemoryStore {
    void Reopen() {}
    std::unique_ptr<CSettingsStore> store = std::make_unique<CMemorySettingsStore>();
};

template <typename Store>
class SettingsStore : public ::testing::Test {
  protected:
    CSettingsStore& Settings() { return *kind.store; }
    void Reopen() { kind.Reopen(); }

    Store kind;
};

using StoreKinds = ::testing::Types<QtStore, MemoryStore>;
TYPED_TEST_SUITE(SettingsStore, StoreKinds);

TYPED_TEST(SettingsStore, ANumberTextReadsTheSameInEveryStore) {
    CSettingsStore& settings = this->Settings();
    const std::vector<std::pair<std::string, int>> texts{{"5", 5},
                                                         {" 5", 5},
                                                         {"+5", 5},
                                                         {"-7", -7},
                                                         {"5 ", 5},
                                                         {"\t12\t", 12},
                                                         {"2147483647", 2147483647},
                                                         {"5x", 99},
                                                         {"", 99},
                                                         {"0x10", 99},
                                                         {"+-5", 99},
                                                         {"- 5", 99},
                                                         {"2147483648", 99},
                                                         {"1 2", 99},
                                                         {"five", 99}};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        settings.SetString("Numbers", "N" + std::to_string(i), texts[i].first);
    }
    this->Reopen();
    for (std::size_t i = 0; i < texts.size(); ++i) {
        EXPECT_EQ(this->Settings().GetInt("Numbers", "N" + std::to_string(i), 99), texts[i].second)
            << '"' << texts[i].first << '"';
    }
}

TYPED_TEST(SettingsStore, ValuesComeBackAsTheyWereSet) {
    CSettingsStore& settings = this->Settings();
    EXPECT_EQ(settings.GetInt("SetupInfo", "0000", 7), 7);
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", "none"), "none");
    EXPECT_TRUE(settings.GetBytes("ToolBarState", "State").empty());
    EXPECT_TRUE(settings.GetStringList("Recent File List", "Files").empty());

    const std::vector<std::uint8_t> bytes{0x00, 0xFF, '\n', '=', ',', 0x80};
    const std::vector<std::string> files{"/home/u/a b.icf", "/tmp/x,y.icf", "/t/\xC3\xA4.icf"};
    settings.SetInt("SetupInfo", "0001", -12);
    settings.SetString("SetupInfo", "CallSign", "      ");  // the blank call sign
    settings.SetString("Texts", "Odd", " a=b; \"c\" \xC3\xA4 ");
    settings.SetBytes("ToolBarState", "State", bytes);
    settings.SetStringList("Recent File List", "Files", files);
    settings.SetStringList("Recent File List", "One", {"/only.icf"});
    this->Reopen();

    CSettingsStore& again = this->Settings();
    EXPECT_EQ(again.GetInt("SetupInfo", "0001", 0), -12);
    EXPECT_EQ(again.GetString("SetupInfo", "0001", ""), "-12");
    EXPECT_EQ(again.GetString("SetupInfo", "CallSign", ""), "      ");
    EXPECT_EQ(again.GetString("Texts", "Odd", ""), " a=b; \"c\" \xC3\xA4 ");
    EXPECT_EQ(again.GetBytes("ToolBarState", "State"), bytes);
    EXPECT_EQ(again.GetStringList("Recent File List", "Files"), files);
    EXPECT_EQ(again.GetStringList("Recent File List", "One"),
              std::vector<std::string>{"/only.icf"});
}

TYPED_TEST(SettingsStore, AFlushOfAWritableStoreSucceeds) {
    this->Settings().SetInt("CommPort", "PortNumber", 2);
    std::string error;
    EXPECT_TRUE(this->Settings().Flush(error)) << error;
    EXPECT_EQ(error, "");
}

TEST(QtSettingsStore, ValuesReachTheFileOnlyWithTheFlush) {
    RemoveSettings();
    CQtSettingsStore settings;
    EXPECT_EQ(settings.FileName(), SettingsFile());
    settings.SetInt("SetupInfo", "0000", 1);
    settings.SetString("SetupInfo", "CallSign", "DL1ABC");
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    std::string error;
    ASSERT_TRUE(settings.Flush(error)) << error;
    const std::string text = ReadFileBytes(SettingsFile());
    EXPECT_NE(text.find("[SetupInfo]"), std::string::npos) << text;
    EXPECT_NE(text.find("CallSign=DL1ABC"), std::string::npos) << text;
}

TEST(QtSettingsStore, AFlushThatCannotWriteTheFileFailsNamingFileAndCause) {
    RemoveSettings();
    std::filesystem::create_directories(SettingsFile());  // a folder where the file belongs
    CQtSettingsStore settings;
    settings.SetInt("SetupInfo", "0000", 1);
    std::string error;
    EXPECT_FALSE(settings.Flush(error));
    EXPECT_EQ(error, SettingsFile().string() + ": it is a directory");
    RemoveSettings();
}

}  // namespace
}  // namespace ql::test
