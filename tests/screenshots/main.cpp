// Renders the main window, each dialog and the progress dialog to PNG files on the offscreen
// platform, for a person to look at: ql7400-screenshots OUTPUT_FOLDER.

#include <stdlib.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <array>
#include <iostream>
#include <string>
#include <vector>

#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "clone/CComPort.h"
#include "clone/CTonePlayer.h"
#include "desktop/CQtSettingsStore.h"
#include "document/CInitialSetup.h"
#include "document/ChannelImport.h"
#include "support/FullDataSet.h"
#include "ui/CAboutDlg.h"
#include "ui/CBulkEditDlg.h"
#include "ui/CCommandTarget.h"
#include "ui/CDtmfAutodialDlg.h"
#include "ui/CEditMemoryDlg.h"
#include "ui/CFindDlg.h"
#include "ui/CFixedFontPropertySheet.h"
#include "ui/CGoToChannelDlg.h"
#include "ui/CImportCsvDlg.h"
#include "ui/CInformationDlg.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CNotesDlg.h"
#include "ui/CPortSettingsDlg.h"
#include "ui/CProgressDlg.h"
#include "ui/CPropertyPageC31.h"
#include "ui/CPropertyPageC32.h"
#include "ui/CPropertyPageC33.h"
#include "ui/CQL7400View.h"
#include "ui/CQtUserPrompts.h"
#include "ui/CUserAction.h"
#include "ui/ChannelListReport.h"
#include "ui/QtChild.h"
#include "ui/StepNames.h"
#include "ui/StringTable.h"

