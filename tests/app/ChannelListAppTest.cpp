// The channel list in the running application: what the first start shows, the band
// commands with their check marks, the row commands following the frame's menus, toolbar
// and keys, and an edit reaching the command trace and the list without a restart.

#include <stdlib.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "app/AppFixture.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "support/FullDataSet.h"
#include "support/ViewFixture.h"
#include "ui/CChannelListModel.h"
#include "ui/CQL7400View.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;

class ChannelListAppTest : public AppTest {
  protected:
    void Start() {
        app = StartPlain();
        frame = app->MainFrame();
        view = qobject_cast<ui::CQL7400View*>(frame->centralWidget());
        ASSERT_NE(view, nullptr);
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        view->setFocus();
    }

    [[nodiscard]] QString Cell(unsigned channel, int column) const {
        return view->ListModel().CellText(static_cast<int>(channel) - 1, column);
    }

    std::unique_ptr<CQL7400App> app;
    CMainFrame* frame = nullptr;
    ui::CQL7400View* view = nullptr;
};

TEST_F(ChannelListAppTest, FirstStartShowsTheVhfListAndTheBandCommandsSwitchIt) {
    Start();
    EXPECT_EQ(view->CurrentChannel(), 1U);
    EXPECT_EQ(Cell(1, ui::kColLabel), "01");
    EXPECT_TRUE(view->hasFocus());
    EXPECT_TRUE(frame->Action(cmd::kVhfMemory)->isChecked());
    EXPECT_FALSE(frame->Action(cmd::kUhfMemory)->isChecked());

    CQL7400Doc& doc = *app->Document();
    doc.Apply("CH.MCH_430.1.ALL=APPEAR=ON\tFREQUENCY=433.5000\tNAME=UHF");
    frame->Action(cmd::kUhfMemory)->trigger();
    EXPECT_EQ(app->MainFrame()->View()->ShownBand(), Band::kUhf);
    EXPECT_TRUE(frame->Action(cmd::kUhfMemory)->isChecked());
    EXPECT_FALSE(frame->Action(cmd::kVhfMemory)->isChecked());
    EXPECT_EQ(Cell(1, ui::kColFrequency), "433.5000");
    EXPECT_EQ(Cell(1, ui::kColName), "UHF");
    frame->Action(cmd::kVhfMemory)->trigger();
    EXPECT_TRUE(frame->Action(cmd::kVhfMemory)->isChecked());
    EXPECT_NE(Cell(1, ui::kColName), "UHF");
}

TEST_F(ChannelListAppTest, ADocumentChangeRefreshesTheWholeList) {
    Start();
    app->Document()->Apply("CH.MCH_144.40.ALL=APPEAR=ON\tFREQUENCY=145.2500\tNAME=NEW");
    EXPECT_EQ(Cell(40, ui::kColName), "NEW");
    prompts.answers = {ui::CUserPrompts::Answer::kNo};
    frame->Execute(cmd::kNew);
    EXPECT_EQ(Cell(40, ui::kColName), "");
}

