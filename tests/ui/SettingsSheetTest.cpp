// The "Setting" sheet on real widgets over a real document: what each page asks when it
// becomes current, what it writes when it is left or OK is pressed, in order and as one
// step, across the versions that change what is offered.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "ui/CFixedFontPropertySheet.h"
#include "ui/CPropertyPageC31.h"
#include "ui/CPropertyPageC32.h"
#include "ui/CPropertyPageC33.h"
#include "ui/SettingsFixture.h"

namespace ql::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr int kCommon = 0;
constexpr int kDisplay = 1;
constexpr int kMic = 2;
constexpr int kUsaA = 0;
constexpr int kEurA = 4;
constexpr int kKor = 10;
constexpr int kJpn3 = 15;

const std::vector<std::string> kCommonItems = {"BEEP",
                                               "RF_ATTENUATER",
                                               "NAME_DISPLAY",
                                               "SUB_BAND_BEEP",
                                               "SUB_BAND_MUTE",
                                               "FAN",
                                               "TOT",
                                               "AUTO_REPEATER",
                                               "AUTO_POWER_OFF",
                                               "SQUELCH_DELAY",
                                               "PACKET_BAUDRATE",
                                               "SCAN_STOP_ACTION_VHF",
                                               "SCAN_STOP_ACTION_UHF",
                                               "RF_POWER_VHF",
                                               "RF_POWER_UHF"};

std::vector<std::string> CommonPageQueries(bool withRepeater = true) {
    std::vector<std::string> names = kCommonItems;
    if (!withRepeater) std::erase(names, "AUTO_REPEATER");
    std::vector<std::string> queries = CommonQueries(names);
    queries.insert(queries.begin(), "MODEL.COUNTRY");
    return queries;
}

const std::vector<std::string> kDisplayPageQueries = CommonQueries(
    {"OPENING_TEXT", "CLONE_COMMENT", "DISPLAY_TYPE", "LCD_CONTRAST", "LCD_BACKLIGHT"});
const std::vector<std::string> kMicPageQueries = CommonQueries(
    {"MIC_F1_FUNCTION", "MIC_F2_FUNCTION", "MIC_UP_FUNCTION", "MIC_DN_FUNCTION", "MIC_ID"});

QStringList Entries(const QComboBox& list) {
    QStringList entries;
    for (int i = 0; i < list.count(); ++i) entries.append(list.itemText(i));
    return entries;
}

class SettingsSheetTest : public SettingsDialogTest {
  protected:
    // The sheet as the view builds it, shown (which activates the first page).
    void Open() {
        sheet = std::make_unique<ui::CFixedFontPropertySheet>("Setting", nullptr);
        sheet->AddPage(std::make_unique<ui::CPropertyPageC31>(*radio));
        sheet->AddPage(std::make_unique<ui::CPropertyPageC32>(*radio));
        sheet->AddPage(std::make_unique<ui::CPropertyPageC33>(*radio));
        sheet->show();
    }
    [[nodiscard]] QWidget& Page(int index) const { return *sheet->Tabs()->widget(index); }
    void GoTo(int index) const { sheet->Tabs()->setCurrentIndex(index); }
    [[nodiscard]] QPushButton* Button(const QString& text) const {
        for (auto* button : sheet->findChildren<QPushButton*>()) {
            if (button->text() == text) return button;
        }
        return nullptr;
    }
    [[nodiscard]] QCheckBox* Check(const QString& text) const {
        for (auto* box : Page(kCommon).findChildren<QCheckBox*>()) {
            if (box->text() == text) return box;
        }
        return nullptr;
    }
    [[nodiscard]] QComboBox* List(int page, const QString& label) const {
        return Labelled<QComboBox>(Page(page), label);
    }
    [[nodiscard]] QGroupBox& Band(const QString& title) const {
        for (auto* frame : Page(kCommon).findChildren<QGroupBox*>()) {
            if (frame->title() == title) return *frame;
        }
        throw std::logic_error("no such frame");
    }
    [[nodiscard]] QComboBox* ScanResume(const QString& band) const {
        return Labelled<QComboBox>(Band(band), "Scan Resume");
    }
    [[nodiscard]] QSlider* RfPower(const QString& band) const {
        return Labelled<QSlider>(Band(band), "RF Power");
    }

