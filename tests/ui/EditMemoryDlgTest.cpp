// The Edit Memory dialog on real widgets over a real radio data object: what it asks and
// shows, which controls it enables, what it sends on OK (in order, as one change), that
// Cancel sends nothing, and that it is usable from the keyboard and by name.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <set>

#include "model/ChannelPath.h"
#include "support/AccessibleLabels.h"
#include "support/ViewFixture.h"
#include "ui/CEditMemoryDlg.h"

namespace ql::test {
namespace {

class EditMemoryTest : public ViewTest {
  protected:
    explicit EditMemoryTest(int version = 0) : ViewTest(version) {}
};

class EditMemoryEuropeTest : public EditMemoryTest {
  protected:
    EditMemoryEuropeTest() : EditMemoryTest(4) {}
};

// The control whose label reads text.
template <typename T>
T* Labelled(const QWidget& dialog, const QString& text) {
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text) return qobject_cast<T*>(label->buddy());
    }
    return nullptr;
}

QGroupBox* Group(const QWidget& dialog, const QString& title) {
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->title() == title) return group;
    }
    return nullptr;
}

QRadioButton* Radio(const QWidget& dialog, const QString& group, const QString& text) {
    for (QRadioButton* button : Group(dialog, group)->findChildren<QRadioButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

QComboBox* List(const QWidget& dialog, const QString& group, int n = 0) {
    return Group(dialog, group)->findChildren<QComboBox*>().value(n);
}

QPushButton* Button(const QWidget& dialog, const QString& text) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

// What the dialog shows, as "label=value" texts.
struct Shown {
    explicit Shown(const QWidget& dialog)
        : frequency(Labelled<QLineEdit>(dialog, "Operating Frequency")),
          duplex(Labelled<QComboBox>(dialog, "Dup")),
          offset(Labelled<QLineEdit>(dialog, "Offset Freq.")),
          step(Labelled<QComboBox>(dialog, "Tuning Step")),
          name(Labelled<QLineEdit>(dialog, "Name")),
          repeaterTone(List(dialog, "Tone / ToneSquelch", 0)),
          squelchTone(List(dialog, "Tone / ToneSquelch", 1)),
          skip(List(dialog, "Skip")),
          toneOff(Radio(dialog, "Tone / ToneSquelch", "OFF")),
          tone(Radio(dialog, "Tone / ToneSquelch", "TONE")),
          tsql(Radio(dialog, "Tone / ToneSquelch", "TSQL")),
          fm(Radio(dialog, "Mode", "FM")),
          am(Radio(dialog, "Mode", "AM")),
          narrowFm(Radio(dialog, "Mode", "NarrowFM")),
          wideFm(Radio(dialog, "Mode", "WFM")) {}

    QLineEdit* frequency;
    QComboBox* duplex;
    QLineEdit* offset;
    QComboBox* step;
    QLineEdit* name;
    QComboBox* repeaterTone;
    QComboBox* squelchTone;
    QComboBox* skip;
    QRadioButton* toneOff;
    QRadioButton* tone;
    QRadioButton* tsql;
    QRadioButton* fm;
    QRadioButton* am;
    QRadioButton* narrowFm;
    QRadioButton* wideFm;

    [[nodiscard]] std::vector<QWidget*> DependOnFrequency() const {
        return {duplex, offset, step, repeaterTone, squelchTone, toneOff,
                tone,   tsql,   fm,   am,           narrowFm};
    }
};

TEST_F(EditMemoryTest, ABlankChannelShowsTheDefaultsWithOnlyTheFrequencyEnabled) {
    radio("CH.MCH_144.9.APPEAR=OFF");
    std::unique_ptr<ui::CEditMemoryDlg> dialog;
    const auto sent =
        Record([&] { dialog = std::make_unique<ui::CEditMemoryDlg>(doc, Band::kVhf, 9, nullptr); });
    EXPECT_EQ(sent, (std::vector<std::string>{"CH.MCH_144.9.APPEAR", "MODEL.COUNTRY"}));
    EXPECT_EQ(dialog->windowTitle(), "Edit Memory ch");
    const Shown shown(*dialog);
    ASSERT_NE(shown.frequency, nullptr);
    EXPECT_EQ(shown.frequency->text(), "");
    EXPECT_EQ(shown.offset->text(), "0.0000");
    EXPECT_EQ(shown.duplex->currentText(), "OFF");
    EXPECT_EQ(shown.repeaterTone->currentText(), "88.5");
    EXPECT_EQ(shown.squelchTone->currentText(), "88.5");
    EXPECT_EQ(shown.step->currentText(), "5k");
    EXPECT_EQ(shown.name->text(), "");
    EXPECT_TRUE(shown.toneOff->isChecked());
    EXPECT_TRUE(shown.fm->isChecked());
    EXPECT_EQ(shown.skip->currentText(), "Off");
    EXPECT_EQ(shown.repeaterTone->count(), 50);
    EXPECT_EQ(shown.repeaterTone->itemText(49), "254.1");

    EXPECT_TRUE(shown.frequency->isEnabled());
    for (QWidget* control : shown.DependOnFrequency()) EXPECT_FALSE(control->isEnabled());
    EXPECT_FALSE(shown.name->isEnabled());
    EXPECT_FALSE(shown.skip->isEnabled());

    QTest::keyClicks(shown.frequency, "1");
    for (QWidget* control : shown.DependOnFrequency()) EXPECT_TRUE(control->isEnabled());
    EXPECT_TRUE(shown.name->isEnabled());
    EXPECT_TRUE(shown.skip->isEnabled());
    QTest::keyClick(shown.frequency, Qt::Key_Backspace);
    EXPECT_FALSE(shown.offset->isEnabled());
    EXPECT_FALSE(shown.name->isEnabled());
}

TEST_F(EditMemoryTest, AMemoryChannelIsReadInOrderAndShown) {
    radio(
        "CH.MCH_144.12.ALL=APPEAR=ON\tFREQUENCY=145.5000\tDUPLEX_SELECTION=Dup-\t"
        "REPEATER_FREQUENCY=0.6000\tNAME=RPT\tTONE_SELECTION=TSQL\t"
        "REPEATER_TONE_FREQUENCY=123.0\tTSQL_FREQUENCY=100.0\tSKIP=PROGRAM_SKIP\t"
        "TUNING_STEP_SELECTION=25k");
    radio("HEAL");
    std::unique_ptr<ui::CEditMemoryDlg> dialog;
    const auto sent = Record(
        [&] { dialog = std::make_unique<ui::CEditMemoryDlg>(doc, Band::kVhf, 12, nullptr); });
    const std::vector<std::string> expected = {"CH.MCH_144.12.APPEAR",
                                               "CH.MCH_144.12.FREQUENCY",
                                               "CH.MCH_144.12.REPEATER_FREQUENCY",
                                               "CH.MCH_144.12.DUPLEX_SELECTION",
                                               "CH.MCH_144.12.REPEATER_TONE_FREQUENCY",
                                               "CH.MCH_144.12.TSQL_FREQUENCY",
                                               "CH.MCH_144.12.TUNING_STEP_SELECTION",
                                               "CH.MCH_144.12.NAME",
                                               "CH.MCH_144.12.TONE_SELECTION",
                                               "CH.MCH_144.12.MODE",
                                               "CH.MCH_144.12.SKIP",
                                               "MODEL.COUNTRY"};
    EXPECT_EQ(sent, expected);
    const Shown shown(*dialog);
    EXPECT_EQ(shown.frequency->text(), "145.5000");
    EXPECT_EQ(shown.offset->text(), "0.6000");
    EXPECT_EQ(shown.duplex->currentText(), "-Dup");
    EXPECT_EQ(shown.repeaterTone->currentText(), "123.0");
    EXPECT_EQ(shown.squelchTone->currentText(), "100.0");
    EXPECT_EQ(shown.step->currentText(), "25k");
    EXPECT_EQ(shown.name->text(), "RPT");
    EXPECT_TRUE(shown.tsql->isChecked());
    EXPECT_FALSE(shown.toneOff->isChecked());
    EXPECT_TRUE(shown.fm->isChecked());
    EXPECT_EQ(shown.skip->currentText(), "Program & Memory");
    EXPECT_TRUE(shown.wideFm->isHidden());
    EXPECT_TRUE(shown.narrowFm->isHidden());
}

TEST_F(EditMemoryTest, OkSendsEveryAssignmentInOrderAsOneChange) {
    radio.FillAllMemoryChannels();
    ui::CEditMemoryDlg dialog(doc, Band::kVhf, 12, nullptr);
    WhenModal([](QWidget* shownDialog) {
        const Shown shown(*shownDialog);
        shown.frequency->selectAll();
        QTest::keyClicks(shown.frequency, "145,5");  // a decimal comma
        shown.offset->selectAll();
        QTest::keyClicks(shown.offset, "0,6");
        QTest::keyClick(shown.duplex, Qt::Key_Down);  // OFF -> -Dup
        shown.name->selectAll();
        QTest::keyClicks(shown.name, "RPT ");
        QTest::mouseClick(shown.tone, Qt::LeftButton);
        QTest::keyClick(shown.repeaterTone, Qt::Key_Down);  // 88.5 -> 91.5
        shown.skip->setCurrentIndex(1);
        QTest::keyClick(shown.frequency, Qt::Key_Return);  // OK is the default button
    });
    std::vector<std::string> sent;
    const int result = [&] {
        int code = 0;
        sent = Record([&] { code = dialog.exec(); });
        return code;
    }();
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(doc.steps.size(), 1U);
    const std::vector<std::string> expected = {
        "CH.MCH_144.12.REPEATER_FREQUENCY=0.6",
        "CH.MCH_144.12.DUPLEX_SELECTION=Dup-",
        "CH.MCH_144.12.REPEATER_TONE_FREQUENCY=91.5",
        "CH.MCH_144.12.TSQL_FREQUENCY=88.5",
        "CH.MCH_144.12.TUNING_STEP_SELECTION=5k",
        "CH.MCH_144.12.NAME=RPT",
        "CH.MCH_144.12.TONE_SELECTION=TONE",
        "CH.MCH_144.12.MODE=FM",
        "CH.MCH_144.12.SKIP=SKIP",
        "CH.MCH_144.12.FREQUENCY=145.5",
        "CH.MCH_144.12.APPEAR=ON",
        "CH.MCH_144.12.HEAL",
    };
    EXPECT_EQ(doc.steps.front(), expected);
    EXPECT_EQ(radio("CH.MCH_144.12.FREQUENCY"), "145.5000");
    EXPECT_EQ(radio("CH.MCH_144.12.REPEATER_FREQUENCY"), "0.6000");
    EXPECT_EQ(radio("CH.MCH_144.12.NAME"), "RPT     ");
}

TEST_F(EditMemoryTest, CancelAndEscapeSendNothing) {
    radio.FillAllMemoryChannels();
    for (const bool escape : {false, true}) {
        ui::CEditMemoryDlg dialog(doc, Band::kVhf, 12, nullptr);
        WhenModal([escape](QWidget* shownDialog) {
            const Shown shown(*shownDialog);
            shown.frequency->clear();
            QTest::keyClicks(shown.name, "X");
            if (escape) {
                QTest::keyClick(shownDialog, Qt::Key_Escape);
            } else {
                Button(*shownDialog, "Cancel")->click();
            }
        });
        const auto sent = Record([&] { EXPECT_EQ(dialog.exec(), QDialog::Rejected); });
        for (const std::string& command : sent) {
            EXPECT_EQ(command.find('='), std::string::npos) << command;
            EXPECT_FALSE(command.ends_with("HEAL")) << command;
        }
    }
    EXPECT_TRUE(doc.steps.empty());
    EXPECT_EQ(radio("CH.MCH_144.12.APPEAR"), "ON");
}

TEST_F(EditMemoryTest, ClearingTheFrequencyBlanksTheChannelLast) {
    radio.FillAllMemoryChannels();
    ui::CEditMemoryDlg dialog(doc, Band::kVhf, 30, nullptr);
    Shown(dialog).frequency->clear();
    dialog.accept();
    ASSERT_EQ(doc.steps.size(), 1U);
    const std::vector<std::string>& step = doc.steps.front();
    ASSERT_EQ(step.size(), 12U);
    EXPECT_EQ(step.at(9), "CH.MCH_144.30.FREQUENCY=");
    EXPECT_EQ(step.at(10), "CH.MCH_144.30.APPEAR=OFF");
    EXPECT_EQ(step.at(11), "CH.MCH_144.30.HEAL");
    EXPECT_EQ(radio("CH.MCH_144.30.APPEAR"), "OFF");
}

TEST_F(EditMemoryTest, EdgesAndTheCallChannel) {
    for (const unsigned edge : {100U, 105U}) {
        ui::CEditMemoryDlg dialog(doc, Band::kVhf, edge, nullptr);
        const Shown shown(dialog);
        QTest::keyClicks(shown.frequency, "145");
        EXPECT_TRUE(shown.offset->isEnabled());
        EXPECT_FALSE(shown.name->isEnabled()) << edge;
        EXPECT_FALSE(shown.skip->isEnabled()) << edge;
    }
    ui::CEditMemoryDlg call(doc, Band::kVhf, 106, nullptr);
    const Shown shown(call);
    ASSERT_FALSE(shown.frequency->text().isEmpty());
    EXPECT_TRUE(shown.name->isEnabled());
    EXPECT_FALSE(shown.skip->isEnabled());
}

TEST_F(EditMemoryTest, TheUhfListAddressesTheUhfChannels) {
    auto sent = Record([&] { ui::CEditMemoryDlg dialog(doc, Band::kUhf, 12, nullptr); });
    EXPECT_EQ(sent.front(), "CH.MCH_430.12.APPEAR");
    sent = Record([&] { ui::CEditMemoryDlg dialog(doc, Band::kUhf, 106, nullptr); });
    EXPECT_EQ(sent.front(), "CH.CALL_430.APPEAR");
    sent = Record([&] { ui::CEditMemoryDlg dialog(doc, Band::kUhf, 103, nullptr); });
    EXPECT_EQ(sent.front(), "CH.PCH_430.2B.APPEAR");
}

TEST_F(EditMemoryTest, NarrowFmIsNeverOfferedOutsideEurope) {
    for (const Band band : {Band::kVhf, Band::kUhf}) {
        ui::CEditMemoryDlg dialog(doc, band, 1, nullptr);
        dialog.show();
        EXPECT_FALSE(Shown(dialog).narrowFm->isVisible()) << static_cast<int>(band);
        EXPECT_FALSE(Shown(dialog).wideFm->isVisible());
    }
}

TEST_F(EditMemoryEuropeTest, NarrowFmOnlyInTheVhfList) {
    ASSERT_EQ(radio("MODEL.COUNTRY"), "EUR-A");
    radio("CH.MCH_144.1.ALL=APPEAR=ON\tFREQUENCY=145.5000\tMODE=FM Narrow");
    radio("HEAL");
    ui::CEditMemoryDlg vhf(doc, Band::kVhf, 1, nullptr);
    vhf.show();
    EXPECT_TRUE(Shown(vhf).narrowFm->isVisible());
    EXPECT_TRUE(Shown(vhf).narrowFm->isChecked());
    ui::CEditMemoryDlg uhf(doc, Band::kUhf, 1, nullptr);
    uhf.show();
    EXPECT_FALSE(Shown(uhf).narrowFm->isVisible());
}

TEST_F(EditMemoryTest, EveryControlIsNamedAndReachedByTab) {
    ui::CEditMemoryDlg dialog(doc, Band::kVhf, 1, nullptr);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    const Shown shown(dialog);
    const auto labelOf = [](QWidget* control) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        const auto labels = face->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    };
    EXPECT_EQ(labelOf(shown.frequency), "Operating Frequency");
    EXPECT_EQ(labelOf(shown.duplex), "Dup");
    EXPECT_EQ(labelOf(shown.offset), "Offset Freq.");
    EXPECT_EQ(labelOf(shown.step), "Tuning Step");
    EXPECT_EQ(labelOf(shown.name), "Name");
    EXPECT_EQ(labelOf(shown.repeaterTone), "Tone / ToneSquelch");
    EXPECT_EQ(labelOf(shown.skip), "Skip");
    EXPECT_EQ(labelOf(shown.am), "Mode");
    ExpectLabelsReadAsTheirText(dialog);

    shown.frequency->setFocus();
    std::vector<QWidget*> visited;
    for (int i = 0; i < 20 && visited.size() < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(visited, (std::vector<QWidget*>{shown.duplex, shown.offset, shown.step, shown.name,
                                              visited.back()}));
    bool reachedOk = false;
    for (int i = 0; i < 30 && !reachedOk; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reachedOk = QApplication::focusWidget() == Button(dialog, "OK");
    }
    EXPECT_TRUE(reachedOk);
    EXPECT_TRUE(Button(dialog, "OK")->isDefault());
}

// The note under the frequency: the label that says what OK will do with it.
QLabel* Note(const QWidget& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->accessibleDescription() == "What OK will do with the frequency") return label;
    }
    return nullptr;
}

