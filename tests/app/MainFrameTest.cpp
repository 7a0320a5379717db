// The main window as the user meets it: menus, accelerators, toolbar, status bar, the Notes
// entry, the size limits, the view's commands and the help.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include "app/AppFixture.h"
#include "app/CFrameStatusBar.h"
#include "app/CHelpLauncher.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "support/AccessibleLabels.h"
#include "ui/CAboutDlg.h"
#include "ui/CQL7400View.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;

// Stands in for the user's browser.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> opened;
  public Q_SLOTS:
    void Open(const QUrl& url) { opened.append(url); }
};

class MainFrameTest : public AppTest {
  protected:
    MainFrameTest() : app(StartPlain()), frame(*app->MainFrame()) {}

    [[nodiscard]] QStringList MenuEntries(int index) const {
        QStringList entries;
        const QMenu* menu = frame.menuBar()->actions().at(index)->menu();
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                entries.append("-");
            } else if (action->isVisible()) {
                QString entry = action->text();
                if (!action->shortcut().isEmpty()) {
                    entry += "\t" + action->shortcut().toString(QKeySequence::PortableText);
                }
                entries.append(entry);
            }
        }
        return entries;
    }

    std::unique_ptr<CQL7400App> app;
    CMainFrame& frame;
};

TEST_F(MainFrameTest, TheMenusCarryTheirEntriesAndAccelerators) {
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions()) titles.append(action->text());
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "COM &Port", "&Cloning", "&Help"}));
    EXPECT_EQ(MenuEntries(0),
              (QStringList{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                           "&Import CSV...", "&Export CSV...", "Open &Backup...", "-",
                           "&Print...\tCtrl+P", "Print Pre&view...", "Export P&DF...", "-",
                           "Recent File", "-", "E&xit"}));
    EXPECT_EQ(MenuEntries(1),
              (QStringList{"&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "&Edit Memory...\tReturn", "-",
                           "&Copy\tCtrl+C", "&Paste\tCtrl+V", "Paste &Text\tCtrl+Shift+V", "-",
                           "Clear\tDel", "Delete", "Insert", "-", "&Bulk Edit...",
                           "&Go to Channel...\tCtrl+G", "&Find...\tCtrl+F", "Find &Next\tF3"}));
    EXPECT_EQ(MenuEntries(2), (QStringList{"&VHF Memory List..", "&UHF Memory List...",
                                           "&Hide Empty Channels", "-", "&DTMF AutoDial...",
                                           "&Common Setting...", "-", "&Toolbar", "&Status Bar"}));
    EXPECT_EQ(MenuEntries(3),
              (QStringList{"COM1  (ttyUSB0, not present)", "COM2  (ttyUSB1, not present)",
                           "COM3  (ttyS0, not present)", "COM4  (ttyS1, not present)", "-",
                           "Port &Settings..."}));
    EXPECT_EQ(MenuEntries(4), (QStringList{"&Read <- TR", "&Write -> TR", "-", "&Information..."}));
    EXPECT_EQ(MenuEntries(5), (QStringList{"&Notes...", "-", "&Contents", "&Help Topics", "-",
                                           "&About QL-7400..."}));

    // The second keys of the accelerator table, and the keys without a handler.
    EXPECT_EQ(frame.Action(cmd::kCopy)->shortcuts().at(1), QKeySequence("Ctrl+Ins"));
    EXPECT_EQ(frame.Action(cmd::kPaste)->shortcuts().at(1), QKeySequence("Shift+Ins"));
    for (const int idle : {cmd::kCut, cmd::kUndo, cmd::kNextPane, cmd::kPrevPane}) {
        EXPECT_FALSE(frame.Action(idle)->shortcut().isEmpty());
        EXPECT_FALSE(frame.Action(idle)->isEnabled());
    }
}

TEST_F(MainFrameTest, TheNotesEntryIsAddedOnceHoweverOftenTheHelpMenuOpens) {
    for (int i = 0; i < 3; ++i) {
        frame.HelpMenu()->popup(QPoint(0, 0));
        QApplication::processEvents();
        frame.HelpMenu()->hide();
        frame.AddNotesEntry();
    }
    EXPECT_EQ(MenuEntries(5).count("&Notes..."), 1);
    EXPECT_EQ(MenuEntries(5).first(), "&Notes...");
}

TEST_F(MainFrameTest, TheToolbarHasAnIconTipAndPromptForEachButton) {
    QStringList tips;
    for (QAction* action : frame.ToolBar()->actions()) {
        if (action->isSeparator()) {
            tips.append("|");
            continue;
        }
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        EXPECT_FALSE(action->icon().pixmap(QSize(64, 64)).isNull());
        EXPECT_FALSE(action->statusTip().isEmpty());
        tips.append(action->toolTip());
    }
    EXPECT_EQ(tips, (QStringList{"New",
                                 "Open",
                                 "Save",
                                 "|",
                                 "Undo",
                                 "Redo",
                                 "|",
                                 "Edit Memory",
                                 "Copy",
                                 "Paste",
                                 "Clear",
                                 "|",
                                 "VHF Memory",
                                 "UHF Memory",
                                 "|",
                                 "DTMF AutoDial",
                                 "Common Setting",
                                 "|",
                                 "COM1",
                                 "COM2",
                                 "COM3",
                                 "COM4",
                                 "|",
                                 "Clone in",
                                 "Clone out",
                                 "Clone info.",
                                 "|",
                                 "Help"}));
    EXPECT_EQ(frame.Action(cmd::kCloneIn)->statusTip(), "Read From Transceiver");
    EXPECT_EQ(frame.Action(cmd::kCom2)->statusTip(), "Use COM2");

    // Hovering a command shows its prompt in the message pane; "Ready" comes back after.
    frame.Action(cmd::kCloneOut)->showStatusText(frame.ToolBar());
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Write to Transceiver");
    frame.statusBar()->clearMessage();
    EXPECT_EQ(frame.MessageText(), "Ready");
}

