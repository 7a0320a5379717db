// The Bulk Edit dialog on real widgets over a real radio data object: it starts from the
// first channel in use, assigns only the checked values to the channels in use as one change
// that leaves each channel as Edit Memory would, and refuses a value one channel cannot keep
// before anything changes.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>

#include "support/ViewFixture.h"
#include "ui/CBulkEditDlg.h"
#include "ui/ChannelEdit.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

using ui::ChannelField;

class BulkEditTest : public ViewTest {
  protected:
    BulkEditTest() {
        radio("CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=THREE\tTSQL_FREQUENCY=88.5");
        radio("CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=127.0000\tMODE=AM\tDUPLEX_SELECTION=Dup-");
        radio("CH.MCH_144.3.HEAL");
        radio("CH.MCH_144.4.HEAL");
        radio("CH.MCH_144.5.APPEAR=OFF");
    }

    // Checks a field's box with its mnemonic and moves into its control.
    static void Check(ui::CBulkEditDlg& dialog, ChannelField field, Qt::Key mnemonic) {
        QTest::keyClick(&dialog, mnemonic, Qt::AltModifier);
        ASSERT_TRUE(dialog.Group(field)->isChecked());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
};

TEST_F(BulkEditTest, OnlyTheCheckedValuesReachTheChannelsInUseAsOneChange) {
    const auto view = MakeView();
    view->SelectChannel(5);
    EXPECT_FALSE(view->IsEnabled(ui::cmd::kBulkEdit));  // a blank channel alone
    view->SelectChannel(4);
    EXPECT_TRUE(view->IsEnabled(ui::cmd::kBulkEdit));

    ui::CBulkEditDlg dialog(doc, Band::kVhf, {3, 4, 5}, prompts, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_EQ(dialog.windowTitle(), "Bulk Edit");
    EXPECT_EQ(dialog.Channels(), (std::vector<unsigned>{3, 4}));
    // Every value starts as channel 3 holds it; every box starts unchecked.
    EXPECT_EQ(dialog.Values().squelchTone, "88.5");
    EXPECT_EQ(dialog.Values().duplex, "OFF");
    EXPECT_TRUE(dialog.CheckedFields().empty());

    Check(dialog, ChannelField::kDuplex, Qt::Key_D);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);  // "+Dup"
    Check(dialog, ChannelField::kSquelchTone, Qt::Key_Q);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);  // "100.0"
    Check(dialog, ChannelField::kOffset, Qt::Key_F);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "0,6");
    Check(dialog, ChannelField::kMode, Qt::Key_M);
    QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier);  // checked and unchecked again
    EXPECT_FALSE(dialog.Group(ChannelField::kMode)->isChecked());

    // A twin data set, each channel written by Edit Memory's own commands with the values.
    TestRadio twin;
    for (const char* command :
         {"CH.MCH_144.3.ALL=APPEAR=ON\tFREQUENCY=145.5000\tNAME=THREE\tTSQL_FREQUENCY=88.5",
          "CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=127.0000\tMODE=AM\tDUPLEX_SELECTION=Dup-",
          "CH.MCH_144.3.HEAL", "CH.MCH_144.4.HEAL"}) {
        twin(command);
    }
    for (const unsigned channel : {3U, 4U}) {
        const std::string prefix = ChannelPath(Band::kVhf, channel);
        ui::ChannelEdit edit =
            ui::ReadChannelEdit([&](std::string_view command) { return twin(command); }, prefix);
        edit.duplex = "+Dup";
        edit.squelchTone = "100.0";
        edit.offset = "0,6";
        for (const std::string& command : ui::ChannelEditCommands(edit, prefix)) twin(command);
    }

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(doc.steps.size(), 1U);
    EXPECT_EQ(doc.steps[0],
              (std::vector<std::string>{
                  "CH.MCH_144.3.REPEATER_FREQUENCY=0.6", "CH.MCH_144.3.DUPLEX_SELECTION=Dup+",
                  "CH.MCH_144.3.TSQL_FREQUENCY=100.0", "CH.MCH_144.3.HEAL",
                  "CH.MCH_144.4.REPEATER_FREQUENCY=0.6", "CH.MCH_144.4.DUPLEX_SELECTION=Dup+",
                  "CH.MCH_144.4.TSQL_FREQUENCY=100.0", "CH.MCH_144.4.HEAL"}));
    for (const char* channel : {"CH.MCH_144.3.ALL", "CH.MCH_144.4.ALL", "CH.MCH_144.5.ALL"}) {
        EXPECT_EQ(radio(channel), twin(channel)) << channel;
    }
    EXPECT_EQ(radio("CH.MCH_144.5.APPEAR"), "OFF");
    EXPECT_TRUE(prompts.Take().empty());
}

