// The radio data object as the document uses it: core commands, the edit flag, the
// identity record, files, archives and the rebuild around them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <tuple>
#include <vector>

#include "datafile/IcfFile.h"
#include "model/FactoryImage.h"
#include "support/TestSupport.h"

namespace ql {
namespace {

using test::Quoted;
using test::ReadImage;
using test::TempDir;
using test::TestRadio;

TEST(CoreCommands, KeywordsIgnoreCaseAndUnknownCommandsAnswerNothing) {
    TestRadio radio;
    const std::string before = radio.Dump();
    EXPECT_EQ(radio("FILE.SAVE."), "CANNOT_OPEN_FILE");  // no quoted path
    test::ExpectAnswers(radio, "FILE.LOAD.x.icf>CANNOT_OPEN_FILE|heal>OK|Heal>OK|INITIALIZE>OK|");
    for (const char* command :
         {"", "XYZ", "XYZ.1=2", "FILE", "FILE.COPY.\"x.icf\"", "COMMON", "COMMON.",
          "COMMON.NO_SUCH_ITEM=1", "DTMF", "MODEL", "MODEL.XYZ", "CH", "=", "..", "HEALX"}) {
        EXPECT_EQ(radio(command), "") << command;
    }
    EXPECT_EQ(radio.Dump(), before);
}

TEST(EditFlag, StaysOnFromTheFirstChangeUntilCleared) {
    TestRadio radio;
    EXPECT_FALSE(radio->IsModified());
    EXPECT_EQ(radio("EDIT_FLAG"), "OFF");
    EXPECT_EQ(radio("EDIT_FLAG=XYZ"), "OFF");  // any other value only queries

    radio("CH.MCH_144.1.FREQUENCY=145.0000");
    EXPECT_EQ(radio("EDIT_FLAG"), "ON");
    radio("CH.MCH_144.1.FREQUENCY=146.0100");  // back to the factory value
    EXPECT_EQ(radio("EDIT_FLAG"), "ON");
    EXPECT_TRUE(radio->IsModified());

    EXPECT_EQ(radio("EDIT_FLAG=OFF"), "OFF");
    EXPECT_FALSE(radio->IsModified());
    radio->SetModified(true);
    EXPECT_EQ(radio("EDIT_FLAG"), "ON");
    radio->SetModified(false);
    EXPECT_FALSE(radio->IsModified());

    std::ostringstream archive;
    radio("COMMON.BEEP=OFF");
    EXPECT_TRUE(radio->IsModified());
    EXPECT_EQ(radio->ArchiveStore(archive), "OK");
    EXPECT_FALSE(radio->IsModified());
}

TEST(EditFlag, QueryRebuildsButSettingItOnDoesNot) {
    TestRadio radio;
    // An item that every rebuild resets: after the query's rebuild the image is unchanged.
    test::ExpectAnswers(radio, "COMMON.MCH_NO_VHF=5>5|EDIT_FLAG>OFF|COMMON.MCH_NO_VHF>0|");

    test::ExpectAnswers(radio, "COMMON.MCH_NO_VHF=5>5|EDIT_FLAG=ON>ON|COMMON.MCH_NO_VHF>5|");
    EXPECT_EQ(radio("EDIT_FLAG"), "ON");  // already on: no rebuild either
    EXPECT_EQ(radio("COMMON.MCH_NO_VHF"), "5");
}

TEST(Identity, StoredVersionHoldsFromConstruction) {
    CMemorySettingsStore settings;
    settings.SetInt("SetupInfo", "0000", 1);
    settings.SetInt("SetupInfo", "0001", 4);
    settings.SetInt("SetupInfo", "0002", 34);
    C7400RadioData radio(settings);
    EXPECT_EQ(radio.Command("MODEL.COUNTRY"), "EUR-A");
    EXPECT_EQ(radio.Command("MODEL.EXPAND"), "AIR,800");
    EXPECT_EQ(radio.Command("CH.MCH_144.1.FREQUENCY"), "145.0000");
    EXPECT_FALSE(radio.IsModified());

    const CIdentityRecord& id = radio.GetIdentity();
    EXPECT_EQ(std::tuple(id.modelCode, id.revision, id.payloadLength), std::tuple(0x2047, 1, 19));
    EXPECT_EQ(std::tuple(id.payload[0], id.payload[1], id.payload[18]), std::tuple(4, 34, ' '));
    EXPECT_EQ(radio.GetModelName(), "RZ-7400");
    EXPECT_EQ(radio.GetModelComment(), std::string(16, ' '));

    // A data file with narrow FM on 145 MHz keeps it in a version that offers narrow FM.
    TempDir dir;
    CMemoryImage image = BuildFactoryImage(4);
    image.WriteBits(3, 3, 2, 2);  // memory channel 1 of the VHF band: "FM Narrow"
    std::istringstream archive(test::IcfText(image));
    EXPECT_EQ(radio.ArchiveLoad(archive), "OK");
    EXPECT_EQ(radio.Command("CH.MCH_144.1.MODE"), "FM Narrow");

    TestRadio usa(0);
    std::istringstream again(test::IcfText(image));
    EXPECT_EQ(usa->ArchiveLoad(again), "OK");
    EXPECT_EQ(usa("CH.MCH_144.1.MODE"), "FM");
}

TEST(Identity, SettingsCountOnlyAfterTheInitialSetup) {
    CMemorySettingsStore settings;
    settings.SetInt("SetupInfo", "0001", 4);
    {
        C7400RadioData radio(settings);
        EXPECT_EQ(radio.Command("MODEL.COUNTRY"), "USA-A");
        EXPECT_EQ(radio.GetIdentity().payload[0], 0);
    }
    EXPECT_EQ(settings.GetInt("SetupInfo", "0001", -1), 4);  // not written back
    EXPECT_FALSE(settings.Contains("SetupInfo", "0002"));
}

TEST(Identity, MatchAdoptsAForeignVersionUnlessKept) {
    TestRadio radio(0);
    CIdentityRecord other = radio->GetIdentity();
    EXPECT_EQ(radio->MatchIdentity(other, false), 1);

    other.payload[0] = 7;
    other.payload[1] = 2;
    EXPECT_EQ(radio->MatchIdentity(other, true), 0);

    CIdentityRecord foreignModel = other;
    foreignModel.modelCode = 0x2048;
    CIdentityRecord foreignRevision = other;
    foreignRevision.revision = 2;
    EXPECT_EQ(radio->MatchIdentity(foreignModel, false), 0);
    EXPECT_EQ(radio->MatchIdentity(foreignRevision, false), 0);
    EXPECT_EQ(radio->GetIdentity().payload[0], 0);
    EXPECT_EQ(radio("MODEL.COUNTRY"), "USA-A");

    const std::string comment = "MOBILE IN TRUCK ";
    std::copy(comment.begin(), comment.end(), other.payload.begin() + 2);
    EXPECT_EQ(radio->MatchIdentity(other, false), 0);
    EXPECT_EQ(radio->GetModelComment(), comment);
    EXPECT_EQ(radio->GetIdentity().payload[0], 7);
    EXPECT_EQ(radio("MODEL.COUNTRY"), "EUR-D");
    EXPECT_EQ(radio("MODEL.EXPAND"), "800");

    radio.Recreate();  // the old object writes the adopted version back
    EXPECT_EQ(radio.settings.GetInt("SetupInfo", "0001", -1), 7);
    EXPECT_EQ(radio.settings.GetInt("SetupInfo", "0002", -1), 2);
    EXPECT_EQ(radio("MODEL.COUNTRY"), "EUR-D");
}

TEST(Identity, AVersionOnlyReadIsNotWrittenBackOverANewerSetup) {
    CMemorySettingsStore settings;
    settings.SetInt("SetupInfo", "0000", 1);
    settings.SetInt("SetupInfo", "0001", 4);
    settings.SetInt("SetupInfo", "0002", 34);
    {
        C7400RadioData radio(settings);
        radio.Reset();
        // Another program's setup meanwhile.
        settings.SetInt("SetupInfo", "0001", 9);
        settings.SetInt("SetupInfo", "0002", 1);
    }
    EXPECT_EQ(settings.GetInt("SetupInfo", "0001", -1), 9);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0002", -1), 1);
}

TEST(RadioData, ResetAndInitializeGiveTheFactoryDataSet) {
    TestRadio fresh;
    const std::string factory = fresh.Dump();

    TestRadio radio;
    radio.FillAllMemoryChannels();
    radio("COMMON.BEEP=OFF");
    radio("COMMON.OPENING_TEXT=HELLO");
    radio("DTMF.3=123");
    radio("CH.PCH_430.3B.APPEAR=ON");
    radio("CH.CALL_144.NAME=CALL");
    radio("CH.MCH_144.1.COPY");
    EXPECT_NE(radio.Dump(), factory);
    EXPECT_EQ(radio("INITIALIZE"), "OK");
    EXPECT_EQ(radio.Dump(), factory);
    EXPECT_EQ(radio("CH.MCH_144.50.PASTE"), "OK");  // the clipboard survives
    EXPECT_EQ(radio("CH.MCH_144.50.FREQUENCY"), "144.0200");

    radio("COMMON.BEEP=OFF");
    radio->Reset();
    EXPECT_EQ(radio.Dump(), factory);
    EXPECT_FALSE(radio->IsModified());
}

TEST(RadioData, TemporaryDataFileLivesWithTheObject) {
    TestRadio radio;
    const std::filesystem::path file = radio->TemporaryDataFile();
    EXPECT_TRUE(std::filesystem::exists(file));
    radio.Recreate();
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(RadioData, ObserverSeesCommandsButNotTheObjectsOwnBookkeeping) {
    TempDir dir;
    TestRadio radio;
    ASSERT_EQ(radio->ExportFile(dir.File("clone.icf")), IcfResult::kOk);
    std::vector<std::string> seen;
    radio->SetCommandObserver([&seen](std::string_view text, std::string_view answer) {
        seen.push_back(std::string(text) + "\t" + std::string(answer));
    });

    radio("COMMON.BEEP=OFF");
    radio("COMMON.BEEP");
    (void)radio->IsModified();
    radio->SetModified(false);
    std::stringstream archive;
    radio->ArchiveStore(archive);
    ASSERT_EQ(radio->ArchiveLoad(archive), "OK");
    radio->Reset();
    ASSERT_EQ(seen.size(), 2U);
    EXPECT_EQ(seen[0], "COMMON.BEEP=OFF\tOFF");
    EXPECT_EQ(seen[1], "COMMON.BEEP\tOFF");

    // What a clone read and write send is traced: the load with its heal, the safety save.
    seen.clear();
    EXPECT_EQ(radio->ImportFile(dir.File("clone.icf")), IcfResult::kOk);
    EXPECT_EQ(radio->ExportFile(dir.File("out.icf")), IcfResult::kOk);
    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0], Quoted("FILE.LOAD.", dir.File("clone.icf")) + "\tOK");
    EXPECT_EQ(seen[1].substr(0, 5), "HEAL\t");
    EXPECT_EQ(seen[2], Quoted("FILE.SAVE.WithSafety.", dir.File("out.icf")) + "\tOK");
}

TEST(Files, SaveAndLoadCarryTheWholeDataSet) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("my.data"));
    const std::filesystem::path file = dir.File("my.data") / "x.v2.icf";

    TestRadio source;
    source.FillAllMemoryChannels();
    source("CH.MCH_430.7.ALL=TONE_SELECTION=TSQL\tTSQL_FREQUENCY=131.8\tDUPLEX_SELECTION=Dup-");
    source("COMMON.CLONE_COMMENT=field day");
    source("COMMON.LCD_CONTRAST=81%");
    source("DTMF.13=*#0123");
    EXPECT_EQ(source(Quoted("file.save.", file)), "OK");
    const std::string saved = source.Dump();

    TestRadio target;
    EXPECT_EQ(target(Quoted("File.Load.", file)), "OK");
    EXPECT_EQ(target.Dump(), saved);

    // Saving what was loaded gives the same file again.
    EXPECT_EQ(target(Quoted("FILE.SAVE.", dir.File("again.icf"))), "OK");
    EXPECT_EQ(test::ReadFileBytes(dir.File("again.icf")), test::ReadFileBytes(file));
}

