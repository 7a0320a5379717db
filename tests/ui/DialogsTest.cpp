// The dialogs on real widgets: what each shows, what it writes, how it answers the keyboard,
// and that every control carries an accessible name.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include "clone/CClock.h"
#include "clone/CCloneLink.h"
#include "clone/CComPort.h"
#include "clone/CloneFakes.h"
#include "document/CInitialSetup.h"
#include "document/ChannelImport.h"
#include "support/AccessibleLabels.h"
#include "support/CMemorySettingsStore.h"
#include "support/DirectDoc.h"
#include "support/ModalDriver.h"
#include "support/ScriptedPrompts.h"
#include "support/TestSupport.h"
#include "ui/CAboutDlg.h"
#include "ui/CBulkEditDlg.h"
#include "ui/CExportCsvDlg.h"
#include "ui/CFindDlg.h"
#include "ui/CGoToChannelDlg.h"
#include "ui/CImportCsvDlg.h"
#include "ui/CInformationDlg.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CNotesDlg.h"
#include "ui/CProgressDlg.h"
#include "ui/CQtUserPrompts.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

// Every control a user can reach has a name for assistive technology, and every label reads
// as the text it shows.
void ExpectAccessibleNames(const QWidget& dialog) {
    ExpectLabelsReadAsTheirText(dialog);
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        const bool reachable =
            control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(&dialog);
        if (!reachable) continue;
        // What assistive technology reads: a label that can take the focus to select its
        // text reads as that text.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        QString name = face != nullptr ? face->text(QAccessible::Name) : QString();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            if (name.isEmpty()) name = button->text();
        }
        EXPECT_FALSE(name.isEmpty())
            << dialog.windowTitle().toStdString() << ": " << control->metaObject()->className();
    }
}

TEST(Dialogs, AboutShowsTheProgramAndRevision) {
    ui::CAboutDlg dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), "About QL-7400");
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts.append(label->text());
    EXPECT_TRUE(texts.contains("QL-7400 Rev.1.0"));
    ExpectAccessibleNames(dialog);
}

TEST(Dialogs, InformationShowsSixteenCharactersOfCommentInFull) {
    ui::CInformationDlg dialog("RZ-7400", " A  B  C  D  E  ", nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Information");
    EXPECT_EQ(dialog.ModelText(), "RZ-7400");
    EXPECT_EQ(dialog.CommentText(), " A  B  C  D  E  ");
    dialog.show();
    const auto labels = dialog.findChildren<QLabel*>();
    for (QLabel* label : labels) {
        if (label->text() == dialog.CommentText()) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        }
        // The values read as themselves; their labels and descriptions say what they are.
        if (label->text() == "RZ-7400") {
            EXPECT_EQ(label->accessibleDescription(), "Model");
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
            EXPECT_EQ(face->text(QAccessible::Name), "RZ-7400");
            const auto named = face->relations(QAccessible::Label);
            ASSERT_FALSE(named.isEmpty());
            EXPECT_EQ(named.first().first->text(QAccessible::Name), "Model:");
        }
        if (label->text() == dialog.CommentText()) {
            EXPECT_EQ(label->accessibleDescription(), "Comment");
        }
    }
    ExpectAccessibleNames(dialog);
}

TEST(Dialogs, NotesCloseWritesTheStartupFlagAndEscapeWritesNothing) {
    CMemorySettingsStore settings;
    {
        ui::CNotesDlg dialog(settings, nullptr);
        EXPECT_EQ(dialog.windowTitle(), "Notes");
        auto* startup = dialog.findChild<QCheckBox*>();
        EXPECT_EQ(startup->text(), "&Startup");
        EXPECT_TRUE(startup->isChecked()) << "no setting: shown at start-up";
        startup->setChecked(false);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_EQ(settings.GetInt("Tip", "StartUp", -1), -1);
        ExpectAccessibleNames(dialog);
        // The notes read as their text, under the panel's heading.
        bool found = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            if (!label->text().startsWith("- To enter cloning mode:")) continue;
            found = true;
            EXPECT_EQ(label->accessibleDescription(), "Notes");
            EXPECT_EQ(label->parentWidget()->accessibleName(), "Notes");
        }
        EXPECT_TRUE(found);
    }
    {
        ui::CNotesDlg dialog(settings, nullptr);
        dialog.findChild<QCheckBox*>()->setChecked(false);
        for (auto* button : dialog.findChildren<QPushButton*>()) {
            if (button->text() == "&Close") button->click();
        }
        EXPECT_EQ(settings.GetInt("Tip", "StartUp", -1), 1);
    }
    ui::CNotesDlg dialog(settings, nullptr);
    EXPECT_FALSE(dialog.findChild<QCheckBox*>()->isChecked());
    // The panel paints its heading picture and text on white, whatever covered it.
    dialog.show();
    const QImage painted = dialog.grab().toImage();
    EXPECT_EQ(painted.pixelColor(dialog.findChild<QFrame*>()->geometry().center()).lightness(),
              255);
}

