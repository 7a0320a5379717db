#pragma once

#include <QChar>
#include <QListWidget>

namespace ql::ui {

// The list of the DTMF Autodial dialog's memories. It leaves the keys that move through
// it and between controls to the list, but hands every typed character to its dialog
// instead of searching its rows.
class CDtmfListBox final : public QListWidget {
    Q_OBJECT
  public:
    explicit CDtmfListBox(QWidget* parent);

  Q_SIGNALS:
    void CharacterTyped(QChar character);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ql::ui