TEST_F(MainFrameTest, TheStatusBarShowsIndicatorsAndACallSignPaneSizedToItsText) {
    QStringList panes;
    for (auto* label : frame.statusBar()->findChildren<QLabel*>()) panes.append(label->text());
    EXPECT_TRUE(panes.contains("CAP") && panes.contains("NUM") && panes.contains("SCRL"));
    CFrameStatusBar* bar = frame.FrameStatusBar();
    frame.SetCallSign("OK2AA");
    const int shortWidth = bar->CallSignWidth();
    frame.SetCallSign("OK2AA/P PORTABLE 123");
    EXPECT_GT(bar->CallSignWidth(), shortWidth);
    EXPECT_GE(bar->CallSignWidth(), bar->fontMetrics().horizontalAdvance("OK2AA/P PORTABLE 123"));
    frame.SetCallSign("");
    EXPECT_EQ(bar->CallSignWidth(), 0);
}

TEST_F(MainFrameTest, TheStatusBarPanesReadAsWhatTheyShowAndSayWhatTheyAre) {
    ExpectLabelsReadAsTheirText(frame);
    const auto heard = [&](const QString& shown) {
        for (QLabel* label : frame.statusBar()->findChildren<QLabel*>()) {
            if (label->text() != shown) continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
            return face->text(QAccessible::Name) + " | " + face->text(QAccessible::Description);
        }
        return QStringLiteral("no pane shows ") + shown;
    };
    EXPECT_EQ(heard("Ready"), "Ready | Message");
    frame.SetMessageText(" Cloning completed.");
    frame.SetCallSign("OK2AA");
    EXPECT_EQ(heard(" Cloning completed."), " Cloning completed. | Message");
    EXPECT_EQ(heard("OK2AA"), "OK2AA | Call sign");
    ExpectLabelsReadAsTheirText(frame);
}

TEST_F(MainFrameTest, ResizingStaysWithinItsLimits) {
    frame.resize(100, 50);
    EXPECT_EQ(frame.size(), QSize(300, 200));
    frame.resize(2000, 1500);
    EXPECT_EQ(frame.size(), QSize(1200, 800));
}

TEST_F(MainFrameTest, TheBarsToggleAndTheViewCommandsReachTheView) {
    frame.Execute(cmd::kStatusBar);
    EXPECT_TRUE(frame.statusBar()->isHidden());
    EXPECT_FALSE(frame.Action(cmd::kStatusBar)->isChecked());
    frame.Action(cmd::kStatusBar)->trigger();
    EXPECT_FALSE(frame.statusBar()->isHidden());
    EXPECT_TRUE(frame.Action(cmd::kStatusBar)->isChecked());

    EXPECT_TRUE(frame.Action(cmd::kVhfMemory)->isChecked());
    frame.Action(cmd::kUhfMemory)->trigger();
    EXPECT_EQ(app->MainFrame()->View()->ShownBand(), Band::kUhf);
    EXPECT_TRUE(frame.Action(cmd::kUhfMemory)->isChecked());
    EXPECT_FALSE(frame.Action(cmd::kVhfMemory)->isChecked());
    // The channel commands are the channel list's.
    EXPECT_TRUE(frame.Action(cmd::kCopy)->isEnabled());
    EXPECT_TRUE(frame.Action(cmd::kEditMemory)->isEnabled());
}

TEST_F(MainFrameTest, AcceleratorsRunTheirCommands) {
    prompts.files = {QString()};
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(&frame, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{"open: Data Files (*.ICF)"});
}

TEST_F(MainFrameTest, AboutAndHelp) {
    QString title;
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        EXPECT_NE(qobject_cast<ui::CAboutDlg*>(dialog), nullptr);
        dialog->findChild<QPushButton*>()->click();
    });
    frame.Execute(cmd::kAbout);
    EXPECT_EQ(title, "About QL-7400");

    UrlRecorder browser;
    QDesktopServices::setUrlHandler("file", &browser, "Open");
    frame.Execute(cmd::kContents);
    frame.Execute(cmd::kHelpTopics);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(browser.opened.size(), 2);
    EXPECT_TRUE(browser.opened[0].toLocalFile().endsWith("docs/index.html"))
        << browser.opened[0].toString().toStdString();
    EXPECT_TRUE(QFileInfo::exists(browser.opened[0].toLocalFile()));
    EXPECT_TRUE(prompts.Take().empty());

    // A desktop without a program for the manual (a handler that cannot take the address):
    // the message says so and where the manual is, not that it is missing.
    QDesktopServices::setUrlHandler("file", &browser, "NoSuchSlot");
    frame.Execute(cmd::kContents);
    QDesktopServices::unsetUrlHandler("file");
    const std::vector<std::string> shown = prompts.Take();
    ASSERT_EQ(shown.size(), 1U);
    EXPECT_TRUE(shown[0].starts_with("warning: No program to open the user manual was found."))
        << shown[0];
    EXPECT_TRUE(shown[0].ends_with("\n" + CHelpLauncher::ManualPath().toStdString())) << shown[0];
}

}  // namespace
}  // namespace ql::test

#include "MainFrameTest.moc"
