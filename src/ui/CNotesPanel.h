#pragma once

#include <QFrame>

class QLabel;

namespace ql::ui {

// The Notes dialog's panel: white inside a black frame, a heading strip with the picture at
// its left and "Notes" beside it, the instruction text below.
class CNotesPanel final : public QFrame {
    Q_OBJECT
  public:
    // The heading picture's size.
    static constexpr int kPictureWidth = 40;
    static constexpr int kPictureHeight = 53;

    CNotesPanel(const QString& heading, const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString heading_;
};

}  // namespace ql::ui
