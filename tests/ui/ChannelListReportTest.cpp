// The printed channel list's text over a real document: the rows the lists show for the
// channels in use of both bands, the settings and DTMF memories as their dialogs show them,
// every value escaped, and nothing but queries sent.

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <map>

#include "ui/CChannelListModel.h"
#include "ui/ChannelListReport.h"
#include "ui/SettingsFixture.h"

namespace ql::test {
namespace {

using Table = std::vector<QStringList>;

// The tables of a report, each as its rows of cell texts.
std::vector<Table> Tables(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    std::vector<Table> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr) continue;
        Table rows;
        for (int row = 0; row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells.append(cursor.selectedText());
            }
            rows.push_back(cells);
        }
        tables.push_back(rows);
    }
    return tables;
}

class ChannelListReportTest : public SettingsDialogTest {
  protected:
    [[nodiscard]] ui::CChannelListReport Report() {
        return {*radio, QStringLiteral("car.icf"), QDate(2024, 5, 1)};
    }

    // The header row and the rows in use of a band's list, as the list shows them.
    Table ListRows(Band band) {
        ui::CChannelListModel list(*radio, nullptr);
        list.SetBand(band);
        list.RefreshAll();
        Table rows;
        const auto row = [&](auto cell) {
            QStringList cells;
            for (int column = 0; column < ui::kColEmpty; ++column) cells.append(cell(column));
            return cells;
        };
        rows.push_back(row([](int column) { return ui::CChannelListModel::HeaderText(column); }));
        for (int channel = 0; channel < list.rowCount(); ++channel) {
            if (list.CellText(channel, ui::kColFrequency).isEmpty()) continue;
            rows.push_back(row([&](int column) { return list.CellText(channel, column); }));
        }
        return rows;
    }

    // Every label of the two-column tables with its value.
    static std::map<QString, QString> Values(const std::vector<Table>& tables) {
        std::map<QString, QString> values;
        for (const Table& table : tables) {
            for (const QStringList& row : table) {
                if (row.size() == 2) values[row.at(0)] = row.at(1);
            }
        }
        return values;
    }
};

TEST_F(ChannelListReportTest, BothBandsShowTheListsRowsOfTheChannelsInUseOnly) {
    Set(
        {"CH.MCH_144.2.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=REPEATR\tDUPLEX_SELECTION=Dup-\t"
         "TONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=123.0",
         "CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=146.5200\tNAME=SIMPLEX\tSKIP=SKIP",
         "CH.MCH_144.5.FREQUENCY=435.0000", "CH.MCH_144.5.APPEAR=ON", "CH.MCH_144.6.APPEAR=OFF",
         "CH.MCH_430.7.ALL=APPEAR=ON\tFREQUENCY=438.5000\tNAME=HOTSPOT", "HEAL"});
    const ui::CChannelListReport report = Report();
    for (const std::string& command : Take()) {
        EXPECT_EQ(command.find('='), std::string::npos) << "only queries: " << command;
    }
    EXPECT_EQ(steps, 0);

    const std::vector<Table> tables = Tables(report.Html());
    ASSERT_GE(tables.size(), 2U);
    const Table vhf = ListRows(Band::kVhf);
    EXPECT_EQ(tables.at(0), vhf);
    EXPECT_EQ(tables.at(1), ListRows(Band::kUhf));
    // The blank channel is left out; the illegal one keeps its mark.
    QStringList labels;
    for (const QStringList& row : vhf) labels.append(row.first());
    EXPECT_TRUE(labels.contains("02") && labels.contains("03") && labels.contains("05"));
    EXPECT_FALSE(labels.contains("06"));
    EXPECT_TRUE(report.Html().contains("435.0000 ?"));
    EXPECT_EQ(report.Header().version, "USA-A");
}

TEST_F(ChannelListReportTest, SettingsAndDtmfMemoriesReadAsTheirDialogsShowThem) {
    Set({"COMMON.TOT=3min", "COMMON.AUTO_REPEATER=ON2", "COMMON.RF_POWER_VHF=MID-H",
         "COMMON.LCD_CONTRAST=50%", "COMMON.OPENING_TEXT=OK2AA", "COMMON.MIC_F1_FUNCTION=MIC-UP",
         "COMMON.MIC_ID=OFF", "DTMF.3=5551234", "COMMON.DTMF_CH_NO=C", "COMMON.DTMF_SPEED=300ms"});
    const QString html = Report().Html();
    std::map<QString, QString> values = Values(Tables(html));
    EXPECT_EQ(values["Tx T.O.T"], "3 min");
    EXPECT_EQ(values["Auto Repeater"], "Dup & Tone");
    EXPECT_EQ(values["VHF RF Power"], "Mid-Hi");
    EXPECT_EQ(values["Contrast Control"], "50%");
    EXPECT_EQ(values["Opening Title"], "OK2AA") << "without the model's padding";
    EXPECT_EQ(values["MK-31 F-1 Key"], "Up");
    EXPECT_EQ(values["MIC Address"], "Off");
    EXPECT_EQ(values["D3"], "5551234");
    EXPECT_EQ(values["D4"], "");
    EXPECT_EQ(values["Channel Selection"], "DC");
    EXPECT_EQ(values["Speed"], "300ms");
    // Escaped: the text is what the dialog shows, not markup.
    EXPECT_TRUE(html.contains("Dup &amp; Tone"));
    EXPECT_FALSE(html.contains("Dup & Tone"));

    // A version without an auto repeater shows the sheet's "---".
    Start(4);  // EUR-A
    values = Values(Tables(Report().Html()));
    EXPECT_EQ(values["Auto Repeater"], "---");
}

}  // namespace
}  // namespace ql::test
