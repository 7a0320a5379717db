// The "DTMF Autodial" dialog on real widgets over a real document: the queries when it is
// shown, the typed-character path from the list into the code box, the assignments on OK
// in order and as one step, and nothing on Cancel.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/CDtmfAutodialDlg.h"
#include "ui/CDtmfListBox.h"
#include "ui/CRadioCommands.h"
#include "ui/SettingsFixture.h"

namespace ql::test {
namespace {

using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

std::vector<std::string> ShowingQueries() {
    std::vector<std::string> queries;
    for (int i = 0; i < 14; ++i) queries.push_back("DTMF." + std::to_string(i));
    queries.emplace_back("COMMON.DTMF_CH_NO");
    queries.emplace_back("COMMON.DTMF_SPEED");
    return queries;
}

class DtmfAutodialTest : public SettingsDialogTest {
  protected:
    void Open() {
        dialog = std::make_unique<ui::CDtmfAutodialDlg>(*radio, nullptr);
        dialog->show();
        QApplication::processEvents();
    }
    [[nodiscard]] QString Row(int i) const { return dialog->MemoryList()->item(i)->text(); }
    [[nodiscard]] QPushButton* Button(const QString& text) const {
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == text) return button;
        }
        return nullptr;
    }
    void ClickRow(int i) const {
        ui::CDtmfListBox* list = dialog->MemoryList();
        const QRect rect = list->visualItemRect(list->item(i));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    std::unique_ptr<ui::CDtmfAutodialDlg> dialog;
};

TEST_F(DtmfAutodialTest, ShowingReadsEveryMemoryAndSelectsTheTransmittedOne) {
    Set({"DTMF.0=0123456789ABCDEF", "DTMF.12=*21#", "DTMF.13=999", "COMMON.DTMF_CH_NO=C",
         "COMMON.DTMF_SPEED=300ms"});
    Open();
    EXPECT_THAT(Take(), ElementsAreArray(ShowingQueries()));
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(dialog->windowTitle(), "DTMF Autodial");

    ASSERT_EQ(dialog->MemoryList()->count(), 14);
    EXPECT_EQ(Row(0), "D0  0123456789ABCDEF");
    EXPECT_EQ(Row(1), "D1  ");
    EXPECT_EQ(Row(10), "DA  ");
    EXPECT_EQ(Row(12), "DC  E21F");
    EXPECT_EQ(Row(13), "DD  999");
    EXPECT_FALSE(dialog->MemoryList()->isSortingEnabled());

    QComboBox* channel = dialog->ChannelSelection();
    ASSERT_EQ(channel->count(), 14);
    EXPECT_EQ(channel->itemText(0), "D0");
    EXPECT_EQ(channel->itemText(13), "DD");
    EXPECT_EQ(channel->currentText(), "DC");
    EXPECT_EQ(dialog->MemoryList()->currentRow(), 12);
    EXPECT_TRUE(dialog->MemoryList()->item(12)->isSelected());
    EXPECT_EQ(dialog->CodeEdit()->text(), "E21F");
    EXPECT_EQ(dialog->CodeEdit()->maxLength(), 16);
    EXPECT_EQ(dialog->Speed()->currentText(), "300ms");
    EXPECT_EQ(dialog->Speed()->count(), 4);
    EXPECT_THAT(Take(), IsEmpty()) << "showing the code changes nothing in the model";
    ExpectAccessible(*dialog);
}

TEST_F(DtmfAutodialTest, TypingIntoTheListStartsANewCodeInTheEditBox) {
    Set({"DTMF.3=123456"});
    Open();
    (void)Take();
    ClickRow(3);
    EXPECT_EQ(dialog->CodeEdit()->text(), "123456");
    dialog->MemoryList()->setFocus();
    QTest::keyClick(dialog->MemoryList(), Qt::Key_5);
    QLineEdit* edit = dialog->CodeEdit();
    EXPECT_EQ(edit->text(), "5");
    EXPECT_EQ(edit->cursorPosition(), 1) << "the caret after the 5";
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(Row(3), "D3  5");
    EXPECT_TRUE(dialog->MemoryList()->item(3)->isSelected());

    // The user goes on typing in the edit box; "*" shows as the code keeps it, and blanks
    // never reach the list.
    QTest::keyClicks(edit, "*9  ");
    EXPECT_EQ(Row(3), "D3  5E9");
    EXPECT_EQ(dialog->Code(3), "5E9");

    // The arrows still move through the list, and choosing a row does not move the
    // transmitted memory.
    dialog->MemoryList()->setFocus();
    QTest::keyClick(dialog->MemoryList(), Qt::Key_Down);
    EXPECT_EQ(dialog->MemoryList()->currentRow(), 4);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(dialog->ChannelSelection()->currentText(), "D0");
    dialog->ChannelSelection()->setCurrentIndex(7);
    EXPECT_EQ(dialog->MemoryList()->currentRow(), 4);
    EXPECT_THAT(Take(), IsEmpty()) << "nothing is sent before OK";
}

TEST_F(DtmfAutodialTest, OkSendsEveryCodeAndBothSettingsInOrderAsOneStep) {
    Set({"DTMF.0=1111", "DTMF.5=555", "DTMF.9=12345678901234", "COMMON.DTMF_SPEED=200ms"});
    Open();
    (void)Take();
    ClickRow(0);
    dialog->CodeEdit()->clear();  // erased completely
    ClickRow(5);
    dialog->CodeEdit()->setText("777   ");  // trailing blanks
    dialog->ChannelSelection()->setCurrentText("DA");
    dialog->Speed()->setCurrentText("500ms");
    Button("OK")->click();

    std::vector<std::string> expected = {"DTMF.0= "};
    for (int i = 1; i < 14; ++i) {
        const char* code = i == 5 ? "777" : i == 9 ? "12345678901234" : " ";
        expected.push_back("DTMF." + std::to_string(i) + "=" + code);
    }
    expected.emplace_back("COMMON.DTMF_CH_NO=A");
    expected.emplace_back("COMMON.DTMF_SPEED=500ms");
    EXPECT_THAT(Take(), ElementsAreArray(expected));
    EXPECT_EQ(steps, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Model("DTMF.0"), "");
    EXPECT_EQ(Model("DTMF.5"), "777");
    EXPECT_EQ(Model("COMMON.DTMF_CH_NO"), "A");
    EXPECT_EQ(Model("COMMON.DTMF_SPEED"), "500ms");
}

TEST_F(DtmfAutodialTest, CancelSendsNothingAndTheNextOpeningShowsTheModel) {
    Set({"DTMF.2=42"});
    Open();
    ClickRow(2);
    QTest::keyClick(dialog->MemoryList(), Qt::Key_9);
    EXPECT_EQ(Row(2), "D2  9");
    (void)Take();
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_THAT(Take(), IsEmpty());
    EXPECT_EQ(steps, 0);

    Open();
    EXPECT_EQ(Row(2), "D2  42");
}

TEST_F(DtmfAutodialTest, TheCodeBoxTakesOnlyWhatTheCodeKeeps) {
    Set({"DTMF.2=12"});
    Open();
    ClickRow(2);
    QLineEdit* edit = dialog->CodeEdit();
    edit->end(false);
    QTest::keyClicks(edit, "g3 b*#-");
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                        {});  // an accented letter
    QTest::keyClicks(edit, "d");
    EXPECT_EQ(edit->text(), "123BEFD") << "lower case as upper case, * as E, # as F";
    EXPECT_EQ(Row(2), "D2  123BEFD");

