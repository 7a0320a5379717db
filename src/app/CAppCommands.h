#pragma once

namespace ql {

// The commands that the application object handles for the main frame.
class CAppCommands {
  public:
    CAppCommands() = default;
    CAppCommands(const CAppCommands&) = delete;
    CAppCommands& operator=(const CAppCommands&) = delete;
    virtual ~CAppCommands() = default;

    virtual void OnAppAbout() = 0;
    virtual void OnNotes() = 0;
    // "&Contents" and "&Help Topics": the user manual.
    virtual void OnHelp() = 0;
};

}  // namespace ql
