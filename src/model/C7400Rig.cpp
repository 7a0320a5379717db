#include "model/C7400Rig.h"

#include <algorithm>
#include <array>
#include <span>

#include "datafile/IcfFile.h"
#include "model/FactoryImage.h"
#include "model/SettleWithImage.h"
#include "model/TextOps.h"

namespace ql {

namespace {

// The operating state every rebuild puts back: current channels, display and scan
// choices of both bands.
constexpr std::array<std::string_view, 14> kStateResets = {"COMMON.MCH_NO_VHF=0",
                                                           "COMMON.MCH_NO_UHF=0",
                                                           "COMMON.CALL_POSITION_VHF=CALL",
                                                           "COMMON.CALL_POSITION_UHF=CALL",
                                                           "COMMON.MAIN_DISPLAY_VHF=Normal",
                                                           "COMMON.MAIN_DISPLAY_UHF=Normal",
                                                           "COMMON.OPERATION_MODE_VHF=VFO(MR)",
                                                           "COMMON.OPERATION_MODE_UHF=VFO(MR)",
                                                           "COMMON.BAND_OF_VFO_VHF=144",
                                                           "COMMON.BAND_OF_VFO_UHF=430",
                                                           "COMMON.PROGRAM_SCAN_EDGE_VHF=ALL",
                                                           "COMMON.PROGRAM_SCAN_EDGE_UHF=ALL",
                                                           "COMMON.MCH_SCAN_SELECT_VHF=ALL",
                                                           "COMMON.MCH_SCAN_SELECT_UHF=ALL"};

constexpr int kVfoCount = 5;

// The text between the first two double quotes of text.
std::string_view QuotedPath(std::string_view text) {
    return Field(text, '"', 1);
}

}  // namespace

C7400Rig::C7400Rig() : common_(std::make_unique<CCommonSettings>(version_.Number())) {
    default_ = BuildFactoryImage(version_.Number());
    version_.RebuildLegalRanges();
    Dispatch("EDIT_FLAG=OFF");
}

std::string C7400Rig::Dispatch(std::string_view command) {
    bool taken = false;
    std::string result = Core(command, taken);
    if (taken) return result;
    if (EqualsNoCase(Field(Field(command, '=', 0), '.', 0), "CH")) {
        // A "CH." command belongs to the channels alone, resolved or not.
        return channels_.Handle(command, version_);
    }
    result = common_->Handle(command);
    if (!result.empty()) return result;
    result = dtmf_.Handle(command);
    if (!result.empty()) return result;
    result = version_.Handle(command);
    ReactToVersion();
    return result;
}

void C7400Rig::ReactToVersion() {
    if (version_.Changed()) {
        default_ = BuildFactoryImage(version_.Number());
        common_ = std::make_unique<CCommonSettings>(version_.Number());
        version_.RebuildLegalRanges();
        version_.ClearChanged();
        Dispatch("INITIALIZE");
    }
    version_.RebuildLegalRanges();
}

std::string C7400Rig::Core(std::string_view command, bool& taken) {
    const std::string_view left = Field(command, '=', 0);
    const std::string_view first = Field(left, '.', 0);
    taken = true;
    if (EqualsNoCase(first, "HEAL")) {
        Rebuild(false);
        return "OK";
    }
    if (EqualsNoCase(first, "INITIALIZE")) {
        MarkAllUndecoded();
        image_ = default_;
        Rebuild(false);
        return "OK";
    }
    if (EqualsNoCase(first, "EDIT_FLAG")) return EditFlag(Field(command, '=', 1));
    if (EqualsNoCase(first, "FILE")) {
        const std::string_view verb = Field(left, '.', 1);
        if (EqualsNoCase(verb, "SAVE"))
            return Save(left, EqualsNoCase(Field(left, '.', 2), "WithSafety"));
        if (EqualsNoCase(verb, "LOAD")) return Load(left);
    }
    taken = false;
    return {};
}

std::string C7400Rig::EditFlag(std::string_view value) {
    if (EqualsNoCase(value, "OFF")) {
        Dispatch("HEAL");
        reference_ = image_;
        editFlag_ = false;
    } else if (EqualsNoCase(value, "ON")) {
        editFlag_ = true;
        return "ON";
    }
    if (!editFlag_) {
        Dispatch("HEAL");
        editFlag_ = !(image_ == reference_);
    }
    return editFlag_ ? "ON" : "OFF";
}

std::string C7400Rig::Save(std::string_view left, bool withSafety) {
    const std::filesystem::path path(QuotedPath(Tail(left, '.', withSafety ? 3 : 2)));
    if (!withSafety) {
        Rebuild(false);
        const IcfFileOutcome saved =
            WriteIcf(path, image_.Bytes(), Dispatch("COMMON.CLONE_COMMENT"));
        lastFileError_ = saved.error;
        return std::string(ResultText(saved.result));
    }
    // The file gets the safety rebuild (illegal channels with factory contents); the data
    // set afterwards is as a plain rebuild leaves it, the user's channels untouched.
    Rebuild(false);
    const CMemoryImage healed = image_;
    Rebuild(true);
    const IcfFileOutcome saved = WriteIcf(path, image_.Bytes(), Dispatch("COMMON.CLONE_COMMENT"));
    lastFileError_ = saved.error;
    image_ = healed;
    MarkAllUndecoded();
    Rebuild(false);
    return std::string(ResultText(saved.result));
}

std::string C7400Rig::SaveText() {
    Rebuild(false);
    return FormatIcf(image_.Bytes(), Dispatch("COMMON.CLONE_COMMENT"));
}

std::string C7400Rig::Load(std::string_view left) {
    const std::filesystem::path path(QuotedPath(Tail(left, '.', 2)));
    const IcfFileOutcome loaded = ReadIcf(path, image_.MutableBytes());
    lastFileError_ = loaded.error;
    return std::string(ResultText(Adopt(loaded.result)));
}

IcfResult C7400Rig::LoadFrom(std::istream& in) {
    lastFileError_ = 0;
    return Adopt(ReadIcf(in, image_.MutableBytes()));
}

IcfResult C7400Rig::LoadText(std::string_view text) {
    lastFileError_ = 0;
    return Adopt(ReadIcfText(text, image_.MutableBytes()));
}

IcfResult C7400Rig::Adopt(IcfResult loaded) {
    // The reader may have written into the image even when it failed.
    healed_.Forget();
    if (loaded == IcfResult::kOk) {
        MarkAllUndecoded();
        Rebuild(false);
    }
    return loaded;
}

CRigCheckpoint C7400Rig::TakeCheckpoint() const {
    auto common = std::make_unique<CCommonSettings>(version_.Number());
    common->CopyValuesFrom(*common_);
    return {version_,          image_, reference_, default_,  channels_.Save(),
            std::move(common), dtmf_,  healed_,    editFlag_, lastFileError_};
}

void C7400Rig::RestoreCheckpoint(const CRigCheckpoint& checkpoint) {
    // The common settings' value lists follow the version, as after a version change.
    if (checkpoint.version.Number() != version_.Number()) {
        common_ = std::make_unique<CCommonSettings>(checkpoint.version.Number());
    }
    version_ = checkpoint.version;
    image_ = checkpoint.image;
    reference_ = checkpoint.reference;
    default_ = checkpoint.defaultImage;
    channels_.Restore(checkpoint.channels);
    common_->CopyValuesFrom(*checkpoint.common);
    dtmf_ = checkpoint.dtmf;
    healed_.RestoreFrom(checkpoint.healed);
    editFlag_ = checkpoint.editFlag;
    lastFileError_ = checkpoint.lastFileError;
}

CMemoryImage C7400Rig::EncodedSettings() const {
    CMemoryImage settings(image_.Size());
    common_->Encode(settings);
    dtmf_.Encode(settings);
    return settings;
}

CRigState C7400Rig::CaptureState() const {
    return {channels_.Channels(), EncodedSettings()};
}

CRigChange C7400Rig::ChangeSince(const CRigState& before) const {
    CRigChange change;
    const std::vector<CChannel>& now = channels_.Channels();
    if (before.channels.size() == now.size()) {
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (!(before.channels[i] == now[i])) {
                change.channels.push_back({i, before.channels[i], now[i]});
            }
        }
    }
    const CMemoryImage settings = EncodedSettings();
    const std::span<const std::uint8_t> was = before.settings.Bytes();
    const std::span<const std::uint8_t> is = settings.Bytes();
    if (was.size() == is.size()) {
        for (std::size_t i = 0; i < is.size(); ++i) {
            if (was[i] != is[i]) {
                change.settings.push_back({static_cast<std::int32_t>(i), was[i], is[i]});
            }
        }
    }
    return change;
}

