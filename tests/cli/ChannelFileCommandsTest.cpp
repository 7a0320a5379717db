// ql7400-cli export and import: the channel layout out of and into data files.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/ChannelFileCommands.h"
#include "support/TestSupport.h"

namespace ql::test {
namespace {

struct CliResult {
    int status = 0;
    std::string out;
    std::string err;
};

CliResult Cli(std::vector<std::string> args) {
    CMemorySettingsStore settings;
    std::ostringstream out;
    std::ostringstream err;
    const bool isExport = args.front() == "export";
    const int status = isExport ? cli::RunExport(args, settings, out, err)
                                : cli::RunImport(args, settings, out, err);
    return {status, out.str(), err.str()};
}

const char* const kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

TEST(ChannelFileCommands, ImportSavesTheRowsTakenAndReportsTheRest) {
    TempDir dir;
    const auto csv = dir.File("list.csv");
    WriteFileBytes(csv,
                   "Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq\r\n"
                   "5;HOME;145,500;-;0,6;Tone;100\r\n"
                   "6;;151;;;;\r\n"
                   "7;;440.5;split;;;\r\n"
                   "7;UHF;440.5;;;;\r\n");
    const auto saved = dir.File("out.icf");
    CliResult run = Cli({"import", "--save", saved.string(), csv.string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.out, "2 channels imported, 2 rows refused\n");
    EXPECT_EQ(run.err,
              "line 3: Frequency: 151: outside the 144 MHz and 430 MHz bands of this radio "
              "(USA-A)\n"
              "line 4: Duplex: split: the radio has no duplex split\n");

    // The file holds the imported rows; exported again they read as the layout writes them.
    run = Cli({"export", "--load", saved.string(), "--format", "tsv", "--band", "430"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("\n7\tUHF\t440.500000\t\t0.000000\t"), std::string::npos) << run.out;
    run = Cli({"export", "--load", saved.string(), "--band", "144", dir.File("vhf.csv").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(dir.File("vhf.csv")),
              std::string(kHeader) +
                  "\r\n1,,146.010000,,0.600000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,,,,,,\r\n"
                  "5,HOME,145.500000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,,"
                  ",,,,\r\n");

    // Into the VHF list only, a UHF row is refused; a clean file exits 0.
    run = Cli({"import", "--dry-run", "--band", "144", dir.File("vhf.csv").string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "2 channels would be imported\n");
}

TEST(ChannelFileCommands, NothingChangesWhenTheFileIsNoChannelListOrADryRun) {
    TempDir dir;
    const auto saved = dir.File("out.icf");
    const auto binary = dir.File("image.bin");
    WriteFileBytes(binary, std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    CliResult run = Cli({"import", "--save", saved.string(), binary.string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "ql7400-cli: cannot import " + binary.string() +
                           ": line 1: bytes that are not UTF-8: this is no text file; nothing was "
                           "imported\n");
    EXPECT_FALSE(std::filesystem::exists(saved));

    WriteFileBytes(dir.File("bad.csv"), std::string(kHeader) + "\n0,,146.52\n");
    run = Cli({"import", "--dry-run", "--save", saved.string(), dir.File("bad.csv").string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "line 2: Location: 0: not a memory channel 1-99\n");
    EXPECT_FALSE(std::filesystem::exists(saved));

    run = Cli({"import", "--save", saved.string(), dir.File("missing.csv").string()});
    EXPECT_EQ(run.status, 3);
    EXPECT_NE(run.err.find("missing.csv"), std::string::npos) << run.err;

    for (const std::vector<std::string>& usage :
         std::vector<std::vector<std::string>>{{"import", dir.File("bad.csv").string()},
                                               {"import", "--dry-run"},
                                               {"export", "--band", "2"},
                                               {"export", "--format", "xls"},
                                               {"export", "a.csv", "b.csv"}}) {
        EXPECT_EQ(Cli(usage).status, 2) << usage.back();
    }
    EXPECT_FALSE(std::filesystem::exists(saved));
}

}  // namespace
}  // namespace ql::test
