#include "ui/CKeptCharacterValidator.h"

#include <string_view>
#include <utility>

#include "model/CChannel.h"
#include "model/CCommonSettings.h"
#include "model/CDtmfMemories.h"
#include "ui/QtChild.h"

namespace ql::ui {

CKeptCharacterValidator::CKeptCharacterValidator(Rule rule, QObject* parent)
    : QValidator(parent), rule_(std::move(rule)) {}

QValidator::State CKeptCharacterValidator::validate(QString& input, int& /*pos*/) const {
    for (QChar& character : input) {
        // A box's text reaches the model as UTF-8, where every character beyond ASCII is made
        // of bytes above 0x7F, which no item keeps.
        if (character.unicode() > 0x7F) return Invalid;
        const std::optional<char> kept = rule_(static_cast<char>(character.unicode()));
        if (!kept) return Invalid;
        character = QChar::fromLatin1(*kept);
    }
    return Acceptable;
}

CKeptCharacterValidator* CKeptCharacterValidator::ForChannelName(QObject* parent) {
    return MakeChild<CKeptCharacterValidator>(&CChannel::KeptNameCharacter, parent);
}

CKeptCharacterValidator* CKeptCharacterValidator::ForCommonText(const char* item, QObject* parent) {
    return MakeChild<CKeptCharacterValidator>(
        [name = std::string_view(item)](char c) {
            return CCommonSettings::KeptTextCharacter(name, c);
        },
        parent);
}

CKeptCharacterValidator* CKeptCharacterValidator::ForDtmfCode(QObject* parent) {
    return MakeChild<CKeptCharacterValidator>(&CDtmfCode::KeptDigit, parent);
}

}  // namespace ql::ui
