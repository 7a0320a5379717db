// Renders the main window, each dialog and the progress dialog to PNG files on the offscreen
// platform, for a person to look at: ql7400-screenshots OUTPUT_FOLDER.

#include <stdlib.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <iostream>

#include "app/CAppCommands.h"
#include "app/CDocRadioCommands.h"
#include "app/CMainFrame.h"
#include "app/CPlaceholderView.h"
#include "app/CQL7400Doc.h"
#include "app/CQtSettingsStore.h"
#include "clone/CComPort.h"
#include "clone/CInitialSetup.h"
#include "clone/CTonePlayer.h"
#include "ui/CAboutDlg.h"
#include "ui/CDtmfAutodialDlg.h"
#include "ui/CFixedFontPropertySheet.h"
#include "ui/CInformationDlg.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CNotesDlg.h"
#include "ui/CProgressDlg.h"
#include "ui/CPropertyPageC31.h"
#include "ui/CPropertyPageC32.h"
#include "ui/CPropertyPageC33.h"
#include "ui/CQtUserPrompts.h"
#include "ui/QtChild.h"
#include "ui/SettingsStrings.h"
#include "ui/StringTable.h"

namespace {

class NoCommands final : public ql::CAppCommands {
  public:
    void OnAppAbout() override {}
    void OnNotes() override {}
    void OnHelp() override {}
};

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    std::cout << (saved ? "wrote " : "FAILED ") << path.toStdString() << '\n';
    widget.hide();
    return saved;
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
        NoCommands commands;
        ql::CMainFrame frame(doc, commands, settings);
        frame.SetView(ql::ui::MakeChild<ql::CPlaceholderView>(doc, &frame));
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
        ql::ui::CInitialSetupDlg initial(setup, doc.Link(), settings, nullptr);
        ok &= Save(initial, folder, QStringLiteral("initial-setup"));

        // The settings sheet, each page and each display-type picture, and the DTMF dialog.
        ql::CDocRadioCommands radio(doc);
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

        QMessageBox box(QMessageBox::Warning, ql::ui::Text(ql::ui::sid::kAppTitle),
                        ql::ui::Text(5061).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                        QMessageBox::Ok, &frame);
        ok &= Save(box, folder, QStringLiteral("message-box"));
        frame.hide();
    }
    return ok ? 0 : 1;
}
