#pragma once

// What the benchmarks measure against: a radio data object on USA-A with all 198 memory
// channels in use and named, the one application object of a run for those that need
// widgets, and the channel list showing such a data set.

#include <stdlib.h>

#include <QApplication>
#include <memory>
#include <string>
#include <string_view>

#include "model/C7400RadioData.h"
#include "support/CMemorySettingsStore.h"
#include "support/FullDataSet.h"
#include "ui/CQL7400View.h"
#include "ui/CQtUserPrompts.h"

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

// The channel list of the main window's default size over a full data set, talking to it
// through Doc (the document's part the list uses), made from the data object.
template <typename Doc>
class ShownList {
  public:
    ShownList() : doc_(*radio_) {
        Application();
        view_ = std::make_unique<ui::CQL7400View>(doc_, settings_, prompts_, nullptr);
        view_->resize(620, 300);
        view_->show();
        view_->setFocus();
        QApplication::processEvents();
    }

    ui::CQL7400View& operator*() { return *view_; }
    ui::CQL7400View* operator->() { return view_.get(); }
    Doc& Document() { return doc_; }

  private:
    FullRadio radio_;
    Doc doc_;
    CMemorySettingsStore settings_;
    ui::CQtUserPrompts prompts_;
    std::unique_ptr<ui::CQL7400View> view_;
};

}  // namespace ql::bench
