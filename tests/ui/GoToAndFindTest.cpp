// Go to Channel, Find and Find Next on the channel list: the row each shows, in which band,
// from the keyboard, and what the user is told when there is nothing to show.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/ViewFixture.h"
#include "ui/CFindDlg.h"
#include "ui/CGoToChannelDlg.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

class GoToAndFindTest : public ViewTest {};

TEST_F(GoToAndFindTest, GoToShowsTheRowOfTheShownBandAndKeepsAskingForAnUnknownText) {
    const auto view = MakeView();
    view->Execute(ui::cmd::kUhfMemory);
    bool stayed = false;
    QString message;
    WhenModal([&](QWidget* widget) {
        auto* dialog = qobject_cast<ui::CGoToChannelDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Go to Channel");
        QTest::keyClicks(dialog->Field(), " 4a");
        QTest::keyClick(dialog->Field(), Qt::Key_Return);
        stayed = dialog->isVisible();
        message = dialog->Message()->isVisible() ? dialog->Message()->text() : QString();
        // The typed text is selected, so the next one replaces it.
        QTest::keyClicks(dialog->Field(), "2b ");
        EXPECT_FALSE(dialog->Message()->isVisible());
        QTest::keyClick(dialog->Field(), Qt::Key_Return);
    });
    EXPECT_TRUE(view->GoToChannel());
    EXPECT_TRUE(stayed);
    EXPECT_EQ(message,
              "\"4a\" is no channel. Type 1 to 99, a scan edge 1A to 3B, or C for "
              "the call channel.");
    EXPECT_EQ(view->ShownBand(), Band::kUhf);
    EXPECT_EQ(view->SelectedChannels(), std::vector<unsigned>{103});

    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_FALSE(view->GoToChannel());
    EXPECT_EQ(view->CurrentChannel(), 103U);
}

TEST_F(GoToAndFindTest, FindGoesThroughBothBandsAndFindNextRepeatsItWithoutAsking) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    // Find Next before any Find asks what to find.
    WhenModal([](QWidget* widget) {
        auto* dialog = qobject_cast<ui::CFindDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->FindNextButton()->isEnabled());
        QTest::keyClicks(dialog->Field(), "  ");
        EXPECT_FALSE(dialog->FindNextButton()->isEnabled());
        QTest::keyClicks(dialog->Field(), "ch07");
        QTest::keyClick(dialog->Field(), Qt::Key_Return);
    });
    EXPECT_TRUE(view->FindNext());
    EXPECT_EQ(view->ShownBand(), Band::kVhf);
    EXPECT_EQ(view->CurrentChannel(), 7U);
    EXPECT_TRUE(view->FindNext());  // CH07-430
    EXPECT_EQ(view->ShownBand(), Band::kUhf);
    EXPECT_EQ(view->CurrentChannel(), 7U);
    EXPECT_TRUE(view->FindNext());  // round to the VHF list again
    EXPECT_EQ(view->ShownBand(), Band::kVhf);
    EXPECT_EQ(view->CurrentChannel(), 7U);

    // A frequency as a user types it; the dialog offers the last text, selected.
    WhenModal([](QWidget* widget) {
        auto* dialog = qobject_cast<ui::CFindDlg*>(widget);
        EXPECT_EQ(dialog->Field()->selectedText(), "ch07");
        QTest::keyClicks(dialog->Field(), "145,5");
        QTest::keyClick(dialog->Field(), Qt::Key_Return);
    });
    EXPECT_TRUE(view->Find());
    EXPECT_EQ(view->CurrentChannel(), 75U);  // 145.5000 MHz
    EXPECT_TRUE(prompts.Take().empty());

    WhenModal([](QWidget* widget) {
        auto* dialog = qobject_cast<ui::CFindDlg*>(widget);
        QTest::keyClicks(dialog->Field(), "nowhere");
        QTest::keyClick(dialog->Field(), Qt::Key_Return);
    });
    EXPECT_FALSE(view->Find());
    EXPECT_EQ(prompts.Take(),
              std::vector<std::string>{"information: No channel in use matches \"nowhere\"."});
    EXPECT_EQ(view->CurrentChannel(), 75U);
    EXPECT_FALSE(view->FindNext());
    EXPECT_EQ(prompts.Take().size(), 1U);
}

}  // namespace
}  // namespace ql::test