    std::unique_ptr<ui::CFixedFontPropertySheet> sheet;
};

TEST_F(SettingsSheetTest, TheSheetStartsOnCommonWithOkAndCancelOnly) {
    Open();
    EXPECT_EQ(sheet->windowTitle(), "Setting");
    ASSERT_EQ(sheet->Tabs()->count(), 3);
    EXPECT_EQ(sheet->Tabs()->tabText(0), " Common ");
    EXPECT_EQ(sheet->Tabs()->tabText(1), " Display ");
    EXPECT_EQ(sheet->Tabs()->tabText(2), " MIC Option ");
    EXPECT_EQ(sheet->Tabs()->currentIndex(), kCommon);
    QStringList buttons;
    for (const auto* button : sheet->findChildren<QPushButton*>()) buttons.append(button->text());
    EXPECT_EQ(buttons, (QStringList{"OK", "Cancel"}));
    EXPECT_TRUE(Button("OK")->isDefault());
}

TEST_F(SettingsSheetTest, TheSheetKeepsItsOwnFontAndEveryTextStaysReadable) {
    Open();
    const QFont own = sheet->font();
    EXPECT_TRUE(own.italic());
    EXPECT_EQ(own.pixelSize(), 50);
    EXPECT_EQ(sheet->SheetFont(), own);
    for (int page = 0; page < 3; ++page) {
        GoTo(page);
        QApplication::processEvents();
        for (const QWidget* widget : sheet->findChildren<QWidget*>()) {
            EXPECT_FALSE(widget->font().italic()) << widget->metaObject()->className();
            EXPECT_NE(widget->font().pixelSize(), 50) << widget->metaObject()->className();
        }
        // Every label is wide enough for its whole text.
        for (const QLabel* label : Page(page).findChildren<QLabel*>()) {
            if (label->text().isEmpty() || !label->isVisibleTo(sheet.get())) continue;
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->text().toStdString();
        }
    }
}

TEST_F(SettingsSheetTest, CommonPageShowsTheModelValuesTranslated) {
    Set({"COMMON.BEEP=OFF", "COMMON.SUB_BAND_MUTE=ON", "COMMON.FAN=ON", "COMMON.TOT=15min",
         "COMMON.AUTO_REPEATER=ON2", "COMMON.AUTO_POWER_OFF=1hour", "COMMON.SQUELCH_DELAY=SHORT",
         "COMMON.PACKET_BAUDRATE=9600bps", "COMMON.SCAN_STOP_ACTION_VHF=T-10",
         "COMMON.SCAN_STOP_ACTION_UHF=P-2", "COMMON.RF_POWER_VHF=MID-L",
         "COMMON.RF_POWER_UHF=LOW"});
    Open();
    EXPECT_THAT(Take(), ElementsAreArray(CommonPageQueries()));
    EXPECT_EQ(steps, 0) << "showing changes nothing";

    EXPECT_FALSE(Check("Operation Beep")->isChecked());
    EXPECT_TRUE(Check("Sub Band Mute")->isChecked());
    EXPECT_FALSE(Check("RF Attenuator")->isChecked());
    EXPECT_EQ(List(kCommon, "Cooling Fan")->currentText(), "On");
    EXPECT_EQ(Entries(*List(kCommon, "Cooling Fan")), (QStringList{"Automatic", "On"}));
    EXPECT_EQ(List(kCommon, "Tx T.O.T")->currentText(), "15 min");
    EXPECT_EQ(Entries(*List(kCommon, "Tx T.O.T")),
              (QStringList{"Off", "3 min", "5 min", "15 min", "30 min"}));
    EXPECT_EQ(List(kCommon, "Auto Repeater")->currentText(), "Dup & Tone");
    EXPECT_EQ(List(kCommon, "Auto Power-Off")->currentText(), "1 hour");
    EXPECT_EQ(List(kCommon, "Squelch Delay")->currentText(), "Short");
    EXPECT_EQ(List(kCommon, "Packet BPS")->currentText(), "9600");
    EXPECT_EQ(ScanResume("VHF")->currentText(), "10s");
    EXPECT_EQ(ScanResume("UHF")->currentText(), "Pause");
    EXPECT_EQ(Entries(*ScanResume("UHF")), (QStringList{"5s", "10s", "15s", "Pause"}));
    for (const char* band : {"VHF", "UHF"}) {
        EXPECT_EQ(RfPower(band)->minimum(), 0);
        EXPECT_EQ(RfPower(band)->maximum(), 3);
        EXPECT_EQ(RfPower(band)->tickInterval(), 1);
        EXPECT_NE(RfPower(band)->tickPosition(), QSlider::NoTicks);
    }
    EXPECT_EQ(RfPower("VHF")->value(), 1);
    EXPECT_EQ(RfPower("UHF")->value(), 0);
    ExpectAccessible(*sheet);
}

