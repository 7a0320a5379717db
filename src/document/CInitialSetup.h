#pragma once

#include <string>
#include <string_view>

#include "clone/CloneResult.h"

namespace ql {

class CCloneLink;
class CCloneUi;
class CSettingsStore;

// What the user chose in the setup: the port number 1 to 4 and the call sign. device, when
// not empty, is a device path to open instead of the numbered port's device (the command
// line's --port /dev/..., the adapter a first start proposes); the port number is stored
// either way, and the device as the port's own when storeDevice is set.
struct SetupChoice {
    unsigned port = 1;
    std::string callSign;
    std::string device;
    bool storeDevice = false;
};

// How OK or Cancel ended: the exchange's result (completed for Cancel) and, when the settings
// could not be stored, the cause naming the settings file (empty when they were stored).
struct SetupOutcome {
    CloneResult result = CloneResult::kCompleted;
    std::string storeFailure;
};

// The initial setup without its dialog: OK reads the transceiver's identification and
// keeps its version and expansion in the settings; OK and Cancel both keep the call sign
// and the port number.
class CInitialSetup {
  public:
    // The call sign field takes at most this many characters.
    static constexpr std::size_t kCallSignLength = 20;

    CInitialSetup(CCloneLink& link, CSettingsStore& settings, CCloneUi& ui);

    // The stored port number and call sign (without its trailing blanks), as the dialog
    // shows them at first.
    [[nodiscard]] unsigned StoredPort() const;
    // The settings the setup reads and stores (the port devices for the port list).
    [[nodiscard]] const CSettingsStore& Settings() const { return settings_; }
    [[nodiscard]] std::string StoredCallSign() const;

    // OK: reads the identification on the chosen port. On success the setup is complete; on
    // failure the user was told and may try again or cancel.
    [[nodiscard]] SetupOutcome Ok(const SetupChoice& choice);
    [[nodiscard]] SetupOutcome Cancel(const SetupChoice& choice);

  private:
    // Writes the settings and flushes them; the failure's text, or empty.
    std::string Store(bool success, const SetupChoice& choice);

    CCloneLink& link_;
    CSettingsStore& settings_;
    CCloneUi& ui_;
};

}  // namespace ql
