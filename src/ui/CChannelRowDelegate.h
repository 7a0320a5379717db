#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

namespace ql::ui {

// Draws the cells of the channel list: the row highlighted only while it is selected and
// the list has the focus, the label column left-aligned with a margin of 2 pixels, the
// others with 6 pixels as their column is aligned, and a text that does not fit cut to end
// in "...". A dotted focus frame goes around the focused row while the list has the focus.
class CChannelRowDelegate final : public QStyledItemDelegate {
    Q_OBJECT
  public:
    static constexpr int kLabelMargin = 2;
    static constexpr int kCellMargin = 6;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

    // text as drawn in a column of width pixels: whole when it fits the width less the
    // margins on both sides, else shortened from the end until it fits with "...".
    [[nodiscard]] static QString Shortened(const QString& text, const QFontMetrics& metrics,
                                           int width, int column);
    // A text as it fits a width in pixels, and the width it takes.
    struct Fit {
        QString text;
        int width = 0;
    };
    [[nodiscard]] static Fit Fitted(const QString& text, const QFontMetrics& metrics,
                                    int available);
    // True when a row in this state is drawn highlighted.
    [[nodiscard]] static bool IsHighlighted(const QStyleOptionViewItem& option);
    // True when the cell belongs to the list's focused row while the list has the focus.
    [[nodiscard]] static bool HasFocusFrame(const QStyleOptionViewItem& option,
                                            const QModelIndex& index);
};

}  // namespace ql::ui
