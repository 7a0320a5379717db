// Start-up: the single-instance guard, the initial setup before any main window, the
// command line, the Notes at start-up and what survives a restart.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>
#include <optional>

#include "app/AppFixture.h"
#include "app/CFrameStatusBar.h"
#include "app/CInstanceGuard.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "app/CSetupCmdLineInfo.h"
#include "clone/ChildProcess.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CNotesDlg.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

using namespace std::chrono_literals;

QPushButton* Button(QWidget* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

bool AnyMainFrame() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<CMainFrame*>(widget) != nullptr) return true;
    }
    return false;
}

using StartupTest = AppTest;

TEST_F(StartupTest, FirstStartRunsTheSetupBeforeTheMainWindowAndCancelKeepsCallSignAndPort) {
    settings.SetInt("Tip", "StartUp", 1);
    bool seen = false;
    WhenModal([&](QWidget* dialog) {
        seen = true;
        EXPECT_TRUE(qobject_cast<ui::CInitialSetupDlg*>(dialog) != nullptr);
        EXPECT_EQ(dialog->windowTitle(), "QL-7400 Initial Setup");
        EXPECT_FALSE(AnyMainFrame());
        auto* port = dialog->findChild<QComboBox*>();
        EXPECT_EQ(port->currentText(), "COM1  (ttyUSB0, not present)");
        EXPECT_EQ(port->count(), 4);
        auto* callSign = dialog->findChild<QLineEdit*>();
        EXPECT_EQ(callSign->text(), "");
        EXPECT_EQ(callSign->maxLength(), 20);
        Button(dialog, "Cancel")->click();
    });
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_TRUE(seen);
    EXPECT_TRUE(app->MainFrame()->isVisible());
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", "x"), "      ");
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 1);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0000", 7), 7) << "Cancel completes no setup";
    EXPECT_EQ(app->MainFrame()->FrameStatusBar()->CallSign(), "      ");
}

TEST_F(StartupTest, SetupOkLearnsTheVersionAndSlashSRunsItAgain) {
    SimProcess sim(dir.Path(), {"--country", "4", "--expand", "2"});
    SetDevice(2, sim.Link().string());
    settings.SetInt("Tip", "StartUp", 1);
    WhenModal([&](QWidget* dialog) {
        dialog->findChild<QComboBox*>()->setCurrentIndex(1);
        dialog->findChild<QLineEdit*>()->setText("OK2AA ");
        Button(dialog, "OK")->click();
    });
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_EQ(settings.GetInt("SetupInfo", "0000", 0), 1);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0001", 0), 4);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0002", 0), 2);
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "OK2AA ");
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 2);
    EXPECT_EQ(app->Document()->Port(), 2U);
    EXPECT_EQ(tones.signals.size(), 1U) << "the success signal";
    app.reset();

    // A completed setup is not offered again, unless "/S" asks for it.
    auto plain = MakeApp();
    ASSERT_TRUE(plain->InitInstance({}));
    plain.reset();
    bool again = false;
    WhenModal([&](QWidget* dialog) {
        again = qobject_cast<ui::CInitialSetupDlg*>(dialog) != nullptr;
        EXPECT_EQ(dialog->findChild<QLineEdit*>()->text(), "OK2AA")
            << "shown without trailing blanks";
        Button(dialog, "Cancel")->click();
    });
    auto forced = MakeApp();
    ASSERT_TRUE(forced->InitInstance({"/S"}));
    EXPECT_TRUE(again);
}

TEST_F(StartupTest, SetupWithoutTransceiverWarnsAndStaysOpen) {
    SetDevice(1, dir.File("no-such-device").string());
    settings.SetInt("Tip", "StartUp", 1);
    int okClicks = 0;
    std::function<void(QWidget*)> answer = [&](QWidget* dialog) {
        if (++okClicks == 1) {
            dialog->findChild<QLineEdit*>()->setText("");
            WhenModal(answer);
            Button(dialog, "OK")->click();
            EXPECT_TRUE(dialog->isVisible()) << "a failed setup leaves the dialog open";
            return;
        }
        Button(dialog, "Cancel")->click();
    };
    WhenModal(answer);
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_EQ(okClicks, 2);
    ASSERT_EQ(prompts.shown.size(), 1U);
    EXPECT_EQ(prompts.shown[0],
              "warning:  Check the following:\r\n\r\n - The RS-232C port settings.\r\n - Cloning "
              "cable connections.\r\n - Appropriate cloning software for the transceiver is "
              "being used.\r\n - The revision number of the transceiver.\n");
    EXPECT_EQ(tones.signals.size(), 1U) << "the failure signal";
    EXPECT_EQ(settings.GetInt("SetupInfo", "0000", 0), 0);
}

