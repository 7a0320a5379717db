#include "model/CRadioData.h"

#include <fstream>
#include <system_error>

#include "base/LineReader.h"
#include "base/TempFile.h"
#include "datafile/IcfFile.h"
#include "model/C7400Rig.h"

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
    std::string result = Internal("FILE.SAVE." + Quoted(tempFile_));
    if (result != "OK") return result;
    std::ifstream in(tempFile_, std::ios::binary);
    if (!in) return "CANNOT_OPEN_FILE";
    std::string line;
    while (ReadBoundedLine(in, line, kIcfMaxLineLength) == LineStatus::Line) {
        archive << line << "\r\n";
    }
    if (!archive) return "CANNOT_OPEN_FILE";
    SetModified(false);
    return "OK";
}

std::string CRadioData::ArchiveLoad(std::istream& archive) {
    {
        std::ofstream out(tempFile_, std::ios::binary | std::ios::trunc);
        if (!out) return "CANNOT_OPEN_FILE";
        std::string line;
        for (;;) {
            const LineStatus status = ReadBoundedLine(archive, line, kIcfMaxLineLength);
            if (status == LineStatus::End) break;
            // A line longer than any legal one: no data file, whatever follows.
            if (status == LineStatus::TooLong) return "FORMAT_ERROR";
            out << line << "\r\n";
        }
        if (!out.flush()) return "CANNOT_OPEN_FILE";
    }
    std::string result = Internal("FILE.LOAD." + Quoted(tempFile_));
    if (result != "OK") return result;
    Internal("HEAL");
    SetModified(false);
    return "OK";
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

void CRadioData::ImportFile(const std::filesystem::path& path) {
    if (!std::ifstream(path, std::ios::binary)) return;
    Command("FILE.LOAD." + Quoted(path));
    Command("HEAL");
    SetModified(false);
}

void CRadioData::ExportFile(const std::filesystem::path& path) {
    if (!std::fstream(path, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary))
        return;
    Command("FILE.SAVE.WithSafety." + Quoted(path));
}

}  // namespace ql