// Replaces the frequency by typing text; answers the note as it then stands.
QString TypeFrequency(const QWidget& dialog, const QString& text) {
    QLineEdit* frequency = Shown(dialog).frequency;
    frequency->selectAll();
    QTest::keyClick(frequency, Qt::Key_Delete);
    QTest::keyClicks(frequency, text);
    QLabel* note = Note(dialog);
    EXPECT_EQ(note->isVisible(), !note->text().isEmpty()) << text.toStdString();
    return note->isVisible() ? note->text() : QString();
}

const QString kErases = "OK will erase this channel: a frequency is above 0 MHz and below 2000 MHz";
const QString kKept =
    "OK will keep the channel's frequency: a frequency is above 0 MHz and below 2000 MHz";

TEST_F(EditMemoryTest, TheNoteSaysWhenOkMarksOrErasesTheChannelAndChangesNothing) {
    radio.FillAllMemoryChannels();
    const std::string before = radio.Dump();
    ui::CEditMemoryDlg dialog(doc, Band::kVhf, 12, nullptr);
    dialog.show();
    QLabel* note = Note(dialog);
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isHidden()) << "nothing to say about the channel as it is";

    const auto sent = Record([&] {
        EXPECT_EQ(TypeFrequency(dialog, "438.5"),
                  "438.5 MHz is outside the VHF bands of USA-A: the channel will be marked ? "
                  "and the transceiver will not keep it");
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(note);
        EXPECT_EQ(face->text(QAccessible::Name), note->text()) << "read as the note changes";
        EXPECT_EQ(TypeFrequency(dialog, "146.52"), "");
        EXPECT_EQ(TypeFrequency(dialog, "14525"), kErases) << "the missing decimal point";
        EXPECT_EQ(TypeFrequency(dialog, "0"), kErases);
        EXPECT_EQ(TypeFrequency(dialog, "145,0125"), "");
        EXPECT_EQ(TypeFrequency(dialog, " 430,0125 "),
                  "430.0125 MHz is outside the VHF bands of USA-A: the channel will be marked ? "
                  "and the transceiver will not keep it");
        EXPECT_EQ(TypeFrequency(dialog, ""), "") << "an empty box blanks the channel on purpose";
    });
    for (const std::string& command : sent) {
        EXPECT_TRUE(command.find('=') == std::string::npos ||
                    command.find(".ISLEGAL.CHECK=") != std::string::npos)
            << command;
    }
    EXPECT_TRUE(doc.steps.empty());
    EXPECT_EQ(radio.Dump(), before);

    ui::CEditMemoryDlg uhf(doc, Band::kUhf, 12, nullptr);
    uhf.show();
    EXPECT_EQ(TypeFrequency(uhf, "145.5"),
              "145.5 MHz is outside the UHF bands of USA-A: the channel will be marked ? "
              "and the transceiver will not keep it");
    ui::CEditMemoryDlg edge(doc, Band::kVhf, 100, nullptr);
    edge.show();
    EXPECT_EQ(TypeFrequency(edge, "14525"), kKept) << "an edge is never blank";
}

