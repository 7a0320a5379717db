#pragma once

#include <QString>
#include <QWidget>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace ql::ui {

class CRadioCommands;

// One page of a property sheet. The sheet activates a page each time it becomes the current
// page (the page reloads everything it shows from the radio data) and deactivates it when
// the user leaves it or presses OK while it is current (the page writes everything back as
// one step).
class CPropertyPage : public QWidget {
    Q_OBJECT
  public:
    CPropertyPage(CRadioCommands& radio, int titleId);

    // The tab caption.
    [[nodiscard]] QString Title() const;

    virtual void OnSetActive() = 0;
    virtual void OnKillActive() = 0;

  protected:
    // A labelled drop-down list: the label is the list's buddy, which names it for
    // accessibility.
    struct Row {
        QLabel* label = nullptr;
        QComboBox* list = nullptr;
    };
    [[nodiscard]] static Row MakeRow(QWidget* parent);

    // A query; the answer as it came.
    [[nodiscard]] std::string Query(std::string_view command);
    // The assignments of one deactivation, sent as one step.
    void Apply(const std::vector<std::string>& commands);

  private:
    CRadioCommands& radio_;
    int titleId_;
};

}  // namespace ql::ui