TEST(Dialogs, InitialSetupShowsItsTextsAndLimitsTheCallSign) {
    CMemorySettingsStore settings;
    settings.SetInt("CommPort", "PortNumber", 3);
    settings.SetString("SetupInfo", "CallSign", "OK1XYZ   ");
    CMonotonicClock clock;
    RecordingTones tones;
    CCloneLink link(std::make_unique<CComPort>(), clock, tones);
    ScriptedUi cloneUi;
    CInitialSetup setup(link, settings, cloneUi);
    ui::CInitialSetupDlg dialog(setup, nullptr, [] { return std::vector<SerialDevice>{}; });
    EXPECT_EQ(dialog.windowTitle(), "QL-7400 Initial Setup");
    EXPECT_EQ(dialog.findChild<QComboBox*>()->currentText(), "COM3  (ttyS0, not present)");
    auto* callSign = dialog.findChild<QLineEdit*>();
    EXPECT_EQ(callSign->text(), "OK1XYZ");
    EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>()->toPlainText().startsWith(
        "Thank you for purchasing this Orva QL-7400 cloning software.\n\n"));
    dialog.show();
    callSign->clear();
    QTest::keyClicks(callSign, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(callSign->text(), "ABCDEFGHIJKLMNOPQRST");
    // The labels are the buddies of their fields.
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == "COM Port") {
            EXPECT_EQ(label->buddy(), dialog.findChild<QComboBox*>());
        }
        if (label->text() == "Call Sign") {
            EXPECT_EQ(label->buddy(), callSign);
        }
    }
    ExpectAccessibleNames(dialog);
    // Escape is Cancel: the call sign and port are kept, the setup is not done.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(settings.GetString("SetupInfo", "CallSign", ""), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(settings.GetInt("CommPort", "PortNumber", 0), 3);
    EXPECT_EQ(settings.GetInt("SetupInfo", "0000", 0), 0);
}

TEST(Dialogs, TheProgressDialogDisablesItsOwnerButAnswersEscapeItself) {
    QMainWindow owner;
    owner.show();
    {
        ui::CProgressDlg progress(&owner, "Cloning");
        EXPECT_EQ(progress.windowTitle(), "Cloning");
        EXPECT_FALSE(owner.isEnabled());
        EXPECT_TRUE(progress.isEnabled());
        EXPECT_TRUE(progress.isVisible());
        EXPECT_EQ(progress.parentWidget(), nullptr);
        EXPECT_EQ(progress.findChild<QProgressBar*>()->accessibleName(), "Progress");
        ExpectAccessibleNames(progress);

        progress.SetProgress(40);
        EXPECT_EQ(progress.Position(), 40);
        EXPECT_EQ(progress.PercentText(), "40%");
        progress.SetProgress(100);
        EXPECT_EQ(progress.PercentText(), "100%");

        EXPECT_FALSE(progress.CancelRequested());
        QTest::keyClick(&progress, Qt::Key_Escape);
        EXPECT_TRUE(progress.isVisible()) << "it stays until the exchange ends";
        EXPECT_TRUE(progress.CancelRequested());
        EXPECT_FALSE(progress.CancelRequested()) << "read once";
        progress.close();
        EXPECT_TRUE(progress.CancelRequested()) << "the close box cancels too";
    }
    EXPECT_TRUE(owner.isEnabled());

    // An owner that was disabled already stays so.
    owner.setEnabled(false);
    { ui::CProgressDlg progress(&owner, "Cloning"); }
    EXPECT_FALSE(owner.isEnabled());
}

// The exchange runs on another thread and hears of the cancel command through the signal,
// as the user gives it.
TEST(Dialogs, TheProgressDialogSignalsEachCancelCommand) {
    QMainWindow owner;
    owner.show();
    ui::CProgressDlg progress(&owner, "Cloning");
    int commands = 0;
    QObject::connect(&progress, &ui::CProgressDlg::CancelCommand, [&] { ++commands; });
    progress.SetProgress(30);
    EXPECT_EQ(commands, 0);
    QTest::keyClick(&progress, Qt::Key_Escape);
    EXPECT_EQ(commands, 1);
    progress.close();
    EXPECT_EQ(commands, 2) << "the close box too";
    EXPECT_TRUE(progress.isVisible());
}