TEST_F(BulkEditTest, AValueOneChannelCannotKeepIsRefusedBeforeAnythingChanges) {
    radio("EDIT_FLAG=OFF");
    const std::string before = radio.Dump();
    ui::CBulkEditDlg dialog(doc, Band::kVhf, {3, 4, 5}, prompts, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    // AM suits the air band channel 4 but not channel 3 on 145.5 MHz; narrow FM suits no
    // channel of this version.
    Check(dialog, ChannelField::kMode, Qt::Key_M);
    Check(dialog, ChannelField::kDuplex, Qt::Key_D);
    auto* mode = dialog.Group(ChannelField::kMode)->findChild<QComboBox*>();
    mode->setCurrentText("AM");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    mode->setCurrentText("NarrowFM");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // An offset box left empty assigns nothing either.
    mode->setCurrentText("FM");
    Check(dialog, ChannelField::kOffset, Qt::Key_F);
    dialog.Group(ChannelField::kOffset)->findChild<QLineEdit*>()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    EXPECT_EQ(prompts.Take(),
              (std::vector<std::string>{
                  "warning: Nothing was changed: VHF channel 03 cannot keep Mode AM.\n\n"
                  "Leave that channel out of the selection or choose another value.",
                  "warning: Nothing was changed: VHF channel 03 cannot keep Mode NarrowFM.\n\n"
                  "Leave that channel out of the selection or choose another value.",
                  "warning: Nothing was changed: type the offset frequency in MHz."}));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(doc.steps.empty());
    EXPECT_EQ(radio.Dump(), before);
    EXPECT_EQ(radio("EDIT_FLAG"), "OFF");

    // The call channel has no skip to keep.
    ui::CBulkEditDlg call(doc, Band::kVhf, {3, 106}, prompts, nullptr);
    call.Group(ChannelField::kSkip)->setChecked(true);
    call.Group(ChannelField::kSkip)->findChild<QComboBox*>()->setCurrentText("Memory");
    call.accept();
    EXPECT_EQ(prompts.Take(),
              (std::vector<std::string>{
                  "warning: Nothing was changed: VHF channel CALL cannot keep Skip Memory.\n\n"
                  "Leave that channel out of the selection or choose another value."}));
    EXPECT_TRUE(doc.steps.empty());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

// A value is named by the group it sits in (the title of an edit box is also its accessible
// name) and can be changed only while its box is checked.
TEST_F(BulkEditTest, EachValueIsNamedByItsCheckableGroup) {
    radio("CH.MCH_430.50.APPEAR=OFF");
    ui::CBulkEditDlg dialog(doc, Band::kUhf, {50}, prompts, nullptr);
    const auto groups = dialog.findChildren<QGroupBox*>();
    EXPECT_EQ(groups.size(), 8);
    for (QGroupBox* group : groups) {
        EXPECT_TRUE(group->isCheckable());
        QWidget* control = group->findChild<QComboBox*>();
        if (control == nullptr) {
            control = group->findChild<QLineEdit*>();
            ASSERT_NE(control, nullptr) << group->title().toStdString();
            EXPECT_EQ(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                      ui::WithoutMnemonic(group->title()));
        }
        EXPECT_EQ(control->parentWidget(), group);
        EXPECT_FALSE(control->isEnabled()) << group->title().toStdString();
        group->setChecked(true);
        EXPECT_TRUE(control->isEnabled()) << group->title().toStdString();
    }
    // A blank channel alone: there is nothing to change, and OK changes nothing.
    EXPECT_TRUE(dialog.Channels().empty());
    dialog.accept();
    EXPECT_TRUE(doc.steps.empty());
}

}  // namespace
}  // namespace ql::test
