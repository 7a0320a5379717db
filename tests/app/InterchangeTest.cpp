// Channel lists in and out as text through the main frame: Import CSV shows what it would do
// and the rows it refuses before anything changes, and is one undo step; Export CSV writes the
// list or the selected rows; Copy puts the rows on the clipboard as a table and Paste Text
// takes them back; Open Backup starts in the folder of the reads' backups.

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "ui/CQL7400View.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;
using Answer = ui::CUserPrompts::Answer;

class InterchangeTest : public AppTest {
  protected:
    InterchangeTest() : app(StartPlain()), doc(*app->Document()), frame(*app->MainFrame()) {
        view = qobject_cast<ui::CQL7400View*>(frame.centralWidget());
    }
    QString File(std::string_view name) const {
        return QString::fromStdString(dir.File(name).string());
    }
    // Runs command with the next modal dialog handled by handle.
    void WithDialog(int command, const std::function<void(QWidget*)>& handle) {
        WhenModal(handle);
        frame.Execute(command);
    }
    static void Ok(QWidget* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }

    std::unique_ptr<CQL7400App> app;
    CQL7400Doc& doc;
    CMainFrame& frame;
    ui::CQL7400View* view = nullptr;
};

TEST_F(InterchangeTest, ImportShowsTheRefusedRowsFirstAndIsOneUndoStep) {
    WriteFileBytes(dir.File("repeaters.csv"),
                   "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n"
                   "5,Hill,145.650000,-,0.600000,Tone,88.5\r\n"
                   "6,Split,145.700000,split,146.000000,,88.5\r\n"
                   "7,Town,145.725000,,0.000000,,88.5\r\n");
    const std::string before = doc.RadioData().SaveText();
    QStringList refused;
    prompts.files = {File("repeaters.csv")};
    WithDialog(cmd::kImportCsv, [&](QWidget* dialog) {
        for (int i = 0; i < dialog->findChild<QListWidget*>()->count(); ++i) {
            refused.append(dialog->findChild<QListWidget*>()->item(i)->text());
        }
        Ok(dialog);
    });
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused.first().startsWith("line 3: Duplex: split:"))
        << refused.first().toStdString();
    EXPECT_EQ(doc.Query("CH.MCH_144.5.NAME"), "HILL    ");
    EXPECT_EQ(doc.Query("CH.MCH_144.5.DUPLEX_SELECTION"), "Dup-");
    EXPECT_EQ(doc.Query("CH.MCH_144.6.APPEAR"), "OFF");
    EXPECT_EQ(doc.Query("CH.MCH_144.7.FREQUENCY"), "145.7250");
    frame.UpdateCommandUi();
    EXPECT_EQ(frame.Action(cmd::kUndo)->text(), "&Undo Import");
    frame.Execute(cmd::kUndo);
    EXPECT_EQ(doc.RadioData().SaveText(), before);

    // From the selected channel on; Cancel changes nothing.
    view->SelectChannel(40);
    prompts.files = {File("repeaters.csv")};
    WithDialog(cmd::kImportCsv, [](QWidget* dialog) {
        for (auto* choice : dialog->findChildren<QRadioButton*>()) {
            if (choice->text().contains("40")) choice->click();
        }
        Ok(dialog);
    });
    EXPECT_EQ(doc.Query("CH.MCH_144.40.NAME"), "HILL    ");
    EXPECT_EQ(doc.Query("CH.MCH_144.42.NAME"), "TOWN    ") << "a refused row keeps its place";
    const std::string imported = doc.RadioData().SaveText();
    prompts.files = {File("repeaters.csv")};
    WithDialog(cmd::kImportCsv, [](QWidget* dialog) { dialog->close(); });
    EXPECT_EQ(doc.RadioData().SaveText(), imported);
}

TEST_F(InterchangeTest, AFileThatIsNoChannelListChangesNothing) {
    WriteFileBytes(dir.File("picture.csv"), std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const std::string before = doc.RadioData().SaveText();
    prompts.files = {File("picture.csv")};
    frame.Execute(cmd::kImportCsv);
    const std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 2U);
    EXPECT_TRUE(shown[1].starts_with("warning: picture.csv cannot be imported:")) << shown[1];
    EXPECT_EQ(doc.RadioData().SaveText(), before);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(InterchangeTest, ExportWritesTheListOrTheSelectedRows) {
    doc.Apply("CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=THREE");
    doc.Apply("CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=145.6000\tNAME=FOUR");
    prompts.files = {File("band")};
    WithDialog(cmd::kExportCsv, Ok);
    const std::string band = ReadFileBytes(dir.File("band.csv"));
    EXPECT_TRUE(band.starts_with("Location,Name,Frequency,Duplex,")) << band;
    EXPECT_NE(band.find("3,THREE,145.500000,"), std::string::npos) << band;
    EXPECT_NE(band.find("4,FOUR,145.600000,"), std::string::npos);

    view->SelectChannel(4);
    view->selectionModel()->select(view->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    prompts.files = {File("rows.csv")};
    WithDialog(cmd::kExportCsv, Ok);  // the selected rows are chosen when several are
    const std::string rows = ReadFileBytes(dir.File("rows.csv"));
    EXPECT_EQ(rows.find("3,THREE"), std::string::npos) << rows;
    EXPECT_NE(rows.find("4,FOUR"), std::string::npos);
}

TEST_F(InterchangeTest, CopyPutsATableOnTheClipboardThatPasteTextTakesBack) {
    doc.Apply("CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=THREE");
    doc.Apply("CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=145.6000\tNAME=FOUR");
    view->SelectChannel(3);
    view->selectionModel()->select(view->model()->index(3, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    frame.Execute(cmd::kCopy);
    const QString table = QApplication::clipboard()->text();
    EXPECT_TRUE(table.startsWith("Location\tName\tFrequency\t")) << table.toStdString();
    EXPECT_EQ(table.count('\n'), 3);

    view->SelectChannel(50);
    frame.Execute(cmd::kPasteText);
    EXPECT_TRUE(prompts.Take().empty()) << "blank rows: nothing to ask";
    EXPECT_EQ(doc.Query("CH.MCH_144.50.NAME"), "THREE   ");
    EXPECT_EQ(doc.Query("CH.MCH_144.51.FREQUENCY"), "145.6000");
    frame.UpdateCommandUi();
    EXPECT_EQ(frame.Action(cmd::kUndo)->text(), "&Undo Paste Text");

    // Rows without the header line, over channels in use: asked first.
    QApplication::clipboard()->setText("1\tNEW\t146.000000\n");
    view->SelectChannel(50);
    prompts.answers = {Answer::kNo};
    frame.Execute(cmd::kPasteText);
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{
                                  "exclamation: Paste Text overwrites 1 channels in use. Go on?"});
    EXPECT_EQ(doc.Query("CH.MCH_144.50.NAME"), "THREE   ");
    prompts.answers = {Answer::kYes};
    frame.Execute(cmd::kPasteText);
    EXPECT_EQ(doc.Query("CH.MCH_144.50.NAME"), "NEW     ");
}

TEST_F(InterchangeTest, OpenBackupStartsInTheBackupFolder) {
    prompts.files = {QString()};
    frame.Execute(cmd::kOpenBackup);
    ASSERT_EQ(prompts.folders.size(), 1U);
    EXPECT_EQ(prompts.folders.back(),
              qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/ql7400/backups"));
}

}  // namespace
}  // namespace ql::test
