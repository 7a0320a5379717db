#pragma once

#include <string>
#include <string_view>

#include "clone/CloneResult.h"

namespace ql {

class CCloneLink;
class CCloneUi;
class CSettingsStore;

// The initial setup without its dialog: OK reads the transceiver's identification and
// keeps its version and expansion in the settings; OK and Cancel both keep the call sign
// and the port number.
class CInitialSetup {
  public:
    // The call sign field takes at most this many characters.
    static constexpr std::size_t kCallSignLength = 20;

    // Gives the link the stored port number.
    CInitialSetup(CCloneLink& link, CSettingsStore& settings, CCloneUi& ui);

    // The stored call sign without its trailing blanks, as the field shows it.
    [[nodiscard]] std::string StoredCallSign() const;

    // OK, with the link set to the chosen port. Returns the result code; on success the
    // setup is complete, on failure the user was told and may try again or cancel.
    [[nodiscard]] CloneResult Ok(std::string_view callSign);
    void Cancel(std::string_view callSign);

  private:
    void Store(bool success, std::string_view callSign);

    CCloneLink& link_;
    CSettingsStore& settings_;
    CCloneUi& ui_;
};

}  // namespace ql
