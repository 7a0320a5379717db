// "Common Setting..." and "DTMF AutoDial..." from the main window: the View commands open
// the dialogs modally, and what they send is in the command trace of a bug report.

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;

class SettingsCommandsTest : public AppTest {
  protected:
    void Start() {
        ::setenv("QL7400_TRACE", trace.c_str(), 1);
        app = StartPlain();
        ::unsetenv("QL7400_TRACE");
        frame = app->MainFrame();
    }
    // What was traced since the last call, without the channel list's own queries (the
    // list rebuilds its rows after every change).
    [[nodiscard]] std::vector<std::string> Trace() const {
        std::vector<std::string> lines;
        for (std::string& line : SplitLines(ReadFileBytes(trace))) {
            if (!line.empty() && !line.starts_with("CH.")) lines.push_back(std::move(line));
        }
        std::filesystem::resize_file(trace, 0);  // the trace appends, so it goes on at 0
        return lines;
    }
    static void Click(QWidget* dialog, const QString& text) {
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == text) button->click();
        }
    }

    std::filesystem::path trace = dir.File("trace.txt");
    std::unique_ptr<CQL7400App> app;
    CMainFrame* frame = nullptr;
};

TEST_F(SettingsCommandsTest, CommonSettingOpensTheSheetAndEachPageLeftIsTraced) {
    Start();
    frame->UpdateCommandUi();
    ASSERT_TRUE(frame->Action(cmd::kCommonSetting)->isEnabled());
    (void)Trace();
    QString title;
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        dialog->findChild<QTabWidget*>()->setCurrentIndex(1);
        Click(dialog, "Cancel");
    });
    frame->Execute(cmd::kCommonSetting);
    EXPECT_EQ(title, "Setting");

    const std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 16U + 15U + 5U);
    EXPECT_EQ(lines[0], "MODEL.COUNTRY\tUSA-A");
    EXPECT_EQ(lines[1], "COMMON.BEEP\tON");
    EXPECT_EQ(lines[8], "COMMON.AUTO_REPEATER\tOFF");
    EXPECT_EQ(lines[15], "COMMON.RF_POWER_UHF\tHIGH");
    EXPECT_EQ(lines[16], "COMMON.BEEP=ON\tON");
    EXPECT_EQ(lines[30], "COMMON.RF_POWER_UHF=HIGH\tHIGH");
    EXPECT_EQ(lines[31], "COMMON.OPENING_TEXT\t        ");
    EXPECT_EQ(lines[35], "COMMON.LCD_BACKLIGHT\t38%");
    EXPECT_FALSE(app->Document()->IsModified()) << "the same values written back";
}

TEST_F(SettingsCommandsTest, DtmfAutoDialOpensTheDialogAndOkIsTracedAsOneChange) {
    Start();
    frame->UpdateCommandUi();
    ASSERT_TRUE(frame->Action(cmd::kDtmfAutoDial)->isEnabled());
    (void)Trace();
    int refreshes = 0;
    QObject::connect(app->Document(), &CQL7400Doc::DataChanged, [&] { ++refreshes; });
    QString title;
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        QComboBox* speed = nullptr;
        for (auto* list : dialog->findChildren<QComboBox*>()) {
            if (list->accessibleName() == "Speed") speed = list;
        }
        speed->setCurrentText("200ms");
        Click(dialog, "OK");
    });
    frame->Execute(cmd::kDtmfAutoDial);
    EXPECT_EQ(title, "DTMF Autodial");
    EXPECT_EQ(refreshes, 1);

    const std::vector<std::string> lines = Trace();
    ASSERT_EQ(lines.size(), 16U + 16U);
    EXPECT_EQ(lines[0], "DTMF.0\t");
    EXPECT_EQ(lines[14], "COMMON.DTMF_CH_NO\t0");
    EXPECT_EQ(lines[15], "COMMON.DTMF_SPEED\t100ms");
    EXPECT_EQ(lines[16], "DTMF.0= \t");
    EXPECT_EQ(lines[30], "COMMON.DTMF_CH_NO=0\t0");
    EXPECT_EQ(lines[31], "COMMON.DTMF_SPEED=200ms\t200ms");
    EXPECT_TRUE(app->Document()->IsModified());
}

}  // namespace
}  // namespace ql::test