TEST(Dialogs, GoToFindAndBulkEditAreNamedThroughout) {
    ui::CGoToChannelDlg goTo(nullptr);
    ExpectAccessibleNames(goTo);
    ui::CFindDlg find(QString(), nullptr);
    ExpectAccessibleNames(find);
    TestRadio radio;
    DirectDoc doc(radio.Data());
    ScriptedPrompts prompts;
    ui::CBulkEditDlg bulk(doc, Band::kVhf, {100, 106}, prompts, nullptr);
    for (QGroupBox* group : bulk.findChildren<QGroupBox*>()) group->setChecked(true);
    ExpectAccessibleNames(bulk);
}

TEST(Dialogs, ImportAndExportCsvAreNamedThroughout) {
    TestRadio radio;
    const auto query = [&radio](std::string_view command) { return radio(command); };
    ChannelImportOptions options;
    options.bands = BandChoice::kVhf;
    const std::string text = "Location,Frequency,Duplex\n5,145.500000,split\n6,145.600000,\n";
    const ChannelImportPlan atNumbers = PlanChannelImport(text, query, options);
    ASSERT_EQ(atNumbers.refused.size(), 1U);
    options.firstChannel = 40;
    const ChannelImportPlan atSelection = PlanChannelImport(text, query, options);
    ui::CImportCsvDlg import(QStringLiteral("Import CSV"), QStringLiteral("list.csv"), Band::kVhf,
                             atNumbers, &atSelection, 40, nullptr);
    ExpectAccessibleNames(import);
    ExpectLabelsReadAsTheirText(import);
    EXPECT_FALSE(import.AtSelection());
    ui::CExportCsvDlg exportCsv(Band::kUhf, 3, nullptr);
    ExpectAccessibleNames(exportCsv);
    EXPECT_EQ(exportCsv.Chosen(), ui::CExportCsvDlg::Choice::kSelected);
}

TEST(Prompts, MessageBoxesCarryTheTitleAndTheTextAsStored) {
    ui::CQtUserPrompts prompts;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModal([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(prompts.OkCancel(" Write to transceiver"), ui::CUserPrompts::Answer::kCancel);
    EXPECT_EQ(caption, "QL-7400");
    EXPECT_EQ(text, " Write to transceiver");

    WhenModal([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    prompts.Warning(ui::Text(5061));
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_TRUE(text.startsWith(" Check the following:\n\n - The RS-232C port settings.\n"))
        << text.toStdString();

    WhenModal([&](QWidget* widget) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        icon = box->icon();
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(prompts.YesNoCancel("Save changes to Untitled?"), ui::CUserPrompts::Answer::kNo);
    EXPECT_EQ(icon, QMessageBox::Question);
}

TEST(Prompts, TheDataFileFilterFindsBothLetterCases) {
    EXPECT_EQ(ui::CQtUserPrompts::BothCases("Data Files (*.ICF)"), "Data Files (*.ICF *.icf)");
    EXPECT_EQ(ui::CQtUserPrompts::BothCases("All (*)"), "All (*)");
}

TEST(StringTable, TextsAreKeptExactly) {
    EXPECT_EQ(ui::RawText(57344), "QL-7400");
    EXPECT_EQ(ui::RawText(5065), "      ");
    EXPECT_EQ(ui::RawText(5031), " Terminated cloning.  ");
    EXPECT_EQ(ui::TextPart(1108, 0), "Read From Transceiver");
    EXPECT_EQ(ui::TextPart(1108, 1), "Clone in");
    EXPECT_EQ(ui::TextPart(ui::sid::kDocTemplate, 3), "Data Files (*.ICF)");
    EXPECT_EQ(ui::TextPart(ui::sid::kDocTemplate, 4), ".icf");
    EXPECT_EQ(ui::RawText(110).substr(0, 25), "- To enter cloning mode:\n");
    EXPECT_TRUE(ui::RawText(5062).ends_with("start the initial setup.\r\n\r\n"));
    EXPECT_EQ(ui::MenuText(1112), "Insert");
    EXPECT_TRUE(ui::RawText(99999).empty());
    EXPECT_EQ(ui::WithoutMnemonic("&Read <- TR"), "Read <- TR");
    EXPECT_EQ(ui::WithoutMnemonic("&New\tCtrl+N"), "New");
    EXPECT_EQ(ui::WithoutMnemonic("A && B"), "A & B");
}

}  // namespace
}  // namespace ql::test