TEST(Files, BytesNoObjectCoversTakeTheFactoryValue) {
    TempDir dir;
    CMemoryImage image = BuildFactoryImage(0);
    for (const int pos : {1844, 1855, 3700, 3708, 3838, 3885, 3888, 3904, 3936, 3940, 3951, 3976,
                          3991, 3992, 3999}) {
        image.WriteByte(pos, image.ReadByte(pos) ^ 0x5A);
    }
    image.WriteByte(4, image.ReadByte(4) | 0x30);        // channel byte 4, bits 5-4
    image.WriteByte(3711, image.ReadByte(3711) | 0x7F);  // below the skip bit
    image.WriteByte(3710, image.ReadByte(3710) | 0x0F);  // below the remote code
    test::WriteFileBytes(dir.File("odd.icf"), test::IcfText(image));
    TestRadio radio;
    ASSERT_EQ(radio(Quoted("FILE.LOAD.", dir.File("odd.icf"))), "OK");
    EXPECT_EQ(radio.SavedImage(dir), BuildFactoryImage(0));
}

TEST(Files, SafetySaveShapesTheFileOnly) {
    TempDir dir;
    TestRadio radio;
    radio("CH.MCH_144.5.ALL=APPEAR=ON\tFREQUENCY=200.0000\tNAME=BAD");
    radio("CH.MCH_144.6.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=GOOD");
    radio->SetModified(false);

    const auto file = dir.File("safe.icf");
    EXPECT_EQ(radio(Quoted("FILE.SAVE.WithSafety.", file)), "OK");
    const CMemoryImage safe = ReadImage(file);
    const CMemoryImage factory = BuildFactoryImage(0);
    EXPECT_EQ(test::Hex(safe, 4 * 17, 17), test::Hex(factory, 4 * 17, 17));  // channel 5
    EXPECT_EQ(test::Hex(safe, 5 * 17, 2), "1455");                           // channel 6

    // The data set still holds the illegal channel, marked as such, and is not modified.
    test::ExpectAnswers(radio,
                        "CH.MCH_144.5.FREQUENCY>200.0000|CH.MCH_144.5.APPEAR>ON|"
                        "CH.MCH_144.5.NAME>BAD     |CH.MCH_144.5.ISLEGAL>NG|");
    EXPECT_FALSE(radio->IsModified());
    EXPECT_EQ(test::Hex(radio.SavedImage(dir), 4 * 17, 2), "2000");

    // The clone write's export does the same.
    const auto exported = dir.File("export.icf");
    ASSERT_EQ(radio->ExportFile(exported), IcfResult::kOk);
    EXPECT_EQ(test::ReadFileBytes(exported), test::ReadFileBytes(file));
    EXPECT_EQ(radio("CH.MCH_144.5.ISLEGAL"), "NG");
    EXPECT_FALSE(radio->IsModified());
}

