// File > Export PDF... through the main frame: the PDF's text, read back with pdftotext, holds
// every channel in use of both bands under a header on every page; a file that cannot be
// written is reported, never taken for done.

#include <QDate>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "model/ChannelPath.h"
#include "support/FullDataSet.h"
#include "ui/ChannelRow.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;

class PrintTest : public AppTest {
  protected:
    PrintTest() : app(StartPlain()), doc(*app->Document()), frame(*app->MainFrame()) {}

    QString File(std::string_view name) const {
        return QString::fromStdString(dir.File(name).string());
    }

    // The text of a PDF file as pdftotext reads it; fails the test when it cannot.
    static QString PdfText(const QString& path) {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (program.isEmpty()) {
            ADD_FAILURE() << "pdftotext is missing: install poppler-utils (scripts/install-deps)";
            return {};
        }
        QProcess process;
        process.start(program, {path, QStringLiteral("-")});
        EXPECT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // Every channel in use of both lists: its frequency and, but for the edges, its name.
    void ExpectEveryChannelInUse(const QString& text) {
        int found = 0;
        for (const Band band : {Band::kVhf, Band::kUhf}) {
            for (unsigned channel = 1; channel <= ui::kChannelCount; ++channel) {
                const std::string prefix = ChannelPath(band, channel);
                if (doc.Query(prefix + "APPEAR") == "OFF") continue;
                ++found;
                const QString frequency = QString::fromStdString(doc.Query(prefix + "FREQUENCY"));
                EXPECT_TRUE(text.contains(frequency)) << prefix << " " << frequency.toStdString();
                if (ui::IsEdgeChannel(channel)) continue;
                const QString name = QString::fromStdString(doc.Query(prefix + "NAME")).trimmed();
                EXPECT_TRUE(text.contains(name)) << prefix << " " << name.toStdString();
            }
        }
        EXPECT_GT(found, 4);
    }

    std::unique_ptr<CQL7400App> app;
    CQL7400Doc& doc;
    CMainFrame& frame;
};

TEST_F(PrintTest, ThePdfHoldsTheChannelsInUseTheSettingsAndTheDtmfMemoriesUnderTheHeader) {
    doc.Apply(std::vector<std::string>{
        "CH.MCH_144.1.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=REPEATR\tDUPLEX_SELECTION=Dup-",
        "CH.MCH_144.12.ALL=APPEAR=ON\tFREQUENCY=146.5200\tNAME=SIMPLEX",
        "CH.MCH_430.3.ALL=APPEAR=ON\tFREQUENCY=438.5000\tNAME=HOTSPOT",
        "CH.MCH_430.99.ALL=APPEAR=ON\tFREQUENCY=433.5000\tNAME=LASTONE", "DTMF.3=5551234",
        "COMMON.AUTO_REPEATER=ON2", "HEAL"});
    prompts.files = {File("car.icf")};
    frame.Execute(cmd::kSaveAs);
    prompts.Take();

    const QString before = QDate::currentDate().toString(Qt::ISODate);
    prompts.files = {File("car")};
    frame.Execute(cmd::kExportPdf);
    const QString after = QDate::currentDate().toString(Qt::ISODate);
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{"save: car.pdf PDF Files (*.pdf) .pdf"})
        << "no warning";

    const QString text = PdfText(File("car.pdf"));
    for (const char* expected : {"car.icf",
                                 "Version USA-A",
                                 "Page 1 of ",
                                 "145.5000",
                                 "REPEATR",
                                 "-Dup",
                                 "146.5200",
                                 "SIMPLEX",
                                 "438.5000",
                                 "HOTSPOT",
                                 "433.5000",
                                 "LASTONE",
                                 "VHF memory channels",
                                 "UHF memory channels",
                                 "Offset freq.",
                                 "Auto Repeater",
                                 "Dup & Tone",
                                 "D3",
                                 "5551234",
                                 "Channel Selection"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
    }
    EXPECT_TRUE(text.contains(before) || text.contains(after));
    ExpectEveryChannelInUse(text);
}

TEST_F(PrintTest, AFullDataSetRunsOverSeveralPagesWithoutLosingARow) {
    FillAllMemoryChannels(doc.RadioData());
    doc.Apply(std::vector<std::string>{"HEAL"});
    prompts.files = {File("full.pdf")};
    EXPECT_TRUE(doc.OnExportPdf());
    prompts.Take();

    const QString text = PdfText(File("full.pdf"));
    ExpectEveryChannelInUse(text);
    const int pages = static_cast<int>(text.count(QStringLiteral("Version USA-A")));
    ASSERT_GT(pages, 2) << "a header on every page";
    for (int page = 1; page <= pages; ++page) {
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << page;
    }
    EXPECT_TRUE(text.contains(QStringLiteral("Untitled")));
}

TEST_F(PrintTest, APdfThatCannotBeWrittenIsReportedWithItsNameAndACancelWritesNothing) {
    prompts.files = {QString()};
    EXPECT_FALSE(doc.OnExportPdf());
    EXPECT_EQ(prompts.Take().size(), 1U) << "only the file dialog";

    const QString missing = File("gone/car.pdf");
    prompts.files = {missing};
    EXPECT_FALSE(doc.OnExportPdf());
    std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_EQ(shown.back(), "warning: Cannot write the PDF file " + missing.toStdString() +
                                ": no such file or device");

    std::filesystem::create_directory(dir.File("folder.pdf"));
    prompts.files = {File("folder.pdf")};
    EXPECT_FALSE(doc.OnExportPdf());
    shown = prompts.Take();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_NE(shown.back().find("folder.pdf: not a regular file"), std::string::npos)
        << shown.back();
}

}  // namespace
}  // namespace ql::test