    // A character typed into the list that is no DTMF digit leaves the code alone.
    dialog->MemoryList()->setFocus();
    QTest::keyClick(dialog->MemoryList(), Qt::Key_G);
    EXPECT_EQ(edit->text(), "123BEFD");
    EXPECT_TRUE(dialog->MemoryList()->hasFocus());
    QTest::keyClick(dialog->MemoryList(), Qt::Key_NumberSign);
    EXPECT_EQ(edit->text(), "F");

    // Pasted text with a character the code would drop is refused as a whole.
    edit->selectAll();
    edit->insert(QStringLiteral("12G4"));
    EXPECT_EQ(edit->text(), "F");

    (void)Take();
    dialog->accept();
    EXPECT_EQ(Model("DTMF.2"), "F") << "what the box showed is what the model keeps";
}

TEST_F(DtmfAutodialTest, OkWithoutTypingChangesNoCode) {
    Set({"DTMF.0=0123456789ABCDEF", "DTMF.4=*1#", "DTMF.7=9"});
    std::vector<std::string> before;
    for (int i = 0; i < 14; ++i) before.push_back(Model("DTMF." + std::to_string(i)));
    Open();
    dialog->accept();
    for (int i = 0; i < 14; ++i) EXPECT_EQ(Model("DTMF." + std::to_string(i)), before.at(i)) << i;
}

TEST_F(DtmfAutodialTest, EnterInTheCodeBoxIsOk) {
    Open();
    ClickRow(1);
    QTest::keyClicks(dialog->CodeEdit(), "0#");
    (void)Take();
    QTest::keyClick(dialog->CodeEdit(), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(Take().size(), 16U);
    EXPECT_EQ(Model("DTMF.1"), "0F");
}

// Answers that the model never gives, from a radio data stand-in: a code longer than the
// dialog keeps, and a transmitted memory past DD.
class OddAnswers final : public ui::CRadioCommands {
  public:
    std::string Query(std::string_view command) override {
        if (command == "DTMF.4") return "0123456789ABCDEF0123";
        if (command == "COMMON.DTMF_CH_NO") return "E";
        if (command == "COMMON.DTMF_SPEED") return "150ms";
        return "";
    }
    std::vector<std::string> Apply(std::span<const std::string> commands) override {
        applied.assign(commands.begin(), commands.end());
        return std::vector<std::string>(commands.size());
    }
    std::vector<std::string> applied;
};

TEST(DtmfAutodialAnswers, AnswersOutsideTheDialogsRangeStayInsideIt) {
    OddAnswers radio;
    ui::CDtmfAutodialDlg dialog(radio, nullptr);
    EXPECT_EQ(dialog.MemoryList()->item(4)->text(), "D4  0123456789ABCDEF") << "cut to 16";
    EXPECT_EQ(dialog.ChannelSelection()->currentText(), "D0") << "no memory E: the first";
    EXPECT_EQ(dialog.MemoryList()->currentRow(), 0);
    EXPECT_EQ(dialog.Speed()->currentIndex(), -1) << "no such speed: nothing selected";
    dialog.accept();
    ASSERT_EQ(radio.applied.size(), 16U);
    EXPECT_EQ(radio.applied[4], "DTMF.4=0123456789ABCDEF");
    EXPECT_EQ(radio.applied[14], "COMMON.DTMF_CH_NO=0");
    EXPECT_EQ(radio.applied[15], "COMMON.DTMF_SPEED=");
}

}  // namespace
}  // namespace ql::test
