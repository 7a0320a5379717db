#pragma once

#include <QStatusBar>

class QLabel;

namespace ql {

// The main window's status bar: the message pane ("Ready", the prompts of menus and
// tool tips, the clone texts), the keyboard indicators "CAP", "NUM", "SCRL" and the
// call-sign pane, sized to its text.
class CFrameStatusBar final : public QStatusBar {
    Q_OBJECT
  public:
    explicit CFrameStatusBar(QWidget* parent);

    void SetMessageText(const QString& text);
    [[nodiscard]] QString MessageText() const;
    void SetCallSign(const QString& text);
    [[nodiscard]] QString CallSign() const;
    [[nodiscard]] int CallSignWidth() const;

  private:
    QLabel* message_ = nullptr;
    QLabel* callSign_ = nullptr;
};

}  // namespace ql
