// Clone in, Clone out and Clone info. from the main window against the simulated
// transceiver on a pseudo-terminal: the questions, the progress dialog with its cancel
// command, the tones, and every result's status text and box.

#include <stdlib.h>
#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTreeWidget>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "clone/ChildProcess.h"
#include "ui/CInformationDlg.h"
#include "ui/CPortSettingsDlg.h"
#include "ui/CProgressDlg.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

using Answer = ui::CUserPrompts::Answer;
namespace cmd = ui::cmd;

constexpr unsigned kSuccessHertz = 1000;
constexpr unsigned kFailureHertz = 500;

const std::string kCheckCloning =
    " Check the following:\r\n\r\n - The RS-232C port settings.\r\n - Cloning cable "
    "connections.\r\n - Appropriate cloning software for the transceiver is being used.\r\n - "
    "The revision number of the transceiver.\n";

class CloneCommandsTest : public AppTest {
  protected:
    // The transceiver on port 1, the application started with the setup done for version 0.
    void Start(std::vector<std::string> simArgs, const std::string& device = {}) {
        if (device.empty()) {
            sim.emplace(dir.Path(), std::move(simArgs));
            SetDevice(1, sim->Link().string());
        } else {
            SetDevice(1, device);
        }
        app = StartPlain();
        frame = app->MainFrame();
        doc = app->Document();
    }
    [[nodiscard]] std::string Status() const { return frame->MessageText().toStdString(); }
    [[nodiscard]] std::vector<unsigned> ToneStarts() const {
        std::vector<unsigned> starts;
        for (const auto& signal : tones.signals) starts.push_back(signal.front().hertz);
        return starts;
    }
    // Runs a command and returns its status text and what was shown.
    std::pair<std::string, std::vector<std::string>> Run(int command) {
        frame->SetMessageText(QStringLiteral("Ready"));
        frame->Execute(command);
        return {Status(), prompts.Take()};
    }

    std::optional<SimProcess> sim;
    std::unique_ptr<CQL7400App> app;
    CMainFrame* frame = nullptr;
    CQL7400Doc* doc = nullptr;
};

TEST_F(CloneCommandsTest, CloneInfoShowsTheTransceiversComment) {
    Start({"--comment", "Shack"});
    QString model;
    QString comment;
    WhenModal([&](QWidget* dialog) {
        auto* information = qobject_cast<ui::CInformationDlg*>(dialog);
        ASSERT_NE(information, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Information");
        model = information->ModelText();
        comment = information->CommentText();
        dialog->findChild<QPushButton*>()->click();
    });
    const auto [status, shown] = Run(cmd::kCloneInfo);
    EXPECT_EQ(model, "RZ-7400");
    EXPECT_EQ(comment, "Shack           ") << "all sixteen characters";
    EXPECT_EQ(status, "Ready");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>{kSuccessHertz});
}

TEST_F(CloneCommandsTest, CloneInLoadsTheTransceiversMemoryUnderTheProgressDialogAndIsTraced) {
    TestRadio memory(0);
    memory("CH.MCH_144.12.FREQUENCY=146.5200");
    memory("CH.MCH_144.12.APPEAR=ON");
    ASSERT_EQ(memory(Quoted("FILE.SAVE.", dir.File("memory.icf"))), "OK");
    const std::filesystem::path trace = dir.File("trace.txt");
    ::setenv("QL7400_TRACE", trace.c_str(), 1);
    Start({"--image", dir.File("memory.icf").string()});
    ::unsetenv("QL7400_TRACE");

    bool checked = false;
    WhenVisible("ql::ui::CProgressDlg", [&](QWidget* dialog) {
        checked = true;
        EXPECT_EQ(dialog->windowTitle(), "Cloning");
        EXPECT_EQ(dialog->parentWidget(), nullptr) << "a window of its own";
        EXPECT_TRUE(dialog->isEnabled());
        EXPECT_FALSE(frame->isEnabled()) << "the main window waits";
        EXPECT_NE(dialog->findChild<QProgressBar*>(), nullptr);
    });
    const auto [status, shown] = Run(cmd::kCloneIn);
    EXPECT_TRUE(checked);
    EXPECT_EQ(status, " Cloning completed.");
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(frame->isEnabled());
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>{kSuccessHertz});
    EXPECT_EQ(doc->Query("CH.MCH_144.12.FREQUENCY"), "146.5200");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(doc->History().CanUndo()) << "a read starts a new history";
    // A backup of what was read, named with the time and the version.
    const std::filesystem::path backups =
        std::filesystem::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "ql7400" /
        "backups";
    std::vector<std::string> kept;
    for (const auto& entry : std::filesystem::directory_iterator(backups)) {
        kept.push_back(entry.path().filename().string());
    }
    ASSERT_FALSE(kept.empty());
    EXPECT_TRUE(kept.back().ends_with("-USA-A.icf")) << kept.back();

    const std::string clonePath = doc->CloneFilePath().string();
    const std::vector<std::string> lines = SplitLines(ReadFileBytes(trace));
    // The channel list's queries come before the load and after it, as it shows the data.
    const auto load = std::find(lines.begin(), lines.end(), "FILE.LOAD.\"" + clonePath + "\"\tOK");
    ASSERT_NE(load, lines.end());
    ASSERT_NE(load + 1, lines.end());
    EXPECT_EQ(*(load + 1), "HEAL\tOK");
    EXPECT_EQ(lines.back(), "CH.MCH_144.12.FREQUENCY\t146.5200");

    // A modified document asks before it is overwritten; Cancel touches nothing.
    prompts.answers = {Answer::kCancel};
    const auto [again, asked] = Run(cmd::kCloneIn);
    EXPECT_EQ(asked,
              std::vector<std::string>{"question:  Read from transceiver, Data has been edited."});
    EXPECT_EQ(again, "Ready");
    EXPECT_EQ(tones.signals.size(), 1U);
}

