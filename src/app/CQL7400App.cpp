#include "app/CQL7400App.h"

#include <QApplication>
#include <QPointer>

#include "app/CHelpLauncher.h"
#include "app/CMainFrame.h"
#include "app/CQL7400Doc.h"
#include "app/CQtCloneUi.h"
#include "app/CSetupCmdLineInfo.h"
#include "base/CommandTrace.h"
#include "clone/CClock.h"
#include "clone/CCloneLink.h"
#include "clone/CSerialLine.h"
#include "document/CInitialSetup.h"
#include "model/CSettingsStore.h"
#include "ui/CAboutDlg.h"
#include "ui/CInitialSetupDlg.h"
#include "ui/CNotesDlg.h"
#include "ui/CQL7400View.h"
#include "ui/CUserPrompts.h"
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
    // 1, 2: one copy per user; a second one ends silently.
    if (!guard_.Acquire()) return false;

    const CSetupCmdLineInfo commandLine = CSetupCmdLineInfo::Parse(arguments);
    CSettingsStore& settings = services_.settings;
    if (settings.GetInt("SetupInfo", "0000", 0) == 0 || commandLine.setupRequested) {
        RunInitialSetup();
    }

    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        doc_ = std::make_unique<CQL7400Doc>(settings, services_.prompts, services_.tones,
                                            services_.makeLine());
        const QString tracePath = qEnvironmentVariable(kTraceVariable.data());
        if (!tracePath.isEmpty()) {
            trace_ = std::make_unique<CCommandTrace>(tracePath.toStdString());
            if (!trace_->IsOpen())
                qWarning("ql7400: no command trace: %s", trace_->Failure().c_str());
            doc_->RadioData().SetCommandObserver(
                [trace = trace_.get()](std::string_view command, std::string_view answer) {
                    trace->Record(command, answer);
                });
        }
        frame_ = std::make_unique<CMainFrame>(*doc_, *this, settings);
        auto* view =
            ui::MakeChild<ui::CQL7400View>(*doc_, settings, services_.prompts, frame_.get());
        view->SetActionLookup([frame = frame_.get()](int id) { return frame->Action(id); });
        connect(view, &ui::CQL7400View::CommandStateChanged, frame_.get(),
                &CMainFrame::UpdateCommandUi);
        frame_->SetView(view);
        QApplication::restoreOverrideCursor();
    }
    if (!commandLine.fileName.isEmpty() && !doc_->OpenDocumentFile(commandLine.fileName)) {
        failureStatus_ = kOpenFailedStatus;
        ExitInstance();
        return false;
    }

    frame_->ShowPlaced();
    frame_->repaint();
    frame_->SetCallSign(QString::fromStdString(settings.GetString("SetupInfo", "CallSign", "")));

    if (ui::CNotesDlg::ShowAtStartup(settings)) OnNotes();
    return true;
}

void CQL7400App::RunInitialSetup() {
    CMonotonicClock clock;
    CCloneLink link(services_.makeLine(), clock, services_.tones);
    CQtCloneUi cloneUi(services_.prompts);
    services_.prompts.SetOwner(nullptr);
    CInitialSetup setup(link, services_.settings, cloneUi);
    ui::CInitialSetupDlg dialog(setup, nullptr);
    dialog.exec();
}

void CQL7400App::ExitInstance() {
    if (trace_ && doc_) doc_->RadioData().SetCommandObserver({});
    frame_.reset();
    doc_.reset();
    trace_.reset();
    guard_.Release();
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
    if (!CHelpLauncher::Open()) services_.prompts.Warning(ui::Text(ui::sid::kHelpMissing));
}

}  // namespace ql