TEST_F(ChannelListAppTest, AnEditIsTracedAndShownWithoutARestart) {
    const std::filesystem::path trace = dir.File("trace.txt");
    ::setenv("QL7400_TRACE", trace.c_str(), 1);
    Start();
    ::unsetenv("QL7400_TRACE");
    view->SelectChannel(12);
    WhenModal([](QWidget* dialog) {
        auto* frequency = dialog->findChildren<QLineEdit*>().value(0);
        frequency->selectAll();
        QTest::keyClicks(frequency, "145.5");
        QTest::keyClick(frequency, Qt::Key_Return);
    });
    const std::size_t before = SplitLines(ReadFileBytes(trace)).size();
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(Cell(12, ui::kColFrequency), "145.5000");
    EXPECT_TRUE(app->Document()->IsModified());

    std::vector<std::string> commands;
    for (const std::string& line : SplitLines(ReadFileBytes(trace))) {
        commands.push_back(line.substr(0, line.find('\t')));
    }
    commands.erase(commands.begin(), commands.begin() + static_cast<std::ptrdiff_t>(before));
    const auto first =
        std::find(commands.begin(), commands.end(), "CH.MCH_144.12.REPEATER_FREQUENCY=0.0000");
    ASSERT_NE(first, commands.end());
    const std::vector<std::string> written(first, first + 12);
    const std::vector<std::string> expected = {
        "CH.MCH_144.12.REPEATER_FREQUENCY=0.0000",
        "CH.MCH_144.12.DUPLEX_SELECTION=OFF",
        "CH.MCH_144.12.REPEATER_TONE_FREQUENCY=88.5",
        "CH.MCH_144.12.TSQL_FREQUENCY=88.5",
        "CH.MCH_144.12.TUNING_STEP_SELECTION=5k",
        "CH.MCH_144.12.NAME= ",
        "CH.MCH_144.12.TONE_SELECTION=OFF",
        "CH.MCH_144.12.MODE=FM",
        "CH.MCH_144.12.SKIP=Off",
        "CH.MCH_144.12.FREQUENCY=145.5",
        "CH.MCH_144.12.APPEAR=ON",
        "CH.MCH_144.12.HEAL",
    };
    EXPECT_EQ(written, expected);
    // Before the dialog: its reads; after it: channel 12's row alone is rebuilt.
    EXPECT_EQ(*(first - 1), "MODEL.COUNTRY");
    EXPECT_EQ(std::count(first + 12, commands.end(), "CH.MCH_144.12.APPEAR"), 1);
    EXPECT_EQ(std::count(first + 12, commands.end(), "CH.MCH_144.11.APPEAR"), 0);
}

TEST_F(ChannelListAppTest, EnterOpensOneDialogAndDeleteClearsTheRow) {
    Start();
    CQL7400Doc& doc = *app->Document();
    doc.Apply("CH.MCH_144.7.ALL=APPEAR=ON\tFREQUENCY=145.2500");
    view->SelectChannel(7);
    int opened = 0;
    doc.RadioData().SetCommandObserver([&](std::string_view command, std::string_view) {
        if (command == "MODEL.COUNTRY") ++opened;
    });
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QTest::keyClick(view, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    QTest::keyClick(view, Qt::Key_Delete);
    doc.RadioData().SetCommandObserver({});
    EXPECT_EQ(Cell(7, ui::kColFrequency), "");
}

TEST_F(ChannelListAppTest, TheFramesEntriesFollowTheSelectedRow) {
    Start();
    QAction* paste = frame->Action(cmd::kPaste);
    QAction* clear = frame->Action(cmd::kClear);
    EXPECT_FALSE(paste->isEnabled());
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(paste->isEnabled());

    view->SelectChannel(100);
    EXPECT_FALSE(clear->isEnabled()) << "edge 1A cannot be blank";
    view->SelectChannel(102);
    EXPECT_TRUE(clear->isEnabled()) << "edge 2A can";

    // The context menu holds the frame's own entries.
    QList<QAction*> entries;
    WhenMenuShown([&](QMenu& menu) { entries = menu.actions(); });
    QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    ASSERT_EQ(entries.size(), 17);
    EXPECT_EQ(entries.at(0), frame->Action(cmd::kUndo));
    EXPECT_EQ(entries.at(1), frame->Action(cmd::kRedo));
    EXPECT_EQ(entries.at(3), frame->Action(cmd::kEditMemory));
    EXPECT_EQ(entries.at(5), frame->Action(cmd::kCopy));
    EXPECT_EQ(entries.at(6), paste);
    EXPECT_EQ(entries.at(7), frame->Action(cmd::kPasteText));
    EXPECT_EQ(entries.at(9), clear);
    EXPECT_EQ(entries.at(10), frame->Action(cmd::kDelete));
    EXPECT_EQ(entries.at(11), frame->Action(cmd::kInsert));
    EXPECT_EQ(entries.at(13), frame->Action(cmd::kBulkEdit));
}

TEST_F(ChannelListAppTest, ContextMenuOnRightClickMenuKeyAndShiftF10) {
    Start();
    const QStringList expected = {"&Undo\tCtrl+Z",
                                  "&Redo\tCtrl+Y",
                                  "",
                                  "&Edit Memory...\tReturn",
                                  "",
                                  "&Copy\tCtrl+C",
                                  "&Paste\tCtrl+V",
                                  "Paste &Text\tCtrl+Shift+V",
                                  "",
                                  "Clear\tDel",
                                  "Delete",
                                  "Insert",
                                  "",
                                  "&Bulk Edit...",
                                  "&Go to Channel...\tCtrl+G",
                                  "&Find...\tCtrl+F",
                                  "Find &Next\tF3"};
    QStringList texts;
    bool pasteEnabled = true;
    const auto look = [&](QMenu& menu) {
        texts.clear();
        for (QAction* action : menu.actions()) {
            // The entry as a menu shows it: its text and its first key.
            const QString key = action->shortcut().toString(QKeySequence::PortableText);
            texts.append(key.isEmpty() ? action->text() : action->text() + "\t" + key);
            if (action->text().startsWith("&Paste")) pasteEnabled = action->isEnabled();
        }
    };
    WhenMenuShown(look);
    const QPoint row5(view->columnViewportPosition(1) + 5,
                      view->rowViewportPosition(4) + view->rowHeight(4) / 2);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, row5);
    QContextMenuEvent click(QContextMenuEvent::Mouse, row5, view->viewport()->mapToGlobal(row5));
    QApplication::sendEvent(view->viewport(), &click);
    EXPECT_EQ(texts, expected);
    EXPECT_FALSE(pasteEnabled);
    EXPECT_EQ(view->CurrentChannel(), 5U);

    texts.clear();
    WhenMenuShown(look);
    QTest::keyClick(view, Qt::Key_Menu);
    EXPECT_EQ(texts, expected);

    texts.clear();
    WhenMenuShown(look);
    QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(texts, expected);
}

