#pragma once

// CPropertyPageC32: the " Display " page of the Setting sheet.

#include <array>
#include <optional>

#include "ui/CPropertyPage.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace ql::ui {

// The " Display " page: contrast and backlight, the display type with its picture, the
// opening title and the clone comment.
class CPropertyPageC32 final : public CPropertyPage {
    Q_OBJECT
  public:
    static constexpr int kPictureWidth = 120;
    static constexpr int kPictureHeight = 48;

    explicit CPropertyPageC32(CRadioCommands& radio);

    void OnSetActive() override;
    void OnKillActive() override;

    // The display-type picture shown (0 to 3); -1 before the first activation.
    [[nodiscard]] int PictureShown() const { return pictureShown_; }

  private:
    struct SliderRow {
        QLabel* label = nullptr;
        QLabel* left = nullptr;
        QSlider* slider = nullptr;
        QLabel* right = nullptr;
    };

    [[nodiscard]] SliderRow MakeSliderRow();
    void SetLabels();
    void UpdatePicture();

    QGroupBox* frame_ = nullptr;
    SliderRow contrast_;
    SliderRow bright_;
    QLabel* typeLabel_ = nullptr;
    QComboBox* type_ = nullptr;
    std::array<QLabel*, 4> pictures_{};
    QLabel* titleLabel_ = nullptr;
    QLineEdit* title_ = nullptr;
    QLabel* commentLabel_ = nullptr;
    QLineEdit* comment_ = nullptr;
    // The display-type list's selection (-1: none) whose picture is shown; forgotten at
    // each activation, so that the picture is chosen afresh.
    std::optional<int> pictureIndex_;
    int pictureShown_ = -1;
};

}  // namespace ql::ui
