// ql7400: the desktop application.

#include <QApplication>
#include <iostream>
#include <string>

#include "app/CQL7400App.h"
#include "clone/CComPort.h"
#include "desktop/CAlsaTonePlayer.h"
#include "desktop/CQtSettingsStore.h"
#include "ui/CQtUserPrompts.h"
#include "ui/Pictures.h"
#include "ui/StringTable.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(ql::ui::Text(ql::ui::sid::kAppTitle));
    QApplication::setWindowIcon(ql::ui::SvgIcon(QString::fromLatin1(ql::ui::picture::kAppIcon)));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orva.QL7400"));

    ql::CQtSettingsStore settings;
    ql::ui::CQtUserPrompts prompts;
    ql::CAlsaTonePlayer tones;
    ql::CQL7400App app({settings, prompts, tones, [] { return std::make_unique<ql::CComPort>(); },
                        ql::CInstanceGuard::DefaultLockPath(), ql::ui::SystemDeviceLister()});
    if (!app.InitInstance(QApplication::arguments().mid(1))) return app.FailureStatus();
    const int status = QApplication::exec();
    app.ExitInstance();
    // Placement, toolbar, port and recent files reach the settings file here; a failure is
    // named, though the session's work is done.
    if (std::string error; !settings.Flush(error)) {
        std::cerr << "ql7400: the settings could not be stored: " << error << '\n';
    }
    return status;
}