TEST(Files, ImportAndExportIgnoreFilesThatCannotBeOpened) {
    TempDir dir;
    TestRadio source;
    source.FillAllMemoryChannels();
    ASSERT_EQ(source->ExportFile(dir.File("clone.icf")), IcfResult::kOk);

    TestRadio radio;
    radio("COMMON.BEEP=OFF");
    const std::string before = radio.Dump();
    const IcfFileOutcome imported = radio->ImportFile(dir.File("missing.icf"));
    EXPECT_EQ(imported, IcfResult::kCannotOpenFile);
    EXPECT_EQ(imported.error, ENOENT);
    const IcfFileOutcome exported = radio->ExportFile(dir.File("missing/clone.icf"));
    EXPECT_EQ(exported, IcfResult::kCannotOpenFile);
    EXPECT_EQ(exported.error, ENOENT);
    EXPECT_EQ(radio->ImportFile(dir.Path()), IcfResult::kCannotOpenFile);
    EXPECT_EQ(radio.Dump(), before);

    EXPECT_EQ(radio->ImportFile(dir.File("clone.icf")), IcfResult::kOk);
    EXPECT_EQ(radio.Dump(), source.Dump());
    EXPECT_FALSE(radio->IsModified());
}

TEST(Archive, StoreWritesTheDataFileAndLoadReadsItBack) {
    TempDir dir;
    TestRadio source;
    source.FillAllMemoryChannels();
    std::ostringstream stored;
    EXPECT_EQ(source->ArchiveStore(stored), "OK");
    EXPECT_EQ(source(Quoted("FILE.SAVE.", dir.File("same.icf"))), "OK");
    EXPECT_EQ(stored.str(), test::ReadFileBytes(dir.File("same.icf")));

    TestRadio target;
    target("COMMON.BEEP=OFF");
    std::istringstream in(stored.str());
    EXPECT_EQ(target->ArchiveLoad(in), "OK");
    EXPECT_EQ(target.Dump(), source.Dump());
    EXPECT_FALSE(target->IsModified());
}