TEST_F(CloneCommandsTest, CloneOutAsksEveryTimeAndReportsSuccessWithoutAWarning) {
    Start({"--written", dir.File("written.icf").string()});
    prompts.answers = {Answer::kCancel};
    const auto [declined, asked] = Run(cmd::kCloneOut);
    EXPECT_EQ(asked, std::vector<std::string>{"question:  Write to transceiver"});
    EXPECT_EQ(declined, "Ready");
    EXPECT_TRUE(tones.signals.empty());

    prompts.answers = {Answer::kOk};
    const auto [status, shown] = Run(cmd::kCloneOut);
    EXPECT_EQ(status, " Cloning completed.");
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "question:  Write to transceiver",
                         "information:  Clone writing succeeded. \n\n Turn the transceiver power "
                         "off and on to use \n the transceiver under its new conditions.\n"}));
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>{kSuccessHertz});
    EXPECT_FALSE(doc->IsModified());
    for (int i = 0; i < 250 && !std::filesystem::exists(dir.File("written.icf")); ++i) {
        QTest::qWait(20);
    }
    EXPECT_TRUE(std::filesystem::exists(dir.File("written.icf")));
}

TEST_F(CloneCommandsTest, AnotherVersionIsRefusedByEveryCommand) {
    Start({"--country", "3"});
    const std::string box =
        "warning:  The transceiver cannot be programmed with the\ncurrent setting. The "
        "transceiver's version \ndoes not match the initial setup.\n";
    EXPECT_EQ(Run(cmd::kCloneIn), std::pair(std::string(" Err: Version number does not match."),
                                            std::vector<std::string>{box}));
    prompts.answers = {Answer::kOk};
    EXPECT_EQ(Run(cmd::kCloneOut),
              std::pair(std::string(" Err: Version number does not match."),
                        std::vector<std::string>{"question:  Write to transceiver", box}));
    EXPECT_EQ(Run(cmd::kCloneInfo), std::pair(std::string(" Err: Version number does not match."),
                                              std::vector<std::string>{box}));
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>(3, kFailureHertz));
}

TEST_F(CloneCommandsTest, AForeignModelIsIllegalInformation) {
    Start({"--fault", "model:1234"});
    const auto [status, shown] = Run(cmd::kCloneInfo);
    EXPECT_EQ(status, " Err: Illegal information.");
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(
        shown[0].starts_with("warning:  The transceiver cannot be programmed. The cause "
                             "may be:\n\n 1) The transceiver has not been cloned.\n"));
}