TEST_F(EditMemoryEuropeTest, TheNoteNamesTheVersionsBands) {
    ui::CEditMemoryDlg dialog(doc, Band::kVhf, 5, nullptr);
    dialog.show();
    EXPECT_EQ(TypeFrequency(dialog, "147"),
              "147 MHz is outside the VHF bands of EUR-A: the channel will be marked ? "
              "and the transceiver will not keep it");
    EXPECT_EQ(TypeFrequency(dialog, "145"), "");
}

// Whatever the note says is what OK then does to the channel.
TEST_F(EditMemoryTest, TheNoteAgreesWithWhatOkDoes) {
    struct Case {
        Band band;
        unsigned channel;
        const char* typed;
    };
    const std::vector<Case> cases = {
        {Band::kVhf, 12, "438.5"}, {Band::kVhf, 12, "145,5"},   {Band::kVhf, 12, "14525"},
        {Band::kVhf, 12, "abc"},   {Band::kVhf, 12, " 127.5 "}, {Band::kVhf, 12, "1999.99"},
        {Band::kVhf, 12, "-145"},  {Band::kUhf, 12, "145.5"},   {Band::kUhf, 12, "438.5"},
        {Band::kUhf, 12, "2000"},  {Band::kVhf, 100, "14525"},  {Band::kVhf, 106, "438.5"},
        {Band::kUhf, 103, "5e2"},  {Band::kVhf, 12, "145.5x"},
    };
    std::set<std::string> said;
    for (const Case& c : cases) {
        radio.FillAllMemoryChannels();
        const std::string prefix = ChannelPath(c.band, c.channel);
        const std::string frequency = radio(prefix + "FREQUENCY");
        ui::CEditMemoryDlg dialog(doc, c.band, c.channel, nullptr);
        dialog.show();
        const QString note = TypeFrequency(dialog, c.typed);
        dialog.accept();
        if (note == kErases) {
            said.insert("erases");
            EXPECT_EQ(radio(prefix + "APPEAR"), "OFF") << c.typed;
        } else if (note == kKept) {
            said.insert("keeps");
            EXPECT_EQ(radio(prefix + "APPEAR"), "ON") << c.typed;
            EXPECT_EQ(radio(prefix + "FREQUENCY"), frequency) << c.typed;
        } else {
            said.insert(note.isEmpty() ? "nothing" : "outside");
            EXPECT_TRUE(note.isEmpty() || note.contains(" MHz is outside the ")) << c.typed;
            EXPECT_EQ(radio(prefix + "APPEAR"), "ON") << c.typed;
            EXPECT_EQ(radio(prefix + "ISLEGAL"), note.isEmpty() ? "OK" : "NG") << c.typed;
        }
    }
    EXPECT_EQ(said.size(), 4U) << "every kind of note and none were seen";
}

