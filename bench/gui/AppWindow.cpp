// The application's start-up as the program runs it (settings, document, main window,
// call sign), reporting when the main window is shown.

#include "WindowProbe.h"
#include "app/CMainFrame.h"
#include "app/CQL7400App.h"
#include "clone/CComPort.h"
#include "clone/CTonePlayer.h"
#include "desktop/CQtSettingsStore.h"
#include "ui/CQtUserPrompts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    ql::CQtSettingsStore settings;
    ql::ui::CQtUserPrompts prompts;
    ql::CSilentTones tones;
    ql::CQL7400App app({settings, prompts, tones, [] { return std::make_unique<ql::CComPort>(); },
                        ql::CInstanceGuard::DefaultLockPath(), ql::ui::SystemDeviceLister()});
    if (!app.InitInstance({})) return 1;
    ql::bench::ReportShownAndIdle();
    app.ExitInstance();
    return 0;
}