TEST_F(SettingsSheetTest, LeavingCommonWritesEveryItemInOrderAsOneStep) {
    Set({"COMMON.AUTO_REPEATER=ON2"});
    Open();
    (void)Take();
    Check("Operation Beep")->setChecked(false);
    Check("Memory Name")->setChecked(true);
    List(kCommon, "Auto Repeater")->setCurrentText("Dup");
    List(kCommon, "Tx T.O.T")->setCurrentText("30 min");
    List(kCommon, "Packet BPS")->setCurrentText("9600");
    ScanResume("UHF")->setCurrentText("Pause");
    RfPower("VHF")->setValue(2);  // the third position
    GoTo(kDisplay);

    std::vector<std::string> expected = {
        "COMMON.BEEP=OFF",
        "COMMON.RF_ATTENUATER=OFF",
        "COMMON.NAME_DISPLAY=ON",
        "COMMON.SUB_BAND_BEEP=OFF",
        "COMMON.SUB_BAND_MUTE=OFF",
        "COMMON.FAN=AUTO",
        "COMMON.TOT=30min",
        "COMMON.AUTO_REPEATER=ON1",
        "COMMON.AUTO_POWER_OFF=OFF",
        "COMMON.SQUELCH_DELAY=LONG",
        "COMMON.PACKET_BAUDRATE=9600bps",
        "COMMON.SCAN_STOP_ACTION_VHF=T-15",
        "COMMON.SCAN_STOP_ACTION_UHF=P-2",
        "COMMON.RF_POWER_VHF=MID-H",
        "COMMON.RF_POWER_UHF=HIGH",
    };
    expected.insert(expected.end(), kDisplayPageQueries.begin(), kDisplayPageQueries.end());
    EXPECT_THAT(Take(), ElementsAreArray(expected));
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(Model("COMMON.AUTO_REPEATER"), "ON1");
    EXPECT_EQ(Model("COMMON.RF_POWER_VHF"), "MID-H");
    EXPECT_EQ(Model("COMMON.NAME_DISPLAY"), "ON");
}

TEST_F(SettingsSheetTest, TheAutoRepeaterFollowsTheVersion) {
    struct Case {
        int version;
        QStringList entries;
        bool queried;
    };
    for (const Case& c :
         {Case{kUsaA, {"Off", "Dup", "Dup & Tone"}, true},
          Case{1, {"Off", "Dup", "Dup & Tone"}, true}, Case{kKor, {"Off", "On"}, true},
          Case{13, {"Off", "On"}, true}, Case{kJpn3, {"Off", "On"}, true},
          Case{kEurA, {"---"}, false}, Case{2, {"---"}, false}, Case{12, {"---"}, false}}) {
        SCOPED_TRACE(c.version);
        Start(c.version);
        Open();
        EXPECT_THAT(Take(), ElementsAreArray(CommonPageQueries(c.queried)));
        QComboBox* repeater = List(kCommon, "Auto Repeater");
        EXPECT_EQ(Entries(*repeater), c.entries);
        sheet->reject();
    }

    // Korea: the model's "ON" shows "On" and is written back as "ON".
    Start(kKor);
    EXPECT_EQ(Model("COMMON.AUTO_REPEATER"), "ON") << "the factory value of KOR";
    Open();
    EXPECT_EQ(List(kCommon, "Auto Repeater")->currentText(), "On");
    Button("OK")->click();
    const std::vector<std::string> sent = Take();
    EXPECT_NE(std::ranges::find(sent, "COMMON.AUTO_REPEATER=ON"), sent.end());

    // Europe: only "---" is offered, and leaving the page writes "OFF".
    Start(kEurA);
    Open();
    EXPECT_EQ(List(kCommon, "Auto Repeater")->currentText(), "---");
    GoTo(kMic);
    const std::vector<std::string> written = Take();
    EXPECT_NE(std::ranges::find(written, "COMMON.AUTO_REPEATER=OFF"), written.end());
}

