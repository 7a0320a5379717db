// Several rows at once and the list without its blank channels: Shift and Ctrl extend the
// selection, Clear acts on every selected row, and hiding blank memory channels renumbers
// nothing, keeps the row commands on the rows shown and is kept between runs.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QTest>

#include "support/ViewFixture.h"
#include "ui/CChannelListModel.h"
#include "ui/CEmptyChannelFilter.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

namespace cmd = ui::cmd;

class ChannelFilterTest : public ViewTest {
  protected:
    ChannelFilterTest() {
        radio("CH.MCH_144.1.CLEAR");  // in use in the factory data
        for (const char* channel : {"5", "6", "40"}) {
            radio(std::string("CH.MCH_144.") + channel +
                  ".ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=CH" + channel);
        }
    }
    static QString Label(ui::CQL7400View& view, int row) {
        return view.model()->index(row, ui::kColLabel).data().toString();
    }
};

TEST_F(ChannelFilterTest, ShiftAndCtrlSelectSeveralRowsAndClearEmptiesThemAll) {
    const auto view = MakeView();
    view->SelectChannel(5);
    QTest::keyClick(view.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(view->SelectedChannels(), (std::vector<unsigned>{5, 6}));
    EXPECT_EQ(view->CurrentChannel(), 6U) << "the row commands keep to the current row";
    view->scrollTo(view->model()->index(39, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      view->visualRect(view->model()->index(39, 0)).center());
    EXPECT_EQ(view->SelectedChannels(), (std::vector<unsigned>{5, 6, 40}));

    ASSERT_TRUE(view->IsEnabled(cmd::kClear));
    view->Execute(cmd::kClear);
    EXPECT_TRUE(prompts.Take().empty()) << "no question";
    for (const char* channel : {"5", "6", "40"}) {
        EXPECT_EQ(radio(std::string("CH.MCH_144.") + channel + ".APPEAR"), "OFF") << channel;
    }
    // A plain click selects one row again.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(2, 0)).center());
    EXPECT_EQ(view->SelectedChannels(), (std::vector<unsigned>{3}));
}

TEST_F(ChannelFilterTest, HiddenBlankChannelsKeepTheLabelsAndTheRowCommandsOfTheRest) {
    const auto view = MakeView();
    QAbstractItemModelTester tester(view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(view->model()->rowCount(), 106);
    view->SelectChannel(40);
    view->Execute(cmd::kHideEmpty);
    EXPECT_TRUE(view->IsChecked(cmd::kHideEmpty));
    // Three memory channels, the six edges and the call channel.
    ASSERT_EQ(view->model()->rowCount(), 10);
    EXPECT_EQ(Label(*view, 0), "05");
    EXPECT_EQ(Label(*view, 2), "40");
    EXPECT_EQ(Label(*view, 3), "P1A");
    EXPECT_EQ(view->CurrentChannel(), 40U) << "the selection stays on its channel";

    // A row command on a row shown acts on its channel; the cleared row leaves the list.
    view->SelectChannel(6);
    EXPECT_EQ(view->currentIndex().row(), 1);
    view->Execute(cmd::kClear);
    EXPECT_EQ(radio("CH.MCH_144.6.APPEAR"), "OFF");
    EXPECT_EQ(view->model()->rowCount(), 9);
    EXPECT_EQ(Label(*view, 1), "40");
    // Going to a hidden channel selects the next one shown.
    view->SelectChannel(7);
    EXPECT_EQ(view->CurrentChannel(), 40U);

    // The choice is kept for the next start.
    const auto next = MakeView();
    EXPECT_EQ(next->model()->rowCount(), 9);
    view->Execute(cmd::kHideEmpty);
    EXPECT_EQ(view->model()->rowCount(), 106);
    EXPECT_EQ(MakeView()->model()->rowCount(), 106);
}

}  // namespace
}  // namespace ql::test