TEST_F(StartupTest, ASecondCopyEndsSilently) {
    auto first = StartPlain();
    const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
    auto second = MakeApp();
    EXPECT_FALSE(second->InitInstance({}));
    EXPECT_EQ(second->FailureStatus(), 0);
    EXPECT_EQ(second->MainFrame(), nullptr);
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windows);
    EXPECT_TRUE(prompts.shown.empty());
    // Once the first has ended, the next copy starts.
    first.reset();
    auto third = MakeApp();
    EXPECT_TRUE(third->InitInstance({}));
}

TEST_F(StartupTest, TheProgramStartsOncePerUserAndALockOfACrashedCopyDoesNotBlock) {
    const std::string config = dir.File("config").string();
    std::filesystem::create_directories(dir.File("config") / "Orva");
    WriteFileBytes(dir.File("config") / "Orva" / "QL-7400.conf",
                   "[SetupInfo]\n0000=1\n[Tip]\nStartUp=1\n");
    const ChildOptions options{
        {"XDG_CONFIG_HOME=" + config, "XDG_RUNTIME_DIR=" + dir.Path().string(),
         "QT_QPA_PLATFORM=offscreen", "HOME=" + dir.Path().string()},
        -1};

    const auto holdsLock = [&](const ChildProcess& copy) {
        for (int i = 0; i < 1500; ++i) {
            if (ReadFileBytes(dir.File("ql7400.lock"))
                    .starts_with(std::to_string(copy.Pid()) + "\n")) {
                return true;
            }
            std::this_thread::sleep_for(20ms);
        }
        return false;
    };
    // A copy that crashes leaves its lock file behind.
    {
        ChildProcess crashed({BinaryPath("ql7400")}, options);
        ASSERT_TRUE(holdsLock(crashed));
        crashed.Signal(SIGKILL);
        crashed.Wait(30s);
    }
    ASSERT_TRUE(std::filesystem::exists(dir.File("ql7400.lock")));

    ChildProcess first({BinaryPath("ql7400")}, options);
    ASSERT_TRUE(holdsLock(first)) << "the stale lock was taken over";

    ChildProcess second({BinaryPath("ql7400")}, options);
    EXPECT_EQ(second.Wait(30s), 0);
    EXPECT_EQ(second.Stdout(), "");
    EXPECT_EQ(second.Stderr(), "");
    first.Signal(SIGTERM);
    first.Wait(30s);
}

TEST_F(StartupTest, TheLockIsPerUser) {
    const QString path = CInstanceGuard::DefaultLockPath();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
    ::unsetenv("XDG_RUNTIME_DIR");
    const QString fallback = CInstanceGuard::DefaultLockPath();
    ::setenv("XDG_RUNTIME_DIR", std::filesystem::path(path.toStdString()).parent_path().c_str(), 1);
    EXPECT_TRUE(fallback.contains(QString::number(::getuid()))) << fallback.toStdString();
}