TEST_F(SettingsSheetTest, DisplayPageShowsAndWritesItsItems) {
    Set({"COMMON.LCD_CONTRAST=50%", "COMMON.LCD_BACKLIGHT=88%", "COMMON.DISPLAY_TYPE=TYPE 3",
         "COMMON.OPENING_TEXT=hi-5", "COMMON.CLONE_COMMENT=My rig"});
    Open();
    GoTo(kDisplay);
    (void)Take();
    const int stepsBefore = steps;
    QSlider* contrast = Labelled<QSlider>(Page(kDisplay), "Contrast Control");
    QSlider* bright = Labelled<QSlider>(Page(kDisplay), "Bright Control");
    QComboBox* type = List(kDisplay, "Display Type");
    QLineEdit* title = Labelled<QLineEdit>(Page(kDisplay), "Opening Title");
    QLineEdit* comment = Labelled<QLineEdit>(Page(kDisplay), "Comment");
    EXPECT_EQ(contrast->value(), 16);
    EXPECT_EQ(bright->value(), 28);
    EXPECT_EQ(contrast->maximum(), 32);
    EXPECT_EQ(bright->tickInterval(), 1);
    EXPECT_EQ(type->currentText(), "Type C");
    EXPECT_EQ(Entries(*type), (QStringList{"Type A", "Type B", "Type C", "Type D"}));
    EXPECT_EQ(title->text(), "HI-5") << "shown without the model's padding";
    EXPECT_EQ(comment->text(), "My rig");
    EXPECT_EQ(title->maxLength(), 8);
    EXPECT_EQ(comment->maxLength(), 16);
    ExpectAccessible(*sheet);

    contrast->setValue(20);
    bright->setValue(0);
    type->setCurrentText("Type B");
    title->setText("        ");
    comment->setText("Shack 2m   ");
    GoTo(kMic);
    std::vector<std::string> expected = {
        "COMMON.DISPLAY_TYPE=TYPE 2", "COMMON.LCD_BACKLIGHT=0%",       "COMMON.LCD_CONTRAST=62%",
        "COMMON.OPENING_TEXT= ",      "COMMON.CLONE_COMMENT=Shack 2m",
    };
    expected.insert(expected.end(), kMicPageQueries.begin(), kMicPageQueries.end());
    EXPECT_THAT(Take(), ElementsAreArray(expected));
    EXPECT_EQ(steps, stepsBefore + 1);
    EXPECT_EQ(Model("COMMON.LCD_CONTRAST"), "62%");
    EXPECT_EQ(Model("COMMON.OPENING_TEXT"), "        ");
}

TEST_F(SettingsSheetTest, TextBoxesOpenWithRoomAndTakeOnlyWhatTheModelKeeps) {
    // Both texts at their full length, and both padded.
    for (const char* first : {"COMMON.OPENING_TEXT=ABCDEFGH", "COMMON.OPENING_TEXT=AB"}) {
        Set({first, "COMMON.CLONE_COMMENT=Shack"});
        Open();
        GoTo(kDisplay);
        QLineEdit* title = Labelled<QLineEdit>(Page(kDisplay), "Opening Title");
        QLineEdit* comment = Labelled<QLineEdit>(Page(kDisplay), "Comment");
        const std::string before = Model("COMMON.OPENING_TEXT");
        title->setFocus();
        title->end(false);
        QTest::keyClicks(title, "x*");
        comment->setFocus();
        comment->end(false);
        QTest::keyClicks(comment, " 2m=");
        QTest::sendKeyEvent(QTest::Click, comment, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                            {});  // an accented letter
        QTest::keyClicks(comment, "!");
        if (before == "ABCDEFGH") {
            EXPECT_EQ(title->text(), "ABCDEFGH") << "full: the limit is the model's own";
        } else {
            EXPECT_EQ(title->text(), "ABX") << "upper case, and no * on the opening text";
        }
        EXPECT_EQ(comment->text(), "Shack 2m!") << "no = and no accented letters";
        Button("OK")->click();
        EXPECT_EQ(Model("COMMON.OPENING_TEXT"), (title->text() + "        ").left(8).toStdString());
        EXPECT_EQ(Model("COMMON.CLONE_COMMENT"), "Shack 2m!       ");
        sheet.reset();
    }
}