TEST_F(CloneCommandsTest, APortThatCannotBeOpenedIsReportedAfterTheProgressDialogIsGone) {
    Start({}, dir.File("no-such-port").string());
    const std::string box =
        "warning:  Check the following:\n\n - The RS-232C port settings.\n - Cloning cable "
        "connections.\n - Transceiver power is ON.";
    bool progressGone = true;
    prompts.onShow = [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->inherits("ql::ui::CProgressDlg")) {
                progressGone = false;
            }
        }
    };
    const std::string status = " Err: Cannot access RS-232C port.";
    EXPECT_EQ(Run(cmd::kCloneIn), std::pair(status, std::vector<std::string>{box}));
    prompts.answers = {Answer::kOk};
    EXPECT_EQ(Run(cmd::kCloneOut),
              std::pair(status, std::vector<std::string>{"question:  Write to transceiver", box}));
    EXPECT_EQ(Run(cmd::kCloneInfo), std::pair(status, std::vector<std::string>{box}));
    EXPECT_TRUE(progressGone);
    EXPECT_TRUE(frame->isEnabled());
}

TEST_F(CloneCommandsTest, ASilentTransceiverFailsEachCommandWithItsOwnText) {
    Start({"--fault", "no-answer"});
    const std::string box = "warning: " + kCheckCloning;
    EXPECT_EQ(Run(cmd::kCloneIn), std::pair(std::string(" Err: Cannot read cloning data."),
                                            std::vector<std::string>{box}));
    prompts.answers = {Answer::kOk};
    EXPECT_EQ(Run(cmd::kCloneOut),
              std::pair(std::string(" Err: Cannot write cloning data."),
                        std::vector<std::string>{"question:  Write to transceiver", box}));
    EXPECT_EQ(Run(cmd::kCloneInfo),
              std::pair(std::string(" Err: Illegal information."), std::vector<std::string>{box}));
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>(3, kFailureHertz));
}

TEST_F(CloneCommandsTest, EscapeInTheProgressDialogCancelsARead) {
    Start({"--pace"});
    doc->Apply("CH.MCH_144.3.APPEAR=ON");
    prompts.answers = {Answer::kOk};
    int percentAtCancel = -1;
    WhenVisible("ql::ui::CProgressDlg", [&](QWidget* widget) {
        auto* dialog = qobject_cast<ui::CProgressDlg*>(widget);
        // Let a few blocks arrive, then press Escape in the dialog.
        QTest::qWait(1500);
        percentAtCancel = dialog->Position();
        EXPECT_FALSE(frame->isEnabled());
        EXPECT_TRUE(dialog->isEnabled());
        EXPECT_FALSE(frame->close()) << "the window waits for the exchange";
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    const auto [status, shown] = Run(cmd::kCloneIn);
    EXPECT_EQ(status, " Terminated cloning.  ");
    EXPECT_EQ(shown,
              std::vector<std::string>{"question:  Read from transceiver, Data has been edited."});
    EXPECT_GE(percentAtCancel, 0);
    EXPECT_LT(percentAtCancel, 100);
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>{kFailureHertz});
    EXPECT_EQ(doc->Query("CH.MCH_144.3.APPEAR"), "ON") << "a cancelled read changes nothing";
    EXPECT_TRUE(frame->isEnabled());
}

// The exchange runs beside the window's thread: the progress goes on while that thread is
// busy with something else, a second clone command meanwhile does nothing, and the dialog's
// close box cancels like Escape.
TEST_F(CloneCommandsTest, TheExchangeGoesOnWhileTheWindowsThreadIsBusyElsewhere) {
    Start({"--pace"});
    int before = -1;
    int after = -1;
    std::vector<std::string> shownMeanwhile;
    WhenVisible("ql::ui::CProgressDlg", [&](QWidget* widget) {
        auto* dialog = qobject_cast<ui::CProgressDlg*>(widget);
        QTest::qWait(300);
        before = dialog->Position();
        QTest::qWait(1200);
        after = dialog->Position();
        EXPECT_TRUE(doc->IsTransferRunning());
        frame->Execute(cmd::kCloneInfo);
        shownMeanwhile = prompts.Take();
        dialog->close();
    });
    const auto [status, shown] = Run(cmd::kCloneIn);
    EXPECT_GT(after, before) << "the bar moved on while the window's thread waited";
    EXPECT_TRUE(shownMeanwhile.empty()) << "one exchange at a time";
    EXPECT_EQ(status, " Terminated cloning.  ");
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>{kFailureHertz});
    EXPECT_FALSE(doc->IsTransferRunning());
}

