#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ql::ui {

// "Go to Channel": one text box for a channel of the list on screen, a number "1" to "99",
// a scan edge "1A" to "3B" or "C" for the call channel. OK with a text that names no channel
// keeps the dialog open and says under the box what to type.
class CGoToChannelDlg final : public QDialog {
    Q_OBJECT
  public:
    explicit CGoToChannelDlg(QWidget* parent);

    void accept() override;

    // The channel 1-106 chosen with OK.
    [[nodiscard]] unsigned Channel() const { return channel_; }
    [[nodiscard]] QLineEdit* Field() const { return field_; }
    // The message under the box; hidden while there is nothing to say.
    [[nodiscard]] QLabel* Message() const { return message_; }

  private:
    QLineEdit* field_ = nullptr;
    QLabel* message_ = nullptr;
    unsigned channel_ = 0;
};

}  // namespace ql::ui