TEST_F(SettingsSheetTest, OkWithoutTypingChangesNothing) {
    Set({"COMMON.OPENING_TEXT=A-1", "COMMON.CLONE_COMMENT=  two  blanks",
         "COMMON.DISPLAY_TYPE=TYPE 2", "COMMON.LCD_CONTRAST=34%"});
    const std::vector<std::string> items = {"OPENING_TEXT", "CLONE_COMMENT", "DISPLAY_TYPE",
                                            "LCD_CONTRAST", "LCD_BACKLIGHT"};
    std::vector<std::string> before;
    for (const std::string& item : items) before.push_back(Model("COMMON." + item));
    Open();
    GoTo(kDisplay);
    EXPECT_EQ(Labelled<QLineEdit>(Page(kDisplay), "Comment")->text(), "  two  blanks");
    Button("OK")->click();
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(Model("COMMON." + items[i]), before[i]) << items[i];
    }
}

TEST_F(SettingsSheetTest, DisplayTypePictureFollowsTheSelection) {
    Open();
    GoTo(kDisplay);
    (void)Take();
    auto& page = dynamic_cast<ui::CPropertyPageC32&>(Page(kDisplay));
    QComboBox* type = List(kDisplay, "Display Type");
    const auto visiblePictures = [&] {
        std::vector<QRect> shown;
        for (const QLabel* label : page.findChildren<QLabel*>()) {
            if (label->accessibleName() == "Display type picture" && label->isVisible()) {
                shown.push_back(label->geometry());
            }
        }
        return shown;
    };
    EXPECT_EQ(page.PictureShown(), 0) << "Type A, the factory value";
    const QRect place = visiblePictures().at(0);
    for (int index : {1, 2, 3, 0, -1}) {
        SCOPED_TRACE(index);
        type->setCurrentIndex(index);
        EXPECT_EQ(page.PictureShown(), index < 0 ? 3 : index) << "no selection: the fourth";
        const std::vector<QRect> shown = visiblePictures();
        ASSERT_EQ(shown.size(), 1U) << "one picture at a time";
        EXPECT_EQ(shown[0], place) << "all in one rectangle";
    }
    EXPECT_THAT(Take(), IsEmpty()) << "choosing sends nothing until the page is left";
}

TEST_F(SettingsSheetTest, MicOptionPageTranslatesTheKeyFunctions) {
    Set({"COMMON.MIC_F1_FUNCTION=U-TON", "COMMON.MIC_F2_FUNCTION=DTMF",
         "COMMON.MIC_UP_FUNCTION=MIC-DN", "COMMON.MIC_DN_FUNCTION=V-V/MHz", "COMMON.MIC_ID=OFF"});
    Open();
    GoTo(kMic);
    const std::vector<std::string> sent = Take();
    ASSERT_GE(sent.size(), kMicPageQueries.size());
    EXPECT_THAT(std::vector<std::string>(sent.end() - 5, sent.end()),
                ElementsAreArray(kMicPageQueries));

    QComboBox* f1 = List(kMic, "MK-31 F-1 Key");
    QComboBox* f2 = List(kMic, "MK-31 F-2 Key");
    QComboBox* up = List(kMic, "UP Key");
    QComboBox* dn = List(kMic, "DN Key");
    QComboBox* address = List(kMic, "MIC Address");
    EXPECT_EQ(Entries(*f1),
              (QStringList{"VHF MAIN", "VHF V/MHz", "VHF M/C", "VHF MONI", "UHF MAIN", "UHF V/MHz",
                           "UHF M/C", "UHF MONI", "VHF EDIT", "VHF TONE", "VHF MW", "DTMF",
                           "UHF EDIT", "UHF TONE", "UHF MW", "DISP", "Dn", "Up"}));
    EXPECT_EQ(f1->currentText(), "UHF TONE");
    EXPECT_EQ(f2->currentText(), "DTMF");
    EXPECT_EQ(up->currentText(), "Dn");
    EXPECT_EQ(dn->currentText(), "VHF V/MHz");
    EXPECT_EQ(Entries(*address), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "Off"}));
    EXPECT_EQ(address->currentText(), "Off");
    ExpectAccessible(*sheet);

    f1->setCurrentText("Up");
    f2->setCurrentIndex(-1);  // no entry: the first function
    address->setCurrentText("7");
    Button("OK")->click();
    EXPECT_THAT(Take(),
                ElementsAre("COMMON.MIC_F1_FUNCTION=MIC-UP", "COMMON.MIC_F2_FUNCTION=V-MAIN",
                            "COMMON.MIC_UP_FUNCTION=MIC-DN", "COMMON.MIC_DN_FUNCTION=V-V/MHz",
                            "COMMON.MIC_ID=7"));
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_EQ(Model("COMMON.MIC_ID"), "7");
}