namespace {

class NoCommands final : public ql::ui::CCommandTarget {
  public:
    bool IsEnabled(int /*command*/) override { return false; }
    void Execute(int /*command*/) override {}
};

// Two adapters as a desk with a clone cable and a second USB serial adapter has them.
std::vector<ql::SerialDevice> ExampleDevices() {
    ql::SerialDevice ftdi;
    ftdi.name = "ttyUSB0";
    ftdi.path = "/dev/ttyUSB0";
    ftdi.byId = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A9XYZ123-if00-port0";
    ftdi.driver = "ftdi_sio";
    ftdi.vendorId = "0403";
    ftdi.productId = "6001";
    ftdi.manufacturer = "FTDI";
    ftdi.product = "FT232R USB UART";
    ql::SerialDevice cp210x;
    cp210x.name = "ttyUSB1";
    cp210x.path = "/dev/ttyUSB1";
    cp210x.byId = "/dev/serial/by-id/usb-Silicon_Labs_CP2102_USB_to_UART_0001-if00-port0";
    cp210x.driver = "cp210x";
    cp210x.vendorId = "10c4";
    cp210x.productId = "ea60";
    cp210x.product = "CP2102 USB to UART Bridge Controller";
    return {ftdi, cp210x};
}

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::cout << (saved ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    widget.hide();
    return saved;
}

// A full data set with some of everything a row can show.
void FillDataSet(ql::CQL7400Doc& doc) {
    ql::test::FillAllMemoryChannels(doc.RadioData(), "\tTUNING_STEP_SELECTION=20k");
    const std::vector<std::string> variety = {
        "CH.MCH_144.2.ALL=DUPLEX_SELECTION=Dup-\tREPEATER_FREQUENCY=0.6000\t"
        "TONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=123.0",
        "CH.MCH_144.3.ALL=TONE_SELECTION=TSQL\tTSQL_FREQUENCY=100.0\tSKIP=SKIP",
        "CH.MCH_144.4.ALL=SKIP=PROGRAM_SKIP\tDUPLEX_SELECTION=Dup+",
        "CH.MCH_144.5.FREQUENCY=435.0000",
        "CH.MCH_144.6.APPEAR=OFF",
        "CH.MCH_430.2.ALL=DUPLEX_SELECTION=Dup+\tREPEATER_FREQUENCY=5.0000\t"
        "TONE_SELECTION=TONE\tREPEATER_TONE_FREQUENCY=88.5",
        "CH.MCH_430.6.APPEAR=OFF",
        "CH.CALL_144.NAME=CALL",
        "HEAL"};
    doc.Apply(variety);
    doc.SetModifiedFlag(false);
}

// The list of each band with a full data set, with the focus, and the Edit Memory dialog of
// a blank channel, a memory channel, an edge and the call channel.
// The window as it is on screen, without showing it again.
bool SaveGrab(QWidget& window, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = window.grab().save(path);
    std::cout << (saved ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    return saved;
}

bool SaveChannelList(ql::CQL7400Doc& doc, ql::CMainFrame& frame, ql::ui::CQL7400View& view,
                     const QDir& folder) {
    FillDataSet(doc);
    bool ok = true;
    frame.show();
    frame.activateWindow();
    view.setFocus();
    for (const int band : {ql::ui::cmd::kVhfMemory, ql::ui::cmd::kUhfMemory}) {
        frame.Execute(band);
        view.SelectChannel(3);
        QApplication::processEvents();
        const QString name = band == ql::ui::cmd::kVhfMemory ? QStringLiteral("list-vhf")
                                                             : QStringLiteral("list-uhf");
        ok &= SaveGrab(frame, folder, name);
    }
    frame.Execute(ql::ui::cmd::kVhfMemory);
    frame.Execute(ql::ui::cmd::kHideEmpty);
    QApplication::processEvents();
    ok &= SaveGrab(frame, folder, QStringLiteral("list-hide-empty"));
    frame.Execute(ql::ui::cmd::kHideEmpty);

    // The Edit menu after an Edit Memory OK names the step Undo takes back.
    {
        const ql::ui::CUserAction action(doc, ql::ui::EditMemoryStepName(ql::Band::kVhf, 12));
        doc.Apply("CH.MCH_144.12.ALL=APPEAR=ON\tFREQUENCY=145.6000\tNAME=REPEATER");
    }
    for (QAction* menuAction : frame.menuBar()->actions()) {
        if (menuAction->text() != ql::ui::Text(ql::ui::sid::kEditMenu)) continue;
        frame.UpdateCommandUi();
        menuAction->menu()->popup(frame.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        ok &= Save(*menuAction->menu(), folder, QStringLiteral("menu-edit-undo"));
    }
    const std::array<std::pair<unsigned, const char*>, 4> dialogs = {{{6, "edit-memory-blank"},
                                                                      {2, "edit-memory-channel"},
                                                                      {100, "edit-memory-edge"},
                                                                      {106, "edit-memory-call"}}};
    for (const auto& [channel, name] : dialogs) {
        ql::ui::CEditMemoryDlg dialog(doc, ql::Band::kVhf, channel, &frame);
        ok &= Save(dialog, folder, QString::fromLatin1(name));
    }

    // Bulk Edit over channels 1-8 with two values checked, Go to with an unknown text
    // refused, and Find with a frequency.
    {
        ql::ui::CQtUserPrompts prompts;
        ql::ui::CBulkEditDlg bulk(doc, ql::Band::kVhf, {1, 2, 3, 4, 5, 6, 7, 8}, prompts, &frame);
        bulk.Group(ql::ui::ChannelField::kDuplex)->setChecked(true);
        bulk.Group(ql::ui::ChannelField::kSquelchTone)->setChecked(true);
        ok &= Save(bulk, folder, QStringLiteral("bulk-edit"));
    }
    ql::ui::CGoToChannelDlg goTo(&frame);
    goTo.Field()->setText(QStringLiteral("4A"));
    goTo.show();
    goTo.accept();
    ok &= Save(goTo, folder, QStringLiteral("go-to-channel"));
    ql::ui::CFindDlg find(QStringLiteral("145.5"), &frame);
    ok &= Save(find, folder, QStringLiteral("find"));
    frame.hide();
    return ok;
}

// The printed channel list of the data set on screen: the print preview, fitted to its width
// and showing all pages, and the PDF file itself.
bool SavePrintPreview(ql::CQL7400Doc& doc, QWidget& frame, const QDir& folder) {
    const ql::ui::CChannelListReport report(doc, QStringLiteral("car.icf"), QDate(2024, 5, 1));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintPreviewDialog preview(&printer, &frame);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&report](QPrinter* target) { report.Print(*target); });
    preview.resize(900, 1000);
    auto* pages = preview.findChild<QPrintPreviewWidget*>();
    bool ok = true;
    if (pages != nullptr) {
        pages->setZoomMode(QPrintPreviewWidget::FitToWidth);
        ok &= Save(preview, folder, QStringLiteral("print-preview"));
        pages->setViewMode(QPrintPreviewWidget::AllPagesView);
        ok &= Save(preview, folder, QStringLiteral("print-preview-pages"));
    } else {
        std::cout << "FAILED print preview: no preview widget\n";
        ok = false;
    }
    QFile pdf(folder.filePath(QStringLiteral("channel-list.pdf")));
    const QByteArray bytes = report.Pdf();
    const bool written =
        !bytes.isEmpty() && pdf.open(QIODevice::WriteOnly) && pdf.write(bytes) == bytes.size();
    std::cout << (written ? "wrote " : "FAILED ") << pdf.fileName().toStdString() << '\n';
    return ok && written;
}

}  // namespace