void C7400Rig::PutBack(const CRigChange& change, bool after) {
    for (const CRigChange::Channel& channel : change.channels) {
        if (channel.position < channels_.Channels().size()) {
            channels_.At(static_cast<int>(channel.position)) =
                after ? channel.after : channel.before;
        }
    }
    if (change.settings.empty()) return;
    CMemoryImage settings = EncodedSettings();
    for (const CRigChange::Byte& byte : change.settings) {
        settings.WriteByte(byte.position, after ? byte.after : byte.before);
    }
    common_->Decode(settings);
    common_->SetDecoded(true);
    dtmf_.Decode(settings);
    dtmf_.SetDecoded(true);
}

void C7400Rig::MarkAllUndecoded() {
    healed_.Forget();
    for (CChannel& channel : channels_.Channels()) channel.SetDecoded(false);
    common_->SetDecoded(false);
    dtmf_.SetDecoded(false);
}

void C7400Rig::Rebuild(bool safety) {
    auto& channels = channels_.Channels();
    const bool allDecoded = common_->Decoded() && dtmf_.Decoded() &&
                            std::all_of(channels.begin(), channels.end(),
                                        [](const CChannel& c) { return c.Decoded(); });
    if (!safety && allDecoded && healed_.Cover(channels.size(), version_)) {
        RebuildChanged();
        return;
    }
    // Objects that are still undecoded take their values from the image first. Encoding the
    // decoded ones here would be lost work: no two objects share an image byte, and the
    // default image replaces every byte right after.
    for (CChannel& channel : channels) {
        if (!channel.Decoded()) channel.Decode(image_);
    }
    if (!common_->Decoded()) SettleWithImage(*common_, image_);
    if (!dtmf_.Decoded()) SettleWithImage(dtmf_, image_);
    image_ = default_;
    // The common settings always answer these, so no later handler would see them.
    for (const std::string_view reset : kStateResets) common_->Handle(reset);
    for (int i = 0; i < kVfoCount; ++i) channels[static_cast<std::size_t>(i)].Decode(image_);
    for (CChannel& channel : channels) {
        channel.Heal(version_, safety);
        channel.Synchronise(image_);
        channel.SetDecoded(true);
    }
    common_->Encode(image_);
    dtmf_.Encode(image_);
    // A safety rebuild leaves illegal channels undecoded; the image is not a plain result.
    if (safety) {
        healed_.Forget();
    } else {
        healed_.Remember(channels, version_);
    }
}

void C7400Rig::RebuildChanged() {
    // The same result as a whole rebuild: the image already holds every channel that is as
    // it was healed, and each object below writes the same bits whatever its values.
    for (const std::string_view reset : kStateResets) common_->Handle(reset);
    auto& channels = channels_.Channels();
    for (std::size_t i = 0; i < channels.size(); ++i) {
        CChannel& channel = channels[i];
        if (healed_.Holds(i, channel)) continue;
        if (i < kVfoCount) channel.Decode(default_);
        channel.Heal(version_, false);
        channel.Encode(image_);
        healed_.Update(i, channel);
    }
    common_->Encode(image_);
    dtmf_.Encode(image_);
}

}  // namespace ql
