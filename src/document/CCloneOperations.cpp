#include "document/CCloneOperations.h"

#include <string>

#include "clone/CCloneLink.h"
#include "clone/CCloneUi.h"
#include "clone/CloneFile.h"
#include "clone/CloneStrings.h"
#include "clone/LinkDiagnosis.h"
#include "model/CRadioData.h"

namespace ql {

namespace {
// The progress display belongs to the user interface for the length of one command.
class CProgressScope {
  public:
    CProgressScope(CCloneLink& link, CCloneProgress& progress) : link_(link) {
        link_.SetProgress(&progress);
    }
    ~CProgressScope() { link_.SetProgress(nullptr); }
    CProgressScope(const CProgressScope&) = delete;
    CProgressScope& operator=(const CProgressScope&) = delete;

  private:
    CCloneLink& link_;
};

struct ReportEntry {
    int status = 0;  // 0: none
    int box = 0;     // 0: none
    bool warning = true;
};
}  // namespace

CCloneOperations::CCloneOperations(CRadioData& radio, CCloneLink& link,
                                   std::filesystem::path cloneFile, CCloneUi& ui)
    : radio_(radio), link_(link), cloneFile_(std::move(cloneFile)), ui_(ui) {}

CloneResult CCloneOperations::CheckVersion() const {
    const CIdentityRecord& own = radio_.GetIdentity();
    const CIdentityRecord& heard = link_.GetInformation();
    if (own.modelCode != heard.modelCode || own.revision != heard.revision) {
        return CloneResult::kModelMismatch;
    }
    // An identification that stops before its version or expansion byte matches nothing.
    if (heard.payloadLength <= CIdentityRecord::kExpansionByte)
        return CloneResult::kVersionMismatch;
    if (own.PayloadByte(CIdentityRecord::kVersionByte, 0) !=
            heard.payload[CIdentityRecord::kVersionByte] ||
        own.PayloadByte(CIdentityRecord::kExpansionByte, 0) !=
            heard.payload[CIdentityRecord::kExpansionByte]) {
        return CloneResult::kVersionMismatch;
    }
    return CloneResult::kCompleted;
}

CloneResult CCloneOperations::Identify() {
    CloneResult result = CloneResult::kCompleted;
    {
        const CWaitScope wait(ui_);
        result = link_.ReadInformation();
    }
    if (result == CloneResult::kCompleted) ui_.WithDataSet([&] { result = CheckVersion(); });
    return result;
}

void CCloneOperations::AdoptModel() {
    CIdentityRecord own;
    ui_.WithDataSet([&] { own = radio_.GetIdentity(); });
    link_.SetModel(own.modelCode);
    link_.SetRevision(own.revision);
}

std::optional<CloneResult> CCloneOperations::CloneIn(bool documentModified) {
    if (documentModified) {
        const std::string question = std::string(CloneText(text_id::kReadFromTransceiver)) + "," +
                                     std::string(CloneText(text_id::kDataEdited));
        if (!ui_.ConfirmOkCancel(question)) return std::nullopt;
    }
    const CProgressScope scope(link_, ui_);
    fileFailure_.clear();
    link_.SetFile(cloneFile_);
    CloneResult result = Identify();
    if (result == CloneResult::kCompleted && cloneFile_.empty()) {
        fileFailure_ = CloneFileFailure(cloneFile_, 0);
        result = CloneResult::kFailed;
    } else if (result == CloneResult::kCompleted) {
        AdoptModel();
        {
            const CWaitScope wait(ui_);
            result = link_.ReadFromTransceiver();
            fileFailure_ = link_.FileFailure();
            // A read that ended early leaves a clone file the data set cannot take: that is
            // a failed read, not a completed one, and the data set stays as it was.
            if (result == CloneResult::kCompleted) {
                bool loaded = false;
                ui_.WithDataSet([&] { loaded = LoadCloneFile(); });
                if (!loaded) result = CloneResult::kFailed;
            }
        }
        if (result == CloneResult::kCompleted) ui_.DataLoaded();
    }
    link_.SignalResult(result == CloneResult::kCompleted);
    Report(Command::kIn, result);
    return result;
}

std::optional<CloneResult> CCloneOperations::CloneOut() {
    if (!ui_.ConfirmOkCancel(CloneText(text_id::kWriteToTransceiver))) return std::nullopt;
    const CProgressScope scope(link_, ui_);
    fileFailure_.clear();
    link_.SetFile(cloneFile_);
    CloneResult result = Identify();
    if (result == CloneResult::kCompleted) {
        AdoptModel();
        const CWaitScope wait(ui_);
        // Only a clone file written whole goes out: a truncated one would leave the
        // transceiver's memory half overwritten.
        IcfFileOutcome exported{IcfResult::kCannotOpenFile, 0};
        if (!cloneFile_.empty()) {
            ui_.WithDataSet([&] { exported = radio_.ExportFile(cloneFile_); });
        }
        if (!exported.Ok()) {
            fileFailure_ = CloneFileFailure(cloneFile_, exported.error);
            result = CloneResult::kFailed;
        } else {
            link_.SetFile(cloneFile_);
            result = link_.WriteToTransceiver();
        }
    }
    link_.SignalResult(result == CloneResult::kCompleted);
    Report(Command::kOut, result);
    return result;
}

CloneResult CCloneOperations::CloneInformation() {
    const CloneResult result = Identify();
    if (result == CloneResult::kCompleted) {
        AdoptModel();
        link_.SignalResult(true);
        std::string modelName;
        ui_.WithDataSet([&] { modelName = radio_.GetModelName(); });
        ui_.ShowInformation(modelName, link_.GetInformation().Comment());
    } else {
        link_.SignalResult(false);
        Report(Command::kInformation, result);
    }
    AdoptModel();
    return result;
}

bool CCloneOperations::LoadCloneFile() {
    const std::string loaded = radio_.Command("FILE.LOAD.\"" + cloneFile_.string() + "\"");
    if (loaded != "OK") return false;
    radio_.Command("HEAL");
    radio_.SetModified(false);
    return true;
}

void CCloneOperations::Report(Command command, CloneResult result) {
    namespace id = text_id;
    ReportEntry entry;
    switch (result) {
        case CloneResult::kCompleted:
            if (command != Command::kInformation) entry = {id::kCloningCompleted, 0, false};
            if (command == Command::kOut) entry.box = id::kWriteSucceeded;
            break;
        case CloneResult::kCancelled:
            entry = {id::kTerminated, 0, true};
            break;
        case CloneResult::kModelMismatch:
            entry = {id::kIllegalInformation, id::kCannotBeProgrammed, true};
            break;
        case CloneResult::kVersionMismatch:
            entry = {id::kVersionMismatch, id::kVersionNotSetUp, true};
            break;
        case CloneResult::kPortUnavailable:
            entry = {id::kCannotAccessPort, id::kCheckPort, true};
            break;
        default: {
            const int status = command == Command::kIn    ? id::kCannotRead
                               : command == Command::kOut ? id::kCannotWrite
                                                          : id::kIllegalInformation;
            entry = {status, id::kCheckCloning, true};
            break;
        }
    }
    if (entry.status != 0) ui_.ShowStatus(CloneText(entry.status));
    // A clone file that failed is no cable fault: the box names the directory and the cause.
    if (result == CloneResult::kFailed && !fileFailure_.empty()) {
        ui_.ShowMessage(fileFailure_, true);
        return;
    }
    if (result == CloneResult::kFailed || result == CloneResult::kPortUnavailable) {
        for (const std::string& line : DiagnoseFailure(link_.Observation())) ui_.ShowCause(line);
    }
    if (entry.box != 0) ui_.ShowMessage(CloneText(entry.box), entry.warning);
}

}  // namespace ql