TEST_F(ChannelListAppTest, AContextMenuEntryRunsItsCommand) {
    Start();
    FillAllMemoryChannels(app->Document()->RadioData(), "");
    view->Refresh();
    view->SelectChannel(7);
    WhenMenuShown([](QMenu& menu) {
        for (QAction* action : menu.actions()) {
            if (action->text() == "Clear") action->trigger();
        }
    });
    QTest::keyClick(view, Qt::Key_Menu);
    EXPECT_EQ(Cell(7, ui::kColFrequency), "");
}

// Ctrl+G, Ctrl+F and F3 work from the list with the keyboard alone.
TEST_F(ChannelListAppTest, GoToFindAndFindNextFromTheKeyboard) {
    Start();
    CQL7400Doc& doc = *app->Document();
    doc.Apply("CH.MCH_144.30.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=Club");
    doc.Apply("CH.MCH_430.12.ALL=APPEAR=ON\tFREQUENCY=433.5000\tNAME=CLUB UHF");

    WhenModal([](QWidget* dialog) {
        QTest::keyClicks(QApplication::focusWidget(), "c");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QTest::keyClick(view, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(view->CurrentChannel(), 106U);
    // The offscreen platform has no window manager to give the window back its focus.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    WhenModal([](QWidget* dialog) {
        QTest::keyClicks(QApplication::focusWidget(), "club");
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    QTest::keyClick(view, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(view->ShownBand(), Band::kUhf);  // after the VHF call channel: the UHF list
    EXPECT_EQ(view->CurrentChannel(), 12U);
    EXPECT_TRUE(frame->Action(cmd::kUhfMemory)->isChecked());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QTest::keyClick(view, Qt::Key_F3);
    EXPECT_EQ(view->ShownBand(), Band::kVhf);
    EXPECT_EQ(view->CurrentChannel(), 30U);
    EXPECT_TRUE(view->hasFocus());
    EXPECT_TRUE(prompts.Take().empty());
}

}  // namespace
}  // namespace ql::test
