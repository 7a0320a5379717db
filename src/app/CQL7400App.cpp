#include "app/CQL7400App.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <iostream>

#include "app/CHelpLauncher.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "app/CQtCloneUi.h"
#include "app/CSetupCmdLineInfo.h"
#include "base/CommandTrace.h"
#include "clone/CSerialLine.h"
#include "desktop/CommandTraceSetup.h"
#include "desktop/QtText.h"
#include "document/CCloneStation.h"
#include "document/CInitialSetup.h"
#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"
#include "ui/CAboutDlg.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CNotesDlg.h"
#include "ui/CQL7400View.h"
#include "ui/CUserPrompts.h"
#include "ui/CWaitCursor.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql {

namespace {
constexpr int kOpenFailedStatus = 1;
}  // namespace

CQL7400App::CQL7400App(Services services)
    : services_(std::move(services)), guard_(services_.lockPath) {}

CQL7400App::~CQL7400App() {
    ExitInstance();
}

bool CQL7400App::InitInstance(const QStringList& arguments) {
    // One copy per user; a second one ends silently.
    if (!guard_.Acquire()) return false;

    const CSetupCmdLineInfo commandLine = CSetupCmdLineInfo::Parse(arguments);
    CSettingsStore& settings = services_.settings;
    if (settings.GetInt(settings::kSetupInfo, settings::kSetupDone, 0) == 0 ||
        commandLine.setupRequested) {
        RunInitialSetup();
    }

    {
        const ui::CWaitCursor busy;
        doc_ = std::make_unique<CQL7400Doc>(settings, services_.prompts, services_.tones,
                                            services_.makeLine());
        doc_->SetDeviceLister(services_.listDevices);
        trace_ = std::make_unique<CCommandTrace>(OpenTraceFromEnvironment(std::cerr, "ql7400"));
        TraceCommands(doc_->RadioData(), *trace_);
        frame_ = std::make_unique<CMainFrame>(*doc_, *this, settings);
        frame_->SetView(
            ui::MakeChild<ui::CQL7400View>(*doc_, settings, services_.prompts, frame_.get()));
    }
    if (!commandLine.fileName.isEmpty() && !doc_->OpenDocumentFile(commandLine.fileName)) {
        failureStatus_ = kOpenFailedStatus;
        ExitInstance();
        return false;
    }

    frame_->ShowPlaced();
    frame_->repaint();
    frame_->SetCallSign(
        ToQString(settings.GetString(settings::kSetupInfo, settings::kCallSign, "")));

    if (ui::CNotesDlg::ShowAtStartup(settings)) OnNotes();
    return true;
}

void CQL7400App::RunInitialSetup() {
    CCloneStation station(services_.makeLine(), services_.tones);
    CQtCloneUi cloneUi(services_.prompts);
    services_.prompts.SetOwner(nullptr);
    CInitialSetup setup(station.Link(), services_.settings, cloneUi);
    ui::CInitialSetupDlg dialog(setup, nullptr, services_.listDevices);
    dialog.exec();
}

void CQL7400App::ExitInstance() {
    if (doc_) {
        doc_->StorePort();
        if (trace_) doc_->RadioData().SetCommandObserver({});
    }
    frame_.reset();
    doc_.reset();
    trace_.reset();
    guard_.Release();
}

bool CQL7400App::IsEnabled(int command) {
    return command == ui::cmd::kExit || command == ui::cmd::kAbout || command == ui::cmd::kNotes ||
           command == ui::cmd::kContents || command == ui::cmd::kHelpTopics;
}

void CQL7400App::Execute(int command) {
    switch (command) {
        case ui::cmd::kExit:
            if (frame_) frame_->close();
            break;
        case ui::cmd::kAbout:
            OnAppAbout();
            break;
        case ui::cmd::kNotes:
            OnNotes();
            break;
        case ui::cmd::kContents:
        case ui::cmd::kHelpTopics:
            OnHelp();
            break;
        default:
            break;
    }
}

void CQL7400App::OnAppAbout() {
    ui::CAboutDlg dialog(frame_.get());
    dialog.exec();
}

void CQL7400App::OnNotes() {
    ui::CNotesDlg dialog(services_.settings, frame_.get());
    dialog.exec();
}

void CQL7400App::OnHelp() {
    switch (CHelpLauncher::Open()) {
        case CHelpLauncher::Outcome::kOpened:
            break;
        case CHelpLauncher::Outcome::kMissing:
            services_.prompts.Warning(ui::Text(ui::sid::kHelpMissing));
            break;
        case CHelpLauncher::Outcome::kNoViewer:
            services_.prompts.Warning(
                ui::Text(ui::sid::kHelpNoViewer)
                    .arg(QDir::toNativeSeparators(CHelpLauncher::ManualPath())));
            break;
    }
}

}  // namespace ql