TEST_F(StartupTest, NotesAtStartUpUntilTheUserUnticksStartup) {
    SetupDone();
    settings.SetInt("Tip", "StartUp", 0);
    bool shown = false;
    WhenModal([&](QWidget* dialog) {
        shown = qobject_cast<ui::CNotesDlg*>(dialog) != nullptr;
        EXPECT_TRUE(AnyMainFrame()) << "the Notes come after the main window";
        auto* startup = dialog->findChild<QCheckBox*>();
        EXPECT_TRUE(startup->isChecked());
        startup->setChecked(false);
        Button(dialog, "&Close")->click();
    });
    auto app = MakeApp();
    ASSERT_TRUE(app->InitInstance({}));
    EXPECT_TRUE(shown);
    EXPECT_EQ(settings.GetInt("Tip", "StartUp", 0), 1);
    app.reset();
    auto quiet = MakeApp();
    ASSERT_TRUE(quiet->InitInstance({}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // "&Notes..." still shows them; Escape writes nothing.
    bool again = false;
    WhenModal([&](QWidget* dialog) {
        again = true;
        EXPECT_FALSE(dialog->findChild<QCheckBox*>()->isChecked());
        dialog->findChild<QCheckBox*>()->setChecked(true);
        QMetaObject::invokeMethod(dialog, "reject");
    });
    quiet->MainFrame()->Execute(ui::cmd::kNotes);
    EXPECT_TRUE(again);
    EXPECT_EQ(settings.GetInt("Tip", "StartUp", 0), 1);
}

TEST_F(StartupTest, PlacementMaximizedStateToolbarAndPortSurviveARestart) {
    {
        auto app = StartPlain();
        CMainFrame* frame = app->MainFrame();
        EXPECT_EQ(frame->pos(), QPoint(5, 5));
        EXPECT_EQ(frame->size(), QSize(620, 360));
        frame->move(40, 50);
        frame->resize(700, 420);
        frame->Execute(ui::cmd::kCom3);
        frame->Execute(ui::cmd::kToolbar);
        EXPECT_TRUE(frame->ToolBar()->isHidden());
        EXPECT_TRUE(frame->close());
    }
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 3);
    {
        auto app = StartPlain();
        CMainFrame* frame = app->MainFrame();
        EXPECT_EQ(frame->pos(), QPoint(40, 50));
        EXPECT_EQ(frame->size(), QSize(700, 420));
        EXPECT_FALSE(frame->isMaximized());
        EXPECT_TRUE(frame->ToolBar()->isHidden());
        for (const int com : {ui::cmd::kCom1, ui::cmd::kCom2, ui::cmd::kCom3, ui::cmd::kCom4}) {
            EXPECT_EQ(frame->Action(com)->isChecked(), com == ui::cmd::kCom3);
        }
        frame->showMaximized();
        QApplication::processEvents();
        EXPECT_TRUE(frame->close());
    }
    EXPECT_EQ(settings.GetInt("Window Position", "Zoom", 0), 1);
    {
        auto app = StartPlain();
        EXPECT_TRUE(app->MainFrame()->isMaximized());
        app->MainFrame()->showMinimized();
        QApplication::processEvents();
        EXPECT_TRUE(app->MainFrame()->close());
    }
    {
        // A window closed minimized starts in its rectangle, not minimized.
        auto app = StartPlain();
        EXPECT_FALSE(app->MainFrame()->isMinimized());
    }
}

TEST_F(StartupTest, AFileNamedOnTheCommandLineIsOpenedAndARefusedOneEndsTheProgram) {
    TestRadio radio(0);
    radio("CH.MCH_144.7.FREQUENCY=145.5000");
    radio("CH.MCH_144.7.APPEAR=ON");
    const std::filesystem::path file = dir.File("seven.icf");
    ASSERT_EQ(radio(Quoted("FILE.SAVE.", file)), "OK");
    {
        auto app = StartPlain({QString::fromStdString(file.string())});
        EXPECT_EQ(app->MainFrame()->windowTitle(), "seven.icf - QL-7400");
        EXPECT_EQ(app->Document()->Query("CH.MCH_144.7.FREQUENCY"), "145.5000");
        EXPECT_FALSE(app->Document()->IsModified());
    }
    WriteFileBytes(dir.File("junk.icf"), "not a data file\r\n");
    auto app = MakeApp();
    EXPECT_FALSE(app->InitInstance({QString::fromStdString(dir.File("junk.icf").string())}));
    EXPECT_EQ(app->FailureStatus(), 1);
    ASSERT_EQ(prompts.shown.size(), 1U);
    EXPECT_TRUE(prompts.shown[0].starts_with("warning: Cannot open the data file.\n" +
                                             dir.File("junk.icf").string()))
        << prompts.shown[0];
}

TEST(CommandLine, SwitchesAreUpperCaseSAndEverythingElseIsAFile) {
    EXPECT_TRUE(CSetupCmdLineInfo::Parse({"/S"}).setupRequested);
    EXPECT_TRUE(CSetupCmdLineInfo::Parse({"-S", "a.icf"}).setupRequested);
    EXPECT_FALSE(CSetupCmdLineInfo::Parse({"/s"}).setupRequested);
    EXPECT_FALSE(CSetupCmdLineInfo::Parse({"-s"}).setupRequested);
    EXPECT_EQ(CSetupCmdLineInfo::Parse({"-S", "a.icf"}).fileName, "a.icf");
    EXPECT_EQ(CSetupCmdLineInfo::Parse({"/home/u/S"}).fileName, "/home/u/S");
    EXPECT_FALSE(CSetupCmdLineInfo::Parse({"/home/u/S"}).setupRequested);
}

}  // namespace
}  // namespace ql::test