TEST_F(EditMemoryTest, OkWithoutTypingChangesNothingAndTheNameOpensWithRoom) {
    radio.FillAllMemoryChannels();
    radio("CH.MCH_144.12.NAME=ABCDEFGH");
    radio("CH.MCH_144.13.NAME=RPT");
    radio("CH.CALL_144.NAME=CQ");
    const std::string before = radio.Dump();
    for (const unsigned channel : {12U, 13U, 100U, 106U}) {
        ui::CEditMemoryDlg dialog(doc, Band::kVhf, channel, nullptr);
        dialog.accept();
        EXPECT_EQ(radio.Dump(), before) << channel;
    }

    ui::CEditMemoryDlg full(doc, Band::kVhf, 12, nullptr);
    const Shown shownFull(full);
    EXPECT_EQ(shownFull.name->text(), "ABCDEFGH");
    ui::CEditMemoryDlg dialog(doc, Band::kVhf, 13, nullptr);
    const Shown shown(dialog);
    EXPECT_EQ(shown.name->text(), "RPT") << "without the model's padding";
    shown.name->end(false);
    QTest::keyClicks(shown.name, "2");
    QTest::sendKeyEvent(QTest::Click, shown.name, Qt::Key_Eacute, QStringLiteral("\u00e9"),
                        {});  // an accented letter
    QTest::keyClicks(shown.name, "!(x)");
    EXPECT_EQ(shown.name->text(), "RPT2(X)") << "only what the transceiver shows, in upper case";
    dialog.accept();
    EXPECT_EQ(radio("CH.MCH_144.13.NAME"), "RPT2(X) ");
}

}  // namespace
}  // namespace ql::test