TEST(Archive, FailedLoadLeavesTheDataSetAndAShorterFileLeavesNoOldLines) {
    TestRadio source;
    source.FillAllMemoryChannels();
    std::ostringstream stored;
    ASSERT_EQ(source->ArchiveStore(stored), "OK");
    std::string longer = stored.str();
    for (int i = 0; i < 300; ++i) longer += "# a long trailing comment to make the file longer\r\n";

    TestRadio radio;
    std::istringstream first(longer);
    ASSERT_EQ(radio->ArchiveLoad(first), "OK");
    radio("COMMON.BEEP=OFF");
    const std::string before = radio.Dump();

    // The first 100 lines of the same file: its tail must not come from the earlier file.
    const auto lines = test::SplitLines(stored.str());
    std::string shorter;
    for (std::size_t i = 0; i < 100; ++i) shorter += lines[i] + "\n";
    std::istringstream second(shorter);
    EXPECT_EQ(radio->ArchiveLoad(second), "NOT_ENOUGH_DATA");
    EXPECT_EQ(radio.Dump(), before);

    std::istringstream garbage("not a data file\n");
    EXPECT_EQ(radio->ArchiveLoad(garbage), "FORMAT_ERROR");
    EXPECT_EQ(radio.Dump(), before);
}

// An archive that never ends and has no line end; it stops after 64 MiB all the same.
class EndlessArchive : public std::streambuf {
  public:
    std::size_t served = 0;

