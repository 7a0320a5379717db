#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

#include "app/CInstanceGuard.h"
#include "ui/CCommandTarget.h"
#include "ui/PortEntryText.h"

namespace ql {

class CCommandTrace;
class CMainFrame;
class CQL7400Doc;
class CSerialLine;
class CSettingsStore;
class CTonePlayer;

namespace ui {
class CUserPrompts;
}

// The application object: start-up (single-instance guard, command line, initial setup,
// document and main window, call sign, Notes) and the application's own commands (Exit,
// About, Notes, the manual).
class CQL7400App final : public QObject, public ui::CCommandTarget {
    Q_OBJECT
  public:
    using LineFactory = std::function<std::unique_ptr<CSerialLine>()>;

    struct Services {
        CSettingsStore& settings;
        ui::CUserPrompts& prompts;
        CTonePlayer& tones;
        LineFactory makeLine;  // the serial line of a clone link
        QString lockPath;      // the single-instance lock
        // What finds the serial devices for the port lists.
        ui::DeviceLister listDevices = ui::SystemDeviceLister();
    };

    explicit CQL7400App(Services services);
    ~CQL7400App() override;
    CQL7400App(const CQL7400App&) = delete;
    CQL7400App& operator=(const CQL7400App&) = delete;

    // The start-up sequence; false when the application is to end at once (another copy
    // runs: silently; the file named on the command line was refused).
    bool InitInstance(const QStringList& arguments);
    // Closes the document and releases the single-instance lock.
    void ExitInstance();

    // The exit status when InitInstance returned false.
    [[nodiscard]] int FailureStatus() const { return failureStatus_; }

    [[nodiscard]] CQL7400Doc* Document() const { return doc_.get(); }
    [[nodiscard]] CMainFrame* MainFrame() const { return frame_.get(); }

    [[nodiscard]] bool IsEnabled(int command) override;
    void Execute(int command) override;

    void OnAppAbout();
    void OnNotes();
    // "&Contents" and "&Help Topics": the user manual.
    void OnHelp();

  private:
    void RunInitialSetup();

    Services services_;
    CInstanceGuard guard_;
    std::unique_ptr<CQL7400Doc> doc_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CCommandTrace> trace_;
    int failureStatus_ = 0;
};

}  // namespace ql
