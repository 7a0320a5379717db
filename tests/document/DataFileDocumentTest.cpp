// The document's Open and Save of a data file.

#include <gtest/gtest.h>

#include "document/DataFileDocument.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using test::TempDir;
using test::TestRadio;

TEST(DataFileDocument, SaveThenOpenCarriesTheDataSet) {
    TempDir dir;
    TestRadio source;
    source.FillAllMemoryChannels();
    source("COMMON.CLONE_COMMENT=Portable");
    source("DTMF.2=5551234");
    const auto file = dir.File("portable.icf");
    const DataFileResult saved = SaveDataFile(source.Data(), file);
    EXPECT_TRUE(saved.ok);
    EXPECT_EQ(saved.resultText, "OK");
    EXPECT_EQ(saved.message, "");
    EXPECT_FALSE(source->IsModified());

    const std::string bytes = test::ReadFileBytes(file);
    const auto lines = test::SplitLines(bytes);
    ASSERT_EQ(lines.size(), 252u);
    EXPECT_EQ(lines[1], "#Portable        \r");

    TestRadio target;
    target("COMMON.BEEP=OFF");
    const DataFileResult opened = OpenDataFile(target.Data(), file);
    EXPECT_TRUE(opened.ok);
    EXPECT_EQ(opened.resultText, "OK");
    EXPECT_EQ(target.Dump(), source.Dump());
    EXPECT_FALSE(target->IsModified());

    // Saving over an existing file replaces it and leaves nothing else in the folder.
    target("COMMON.BEEP=OFF");
    EXPECT_TRUE(SaveDataFile(target.Data(), file).ok);
    EXPECT_NE(test::ReadFileBytes(file), bytes);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(DataFileDocument, FailuresNameTheFileAndChangeNothing) {
    TempDir dir;
    TestRadio radio;
    radio.FillAllMemoryChannels();
    radio("COMMON.FAN=ON");
    const std::string before = radio.Dump();

    const auto missing = dir.File("missing-file.icf");
    DataFileResult result = OpenDataFile(radio.Data(), missing);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("missing-file.icf"), std::string::npos) << result.message;
    EXPECT_EQ(result.message.find('\n'), std::string::npos);
    EXPECT_EQ(radio.Dump(), before);

    const auto shortFile = dir.File("short-file.icf");
    std::string text = test::IcfText(BuildFactoryImage(0));
    test::WriteFileBytes(shortFile, text.substr(0, text.size() - 40));
    result = OpenDataFile(radio.Data(), shortFile);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.resultText, "NOT_ENOUGH_DATA");
    EXPECT_NE(result.message.find("short-file.icf"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("NOT_ENOUGH_DATA"), std::string::npos) << result.message;
    EXPECT_EQ(radio.Dump(), before);

    EXPECT_FALSE(OpenDataFile(radio.Data(), "/dev/zero").ok);  // endless, no line end
    EXPECT_EQ(radio.Dump(), before);

    const auto nowhere = dir.File("no-such-folder") / "x.icf";
    result = SaveDataFile(radio.Data(), nowhere);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.message.find("x.icf"), std::string::npos) << result.message;
    EXPECT_FALSE(std::filesystem::exists(nowhere));
    EXPECT_EQ(radio.Dump(), before);
}

}  // namespace
}  // namespace ql
