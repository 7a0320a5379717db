#pragma once

#include <QValidator>
#include <functional>
#include <optional>

namespace ql::ui {

// Lets into an edit box only the characters that the data set keeps for the item the box
// edits, and shows each as it is kept (a lower-case letter in upper case, say), so that
// what the box shows is what the transceiver gets. The rule is the model's own predicate:
// the character kept for a typed one, or nullopt when the item would lose it.
class CKeptCharacterValidator final : public QValidator {
    Q_OBJECT
  public:
    using Rule = std::function<std::optional<char>(char)>;

    CKeptCharacterValidator(Rule rule, QObject* parent);

    State validate(QString& input, int& pos) const override;

    // The validators of the boxes that edit a channel name, a "COMMON." text item and a
    // DTMF code.
    static CKeptCharacterValidator* ForChannelName(QObject* parent);
    static CKeptCharacterValidator* ForCommonText(const char* item, QObject* parent);
    static CKeptCharacterValidator* ForDtmfCode(QObject* parent);

  private:
    Rule rule_;
};

}  // namespace ql::ui
