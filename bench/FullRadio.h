#pragma once

// What the benchmarks measure against: a radio data object on USA-A with all 198 memory
// channels in use and named, and the one application object of a run for those that need
// widgets.

#include <stdlib.h>

#include <QApplication>
#include <memory>
#include <string>
#include <string_view>

#include "model/C7400RadioData.h"
#include "support/CMemorySettingsStore.h"
#include "support/FullDataSet.h"

namespace ql::bench {

class FullRadio {
  public:
    FullRadio() {
        radio_.Reset();
        test::FillAllMemoryChannels(radio_, "\tTONE_SELECTION=TONE\tDUPLEX_SELECTION=Dup-");
        radio_.Command("HEAL");
    }
    C7400RadioData& operator*() { return radio_; }
    C7400RadioData* operator->() { return &radio_; }
    // The object's answers to command texts, as the interchange's queries take them.
    [[nodiscard]] auto Query() {
        return [this](std::string_view command) { return radio_.Command(command); };
    }

  private:
    CMemorySettingsStore settings_;
    C7400RadioData radio_{settings_};
};

// The application object, made on the offscreen platform when a benchmark first needs it.
inline QApplication& Application() {
    static int argc = 1;
    static char name[] = "ql7400-bench";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QApplication> application = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return std::make_unique<QApplication>(argc, argv);
    }();
    return *application;
}

}  // namespace ql::bench
