#include "model/CRadioData.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <system_error>

#include "base/InputFile.h"
#include "base/RetryOnEintr.h"
#include "base/TempFile.h"
#include "datafile/IcfFile.h"
#include "model/C7400Rig.h"
#include "model/CRigChange.h"

namespace ql {

namespace {
std::string Quoted(const std::filesystem::path& path) {
    return '"' + path.string() + '"';
}
}  // namespace

CRadioData::CRadioData()
    : rig_(std::make_unique<C7400Rig>()), tempFile_(CreateTemporaryFile("qld")) {
    CRadioData::InitIdentity();
}

CRadioData::~CRadioData() {
    if (!tempFile_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(tempFile_, ignored);
    }
}

void CRadioData::Reset() {
    InitIdentity();
    ApplyIdentity(identity_);
    Internal("INITIALIZE");
    Internal("FILE.SAVE." + Quoted(tempFile_));
    SetModified(false);
}

std::string CRadioData::Command(std::string_view text) {
    std::string answer = rig_->Dispatch(text);
    if (observer_) observer_(text, answer);
    return answer;
}

std::string CRadioData::Internal(std::string_view text) {
    return rig_->Dispatch(text);
}

std::string CRadioData::ArchiveStore(std::ostream& archive) {
    // The lines go straight to the archive: no temporary file, so no temporary directory,
    // can fail a save.
    archive << rig_->SaveText();
    if (!archive.flush()) return "CANNOT_OPEN_FILE";
    SetModified(false);
    return "OK";
}

std::string CRadioData::ArchiveLoad(std::istream& archive) {
    // Read straight from the archive, as the reader reads a file: comment lines of any
    // length pass, other lines keep their bound.
    const IcfResult result = rig_->LoadFrom(archive);
    if (result != IcfResult::kOk) return std::string(ResultText(result));
    Internal("HEAL");
    SetModified(false);
    return "OK";
}

std::string CRadioData::SaveText() {
    return rig_->SaveText();
}

IcfResult CRadioData::LoadText(std::string_view text) {
    return rig_->LoadText(text);
}

std::unique_ptr<CRigCheckpoint> CRadioData::TakeCheckpoint() const {
    return std::make_unique<CRigCheckpoint>(rig_->TakeCheckpoint());
}

void CRadioData::RestoreCheckpoint(const CRigCheckpoint& checkpoint) {
    rig_->RestoreCheckpoint(checkpoint);
}

std::unique_ptr<CRigState> CRadioData::CaptureState() const {
    return std::make_unique<CRigState>(rig_->CaptureState());
}

CRigChange CRadioData::ChangeSince(const CRigState& before) const {
    return rig_->ChangeSince(before);
}

void CRadioData::PutBack(const CRigChange& change, bool after) {
    rig_->PutBack(change, after);
}

bool CRadioData::IsModified() {
    return Internal("EDIT_FLAG") == "ON";
}

void CRadioData::SetModified(bool modified) {
    Internal(modified ? "EDIT_FLAG=ON" : "EDIT_FLAG=OFF");
}

int CRadioData::ApplyIdentity(const CIdentityRecord& /*record*/) {
    return 1;
}

std::string CRadioData::GetModelName() const {
    return "Model Machine";
}

std::string CRadioData::GetModelComment() const {
    return "Model Comment";
}

int CRadioData::MatchIdentity(const CIdentityRecord& /*record*/, bool /*keep*/) {
    return 1;
}

void CRadioData::InitIdentity() {
    identity_ = CIdentityRecord{};
    identity_.payloadLength = 19;
    for (std::size_t i = 0; i < 19; ++i) identity_.payload[i] = ' ';
}

IcfFileOutcome CRadioData::ImportFile(const std::filesystem::path& path) {
    {
        const CInputFile file(path);
        if (!file.IsOpen()) return {IcfResult::kCannotOpenFile, file.Error()};
    }
    const IcfResult loaded = ResultFromText(Command("FILE.LOAD." + Quoted(path)));
    const int error = rig_->LastFileError();
    Command("HEAL");
    SetModified(false);
    return {loaded, error};
}

IcfFileOutcome CRadioData::ExportFile(const std::filesystem::path& path) {
    const int fd = RetryOnEintr([&] {
        return ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
    });
    if (fd < 0) return {IcfResult::kCannotOpenFile, errno};
    ::close(fd);
    const IcfResult saved = ResultFromText(Command("FILE.SAVE.WithSafety." + Quoted(path)));
    return {saved, saved == IcfResult::kOk ? 0 : rig_->LastFileError()};
}

}  // namespace ql