int main(int argc, char* argv[]) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QTemporaryDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        std::cerr << "usage: ql7400-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) return 3;

    ql::CQtSettingsStore settings;
    settings.SetString("SetupInfo", "CallSign", "OK2AA");
    ql::ui::CQtUserPrompts prompts;
    ql::CSilentTones tones;
    bool ok = true;
    {
        ql::CQL7400Doc doc(settings, prompts, tones, std::make_unique<ql::CComPort>());
        doc.SetDeviceLister(ExampleDevices);
        NoCommands commands;
        ql::CMainFrame frame(doc, commands, settings);
        auto* view = ql::ui::MakeChild<ql::ui::CQL7400View>(doc, settings, prompts, &frame);
        frame.SetView(view);
        frame.SetCallSign(QStringLiteral("OK2AA"));
        frame.SetMessageText(ql::ui::Text(5026));
        ok &= Save(frame, folder, QStringLiteral("main-window"));

        frame.show();
        for (QAction* menuAction : frame.menuBar()->actions()) {
            QMenu* menu = menuAction->menu();
            frame.UpdateCommandUi();
            menu->popup(frame.mapToGlobal(QPoint(0, 0)));
            QApplication::processEvents();
            const QString name = ql::ui::WithoutMnemonic(menuAction->text()).toLower().remove(' ');
            ok &= Save(*menu, folder, QStringLiteral("menu-") + name);
        }

        ok &= SaveChannelList(doc, frame, *view, folder);

        ql::ui::CProgressDlg progress(&frame, ql::ui::Text(ql::ui::sid::kCloning));
        progress.SetProgress(40);
        ok &= Save(progress, folder, QStringLiteral("progress"));

        ql::ui::CAboutDlg about(&frame);
        ok &= Save(about, folder, QStringLiteral("about"));
        ql::ui::CInformationDlg information(QStringLiteral("RZ-7400"),
                                            QStringLiteral("Shack 2 m/70 cm "), &frame);
        ok &= Save(information, folder, QStringLiteral("information"));
        ql::ui::CNotesDlg notes(settings, &frame);
        ok &= Save(notes, folder, QStringLiteral("notes"));
        ql::CInitialSetup setup(doc.Link(), settings, doc.CloneUi());
        ql::ui::CInitialSetupDlg initial(setup, nullptr, ExampleDevices);
        ok &= Save(initial, folder, QStringLiteral("initial-setup"));

        // The settings sheet, each page and each display-type picture, and the DTMF dialog.
        ql::ui::CRadioCommands& radio = doc;
        doc.Apply(std::vector<std::string>{
            "DTMF.0=0123456789ABCDEF", "DTMF.3=5551234", "DTMF.10=*21#", "COMMON.DTMF_CH_NO=3",
            "COMMON.OPENING_TEXT=OK2AA", "COMMON.CLONE_COMMENT=Shack"});
        {
            ql::ui::CFixedFontPropertySheet sheet(ql::ui::Text(ql::ui::sid::kSettingCaption),
                                                  &frame);
            sheet.AddPage(std::make_unique<ql::ui::CPropertyPageC31>(radio));
            sheet.AddPage(std::make_unique<ql::ui::CPropertyPageC32>(radio));
            sheet.AddPage(std::make_unique<ql::ui::CPropertyPageC33>(radio));
            ok &= Save(sheet, folder, QStringLiteral("setting-common"));
            sheet.Tabs()->setCurrentIndex(1);
            ok &= Save(sheet, folder, QStringLiteral("setting-display"));
            auto* type = sheet.Tabs()->widget(1)->findChild<QComboBox*>();
            for (int i = 0; i < type->count(); ++i) {
                type->setCurrentIndex(i);
                ok &= Save(sheet, folder, QStringLiteral("setting-display-type-%1").arg(i + 1));
            }
            sheet.Tabs()->setCurrentIndex(2);
            ok &= Save(sheet, folder, QStringLiteral("setting-mic-option"));
        }
        ql::ui::CDtmfAutodialDlg dtmf(radio, &frame);
        ok &= Save(dtmf, folder, QStringLiteral("dtmf-autodial"));
        ok &= SavePrintPreview(doc, frame, folder);

        QMessageBox box(QMessageBox::Warning, ql::ui::Text(ql::ui::sid::kAppTitle),
                        ql::ui::Text(5061).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                        QMessageBox::Ok, &frame);
        ok &= Save(box, folder, QStringLiteral("message-box"));
        // A failure box with the likely cause below its text.
        box.setInformativeText(QStringLiteral(
            "/dev/ttyUSB0: only the echo of what was sent came back: the transceiver is not in "
            "cloning mode (hold the microphone [UP] switch and the 4th switch above the left "
            "indicator on the controller while pushing [POWER])"));
        ok &= Save(box, folder, QStringLiteral("message-box-cause"));

        ql::ui::CPortSettingsDlg portSettings(settings, 1, ExampleDevices, &frame);
        portSettings.DeviceTable()->setCurrentItem(portSettings.DeviceTable()->topLevelItem(0));
        ok &= Save(portSettings, folder, QStringLiteral("port-settings"));

        // An import with rows the radio cannot take, listed before anything changes.
        const std::string repeaters =
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,Mode,TStep\r\n"
            "10,HILLTOP,145.650000,-,0.600000,Tone,88.5,88.5,FM,12.50\r\n"
            "11,SPLIT,145.700000,split,146.000000,,88.5,88.5,FM,12.50\r\n"
            "12,TOWN,145.725000,,0.000000,TSQL,88.5,69.3,FM,12.50\r\n"
            "13,SSB,144.300000,,0.000000,,88.5,88.5,USB,1.00\r\n"
            "14,FAR,439.000000,,0.000000,,88.5,88.5,FM,12.50\r\n";
        ql::ChannelImportOptions options;
        options.bands = ql::BandChoice::kVhf;
        const auto query = [&doc](std::string_view command) { return doc.Query(command); };
        const ql::ChannelImportPlan atNumbers = ql::PlanChannelImport(repeaters, query, options);
        options.firstChannel = 40;
        const ql::ChannelImportPlan atSelection = ql::PlanChannelImport(repeaters, query, options);
        ql::ui::CImportCsvDlg import(ql::ui::Text(ql::ui::sid::kImportTitle),
                                     QStringLiteral("repeaters.csv"), ql::Band::kVhf, atNumbers,
                                     &atSelection, 40, &frame);
        ok &= Save(import, folder, QStringLiteral("import-csv"));
        frame.hide();
    }
    return ok ? 0 : 1;
}