  private:
    int_type underflow() override {
        if (served >= (std::size_t{64} << 20)) return traits_type::eof();
        served += sizeof chunk_;
        setg(chunk_, chunk_, chunk_ + sizeof chunk_);
        return traits_type::to_int_type(chunk_[0]);
    }
    char chunk_[4096] = {'2', '0', '4', '7', '0', '0', '0', '1', '\n', '0'};
};

// A stream whose buffer throws on reading, as a file stream on a directory does.
class FailingArchive : public std::streambuf {
    int_type underflow() override { throw std::ios_base::failure("read error"); }
};

TEST(Archive, LongCommentsPassAndAFailingArchiveChangesNothing) {
    TestRadio source;
    source.FillAllMemoryChannels();
    std::stringstream stored;
    ASSERT_EQ(source->ArchiveStore(stored), "OK");
    std::string text = stored.str();
    text.insert(text.find('\n') + 1, "#" + std::string(100000, 'c') + "\r\n");

    TestRadio radio;
    radio("COMMON.BEEP=OFF");
    const std::string before = radio.Dump();
    FailingArchive failing;
    std::istream broken(&failing);
    EXPECT_EQ(radio->ArchiveLoad(broken), "CANNOT_OPEN_FILE");
    EXPECT_EQ(radio.Dump(), before);

    std::istringstream in(text);
    EXPECT_EQ(radio->ArchiveLoad(in), "OK");
    EXPECT_EQ(radio.Dump(), source.Dump());
    EXPECT_FALSE(radio->IsModified());
}

