#include "model/CChannelTable.h"

#include <array>
#include <utility>
#include <vector>

#include "model/CVersion.h"
#include "model/TextOps.h"

namespace ql {

namespace {

constexpr std::array<std::string_view, 8> kKindWords = {
    "NONE", "VFO", "MCH_144", "PCH_144", "CALL_144", "MCH_430", "PCH_430", "CALL_430"};
constexpr std::array<std::string_view, 5> kVfoWords = {"Air", "144", "300", "430", "800"};

ChannelKind KindOf(std::string_view word) {
    for (std::size_t i = 1; i < kKindWords.size(); ++i) {
        if (EqualsNoCase(word, kKindWords[i])) return static_cast<ChannelKind>(i);
    }
    return ChannelKind::None;
}

// The index of a scan edge word: a number 1-3 and the letter A or B; -1 otherwise.
int EdgeIndex(std::string_view word) {
    if (word.size() < 2) return -1;
    const char digit = word[0];
    const char letter = ToUpperAscii(word[1]);
    if (digit < '1' || digit > '3' || letter < 'A' || letter > 'Z') return -1;
    return 2 * (digit - '1') + (letter == 'B' ? 1 : 0);
}

}  // namespace

CChannelTable::CChannelTable()
    : lists_(std::make_unique<CChannelLists>()), clipboard_(*lists_, CChannelLocator()) {
    channels_.reserve(kChannelCount);
    for (CChannelLocator at(ChannelKind::Vfo, 0); at.Kind() != ChannelKind::None; at.Next()) {
        channels_.emplace_back(*lists_, at);
    }
}

void CChannelTable::Restore(const Contents& contents) {
    AssignChannels(channels_, contents.channels);
    clipboardFilled_ = contents.clipboardFilled;
    clipboard_ = contents.clipboard;
}

CChannel* CChannelTable::Resolve(std::string_view command, std::string_view& rest) {
    const ChannelKind kind = KindOf(Field(command, '.', 1));
    const std::string_view word = Field(command, '.', 2);
    int index = -1;
    int consumed = 3;
    switch (kind) {
        case ChannelKind::Vfo:
            for (std::size_t i = 0; i < kVfoWords.size(); ++i) {
                if (EqualsNoCase(word, kVfoWords[i])) index = static_cast<int>(i);
            }
            break;
        case ChannelKind::Mch144:
        case ChannelKind::Mch430:
            if (const auto n = ScanDecimal(word); n && *n >= 1 && *n <= 99) index = *n - 1;
            break;
        case ChannelKind::Pch144:
        case ChannelKind::Pch430:
            index = EdgeIndex(word);
            break;
        case ChannelKind::Call144:
        case ChannelKind::Call430:
            index = 0;
            consumed = 2;
            break;
        case ChannelKind::None:
            break;
    }
    rest = Tail(command, '.', consumed);
    if (index < 0) return nullptr;
    return &At(CChannelLocator(kind, index).TablePosition());
}

std::string CChannelTable::Handle(std::string_view command, const CVersion& version) {
    std::string_view rest;
    CChannel* channel = Resolve(command, rest);
    if (channel == nullptr) return {};
    const std::string_view left = Field(rest, '=', 0);
    const std::string_view first = Field(left, '.', 0);
    const bool check = EqualsNoCase(Field(left, '.', 1), "CHECK");
    const std::string_view value = Tail(rest, '=', 1);
    if (check && !value.empty() && EqualsNoCase(first, "IsLegal")) {
        return WouldBeLegal(*channel, value, version) ? "OK" : "NG";
    }
    if (check && EqualsNoCase(first, "Keeps")) {
        return WouldKeep(*channel, value, version) ? "OK" : "NG";
    }
    for (const std::string_view verb :
         {"Heal", "IsLegal", "Copy", "Paste", "Insert", "Delete", "Clear"}) {
        if (EqualsNoCase(first, verb)) return Operate(*channel, verb, check, version);
    }
    return channel->HandleItem(left, value);
}

bool CChannelTable::WouldBeLegal(const CChannel& current, std::string_view frequency,
                                 const CVersion& version) {
    // A copy takes what an edit would send: the frequency, in use, healed.
    CChannel trial = current;
    trial.HandleItem("FREQUENCY", frequency);
    trial.SetAppear(true);
    trial.Heal(version, false);
    return trial.IsLegal(version);
}

bool CChannelTable::WouldKeep(const CChannel& current, std::string_view assignments,
                              const CVersion& version) {
    // Each item answers the value it holds once assigned; the heal must leave that value.
    CChannel trial = current;
    std::vector<std::pair<std::string_view, std::string>> held;
    for (std::string_view rest = assignments; !Field(rest, '\t', 0).empty();
         rest = Tail(rest, '\t', 1)) {
        const std::string_view piece = Field(rest, '\t', 0);
        const std::string_view item = Field(piece, '=', 0);
        std::string answer = trial.HandleItem(item, Tail(piece, '=', 1), false);
        if (answer.empty()) return false;
        held.emplace_back(item, std::move(answer));
    }
    if (held.empty()) return false;
    trial.Heal(version, false);
    for (const auto& [item, answer] : held) {
        if (trial.HandleItem(item, {}, false) != answer) return false;
    }
    return true;
}

std::string CChannelTable::Operate(CChannel& current, std::string_view verb, bool check,
                                   const CVersion& version) {
    if (verb == "Heal") {
        current.Heal(version, false);  // with or without the check
        return "OK";
    }
    if (verb == "IsLegal") return current.IsLegal(version) ? "OK" : "NG";
    if (verb == "Copy") {
        if (!check) {
            clipboardFilled_ = true;
            clipboard_.SetLocator(current.Locator());
            clipboard_.CopyValuesFrom(current);
        }
        return "OK";
    }
    if (verb == "Paste") return Paste(current, check, version);
    if (verb == "Insert") return Insert(current, check, version);
    if (verb == "Delete") return Delete(current, check, version);
    // Clear
    if (!current.Locator().CanBeBlank()) return "NG";
    if (!check) {
        current.SetAppear(false);
        current.Heal(version, false);
    }
    return "OK";
}

std::string CChannelTable::Paste(CChannel& current, bool check, const CVersion& version) {
    if (!clipboardFilled_ || (!clipboard_.InUse() && !current.Locator().CanBeBlank())) return "NG";
    if (check) return current.InUse() ? "WARNING" : "OK";
    current.CopyValuesFrom(clipboard_);
    current.Heal(version, false);
    return "OK";
}

std::string CChannelTable::Insert(CChannel& current, bool check, const CVersion& version) {
    const CChannelLocator at = current.Locator();
    if (!at.IsMemory()) return "NG";
    const int last = KindInfo(at.Kind()).entries - 1;
    const int base = CChannelLocator(at.Kind(), 0).TablePosition();
    if (check) return At(base + last).InUse() ? "WARNING" : "OK";
    for (int i = last; i > at.Index(); --i) {
        At(base + i).CopyValuesFrom(At(base + i - 1));
        At(base + i).Heal(version, false);
    }
    current.SetAppear(false);
    current.Heal(version, false);
    return "OK";
}

std::string CChannelTable::Delete(CChannel& current, bool check, const CVersion& version) {
    const CChannelLocator at = current.Locator();
    if (!at.IsMemory()) return "NG";
    if (check) return current.InUse() ? "WARNING" : "OK";
    const int last = KindInfo(at.Kind()).entries - 1;
    const int base = CChannelLocator(at.Kind(), 0).TablePosition();
    for (int i = at.Index(); i < last; ++i) {
        At(base + i).CopyValuesFrom(At(base + i + 1));
        At(base + i).Heal(version, false);
    }
    At(base + last).SetAppear(false);
    At(base + last).Heal(version, false);
    return "OK";
}

}  // namespace ql