// The exchange's worker thread never touches the data set: every command the clone commands
// send it (the clone file's load, the views' queries after it) runs on the window's thread.
TEST_F(CloneCommandsTest, TheDataSetIsOnlyTouchedOnTheWindowsThread) {
    Start({"--written", dir.File("written.icf").string()});
    QThread* const window = QThread::currentThread();
    std::vector<std::string> elsewhere;
    int commands = 0;
    doc->RadioData().SetCommandObserver([&](std::string_view text, std::string_view) {
        ++commands;
        if (QThread::currentThread() != window) elsewhere.emplace_back(text);
    });
    EXPECT_EQ(Run(cmd::kCloneIn).first, " Cloning completed.");
    prompts.answers = {Answer::kOk};
    EXPECT_EQ(Run(cmd::kCloneOut).first, " Cloning completed.");
    EXPECT_GE(commands, 2);
    EXPECT_EQ(elsewhere, std::vector<std::string>{});
}

TEST_F(CloneCommandsTest, ThePortCommandsChooseTheDeviceOfTheirNumber) {
    Start({}, dir.File("no-such-port").string());
    sim.emplace(dir.Path());
    SetDevice(2, sim->Link().string());
    frame->Execute(cmd::kCom2);
    EXPECT_TRUE(frame->Action(cmd::kCom2)->isChecked());
    EXPECT_FALSE(frame->Action(cmd::kCom1)->isChecked());
    WhenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>()->click(); });
    EXPECT_EQ(Run(cmd::kCloneInfo).second, std::vector<std::string>{});
    EXPECT_EQ(ToneStarts(), std::vector<unsigned>{kSuccessHertz});
}

// A failure box says below its own text which device was tried and what the program saw;
// the box's text and the status stay as they are.
TEST_F(CloneCommandsTest, AFailureBoxNamesTheDeviceAndTheLikelyCause) {
    const std::string missing = dir.File("no-such-port").string();
    Start({}, missing);
    const auto [status, shown] = Run(cmd::kCloneIn);
    EXPECT_EQ(status, " Err: Cannot access RS-232C port.");
    ASSERT_EQ(shown.size(), 1U);
    ASSERT_EQ(prompts.causes.size(), 1U);
    EXPECT_TRUE(prompts.causes[0].starts_with(missing + ": the device does not exist"))
        << prompts.causes[0];

    app.reset();
    prompts.causes.clear();
    Start({"--fault", "no-answer"});
    (void)Run(cmd::kCloneInfo);
    ASSERT_EQ(prompts.causes.size(), 1U);
    EXPECT_NE(prompts.causes[0].find("only the echo of what was sent came back"), std::string::npos)
        << prompts.causes[0];

    // A transfer that worked leaves no cause behind for a later box.
    app.reset();
    prompts.causes.clear();
    Start({});
    EXPECT_EQ(Run(cmd::kCloneIn).second, std::vector<std::string>{});
    EXPECT_TRUE(prompts.causes.empty());
}

TEST_F(CloneCommandsTest, PortEntriesShowTheirDevicesAndPortSettingsStoresOne) {
    SerialDevice adapter;
    adapter.name = "ttyUSB0";
    adapter.path = "/dev/ttyUSB0";
    adapter.byId = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1-if00-port0";
    adapter.driver = "ftdi_sio";
    adapter.vendorId = "0403";
    adapter.productId = "6001";
    adapter.product = "FT232R USB UART";
    devices = {adapter};
    Start({}, "/dev/ttyUSB0");
    frame->UpdateCommandUi();
    EXPECT_EQ(frame->Action(cmd::kCom1)->text(), "COM1  (ttyUSB0, FT232R USB UART)");
    EXPECT_TRUE(frame->Action(cmd::kCom1)->isChecked());
    EXPECT_EQ(frame->Action(cmd::kCom2)->text(), "COM2  (ttyUSB1, not present)");

    WhenModal([&](QWidget* dialog) {
        auto* settingsDialog = qobject_cast<ui::CPortSettingsDlg*>(dialog);
        ASSERT_NE(settingsDialog, nullptr);
        settingsDialog->PortList()->setCurrentIndex(1);
        QTreeWidget* table = settingsDialog->DeviceTable();
        ASSERT_EQ(table->topLevelItemCount(), 1);
        table->setCurrentItem(table->topLevelItem(0));
        settingsDialog->accept();
    });
    frame->Execute(cmd::kPortSettings);
    EXPECT_EQ(settings.GetString("CommPort", "Device2", ""), adapter.byId.string());
    frame->UpdateCommandUi();
    EXPECT_EQ(frame->Action(cmd::kCom2)->text(), "COM2  (ttyUSB0, FT232R USB UART)");
}

}  // namespace
}  // namespace ql::test