// The in-memory snapshot is the archive's text, and restores the data set exactly.
TEST(Archive, SaveTextAndLoadTextRoundTrip) {
    TestRadio radio;
    radio.FillAllMemoryChannels();
    radio("DTMF.3=7400");
    const std::string full = radio.Dump();
    const std::string snapshot = radio->SaveText();
    std::ostringstream stored;
    ASSERT_EQ(radio->ArchiveStore(stored), "OK");
    EXPECT_EQ(snapshot, stored.str());

    radio("INITIALIZE");
    ASSERT_NE(radio.Dump(), full);
    EXPECT_EQ(radio->LoadText(snapshot), IcfResult::kOk);
    EXPECT_EQ(radio.Dump(), full);
    EXPECT_EQ(radio->LoadText(snapshot.substr(0, snapshot.rfind('\n', 500) + 1)),
              IcfResult::kNotEnoughData);
    EXPECT_EQ(radio.Dump(), full);
}

TEST(Archive, AnEndlessLineIsAFormatErrorAtOnce) {
    TestRadio radio;
    radio("COMMON.BEEP=OFF");
    const std::string before = radio.Dump();
    EndlessArchive endless;
    std::istream archive(&endless);
    EXPECT_EQ(radio->ArchiveLoad(archive), "FORMAT_ERROR");
    EXPECT_LT(endless.served, std::size_t{1} << 20);
    EXPECT_EQ(radio.Dump(), before);
}

// Open and Save never pass through the temporary folder: its loss costs the user nothing.
TEST(Archive, AMissingTemporaryFolderDoesNotMatter) {
    TempDir dir;
    const std::filesystem::path folder = dir.File("gone");
    std::filesystem::create_directory(folder);
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    ::setenv("TMPDIR", folder.c_str(), 1);
    TestRadio radio;
    if (old) {
        ::setenv("TMPDIR", saved.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
    ASSERT_EQ(radio->TemporaryDataFile().parent_path(), folder);
    radio.FillAllMemoryChannels();
    radio("COMMON.BEEP=OFF");
    const std::string before = radio.Dump();
    std::filesystem::remove_all(folder);

    std::stringstream stored;
    EXPECT_EQ(radio->ArchiveStore(stored), "OK");
    EXPECT_FALSE(radio->IsModified());
    TestRadio other;
    EXPECT_EQ(other->ArchiveLoad(stored), "OK");
    EXPECT_EQ(other.Dump(), before);
    std::istringstream in(test::IcfText(BuildFactoryImage(0)));
    EXPECT_EQ(radio->ArchiveLoad(in), "OK");
    EXPECT_NE(radio.Dump(), before);
}

TEST(Versions, AChangeReinitialisesAndTheSameVersionDoesNot) {
    TestRadio radio(0);
    radio("COMMON.BEEP=OFF");
    radio("DTMF.0=123");
    radio("CH.MCH_144.2.ALL=APPEAR=ON\tFREQUENCY=147.0000");

    test::ExpectAnswers(radio,
                        "MODEL.COUNTRY=usa-a>USA-A|MODEL.EXPAND.ByNumber=63>63|"
                        "COMMON.BEEP>OFF|CH.MCH_144.2.FREQUENCY>147.0000|");
    radio("MODEL.EXPAND.ByNumber=0");

    EXPECT_EQ(radio("MODEL.COUNTRY.ByNumber=4"), "4");
    TestRadio eur(4);
    EXPECT_EQ(radio.Dump(), eur.Dump());

    // Expansions stay; the common settings follow the version: KOR offers "ON" as default.
    test::ExpectAnswers(radio,
                        "MODEL.EXPAND.ByNumber=34>34|MODEL.COUNTRY=KOR>KOR|"
                        "COMMON.AUTO_REPEATER>ON|MODEL.EXPAND>AIR,800|");
}

}  // namespace
}  // namespace ql