TEST_F(SettingsSheetTest, CancelKeepsWhatPagesLeftEarlierWrote) {
    Open();
    Check("Operation Beep")->setChecked(false);
    GoTo(kDisplay);
    Labelled<QLineEdit>(Page(kDisplay), "Opening Title")->setText("CQ");
    (void)Take();
    const int stepsBefore = steps;
    Button("Cancel")->click();
    EXPECT_THAT(Take(), IsEmpty());
    EXPECT_EQ(steps, stepsBefore);
    EXPECT_EQ(Model("COMMON.BEEP"), "OFF") << "written when the page was left";
    EXPECT_EQ(Model("COMMON.OPENING_TEXT"), "        ") << "the Display changes are gone";
}

TEST_F(SettingsSheetTest, EscapeIsCancelAndOkWritesOnlyTheCurrentPage) {
    Open();
    (void)Take();
    QTest::keyClick(sheet.get(), Qt::Key_Escape);
    EXPECT_FALSE(sheet->isVisible());
    EXPECT_THAT(Take(), IsEmpty());

    // A page never opened is neither read nor written.
    Open();
    (void)Take();
    QTest::keyClick(List(kCommon, "Tx T.O.T"), Qt::Key_Return);
    EXPECT_FALSE(sheet->isVisible()) << "Enter presses the default button";
    const std::vector<std::string> sent = Take();
    EXPECT_EQ(sent.size(), kCommonItems.size());
    for (const std::string& command : sent) {
        EXPECT_TRUE(command.find('=') != std::string::npos) << command;
        EXPECT_EQ(command.find("LCD"), std::string::npos) << command;
        EXPECT_EQ(command.find("MIC"), std::string::npos) << command;
    }
    EXPECT_EQ(steps, 1);
}

TEST_F(SettingsSheetTest, SwitchingBackAndForthShowsTheValuesJustWritten) {
    Open();
    List(kCommon, "Auto Power-Off")->setCurrentText("2 hour");
    RfPower("UHF")->setValue(1);
    GoTo(kDisplay);
    Labelled<QSlider>(Page(kDisplay), "Bright Control")->setValue(4);
    Labelled<QLineEdit>(Page(kDisplay), "Comment")->setText("abc");
    (void)Take();

    // The keyboard moves between the pages as the mouse does.
    QTest::keyClick(sheet->Tabs(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), kMic);
    QTest::keyClick(sheet->Tabs(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(sheet->Tabs()->currentIndex(), kCommon);
    const std::vector<std::string> sent = Take();
    ASSERT_GE(sent.size(), 5U);
    EXPECT_EQ(sent[0], "COMMON.DISPLAY_TYPE=TYPE 1") << "Display was left first";
    EXPECT_EQ(sent.back(), "COMMON.RF_POWER_UHF") << "Common read last";
    EXPECT_EQ(List(kCommon, "Auto Power-Off")->currentText(), "2 hour");
    EXPECT_EQ(RfPower("UHF")->value(), 1);

    GoTo(kDisplay);
    EXPECT_EQ(Labelled<QSlider>(Page(kDisplay), "Bright Control")->value(), 4);
    EXPECT_EQ(Labelled<QLineEdit>(Page(kDisplay), "Comment")->text(), "abc")
        << "without the padding";
    EXPECT_EQ(steps, 4) << "one step per page left";
}

}  // namespace
}  // namespace ql::test
