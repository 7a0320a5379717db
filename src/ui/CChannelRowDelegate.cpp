#include "ui/CChannelRowDelegate.h"

#include <QAbstractItemView>
#include <QPainter>

#include "ui/CChannelListModel.h"
#include "ui/ChannelRow.h"

namespace ql::ui {

namespace {
const QString kDots = QStringLiteral("...");

int MarginOf(int column) {
    return column == kColLabel ? CChannelRowDelegate::kLabelMargin
                               : CChannelRowDelegate::kCellMargin;
}
}  // namespace

bool CChannelRowDelegate::IsHighlighted(const QStyleOptionViewItem& option) {
    if (!option.state.testFlag(QStyle::State_Selected)) return false;
    const QWidget* list = option.widget;
    return list != nullptr && list->hasFocus();
}

bool CChannelRowDelegate::HasFocusFrame(const QStyleOptionViewItem& option,
                                        const QModelIndex& index) {
    const auto* list = qobject_cast<const QAbstractItemView*>(option.widget);
    return list != nullptr && list->hasFocus() && list->currentIndex().row() == index.row();
}

QString CChannelRowDelegate::Shortened(const QString& text, const QFontMetrics& metrics, int width,
                                       int column) {
    return Fitted(text, metrics, width - 2 * MarginOf(column)).text;
}

CChannelRowDelegate::Fit CChannelRowDelegate::Fitted(const QString& text,
                                                     const QFontMetrics& metrics, int available) {
    const int whole = metrics.horizontalAdvance(text);
    if (whole <= available) return {text, whole};
    const int dotsWidth = metrics.horizontalAdvance(kDots);
    for (qsizetype kept = text.size() - 1; kept > 0; --kept) {
        const int width = metrics.horizontalAdvance(text.left(kept)) + dotsWidth;
        if (width <= available) return {text.left(kept) + kDots, width};
    }
    return {kDots, dotsWidth};
}

void CChannelRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const bool highlighted = IsHighlighted(option);
    const QPalette& palette = option.palette;
    painter->fillRect(option.rect, highlighted ? palette.brush(QPalette::Highlight)
                                               : palette.brush(QPalette::Base));

    const int column = index.column();
    if (HasFocusFrame(option, index)) {
        // The focus frame goes around the whole row: each cell draws its part of it.
        painter->save();
        painter->setPen(QPen(
            highlighted ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text),
            1, Qt::DotLine));
        const QRect& r = option.rect;
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (column == kColLabel) painter->drawLine(r.topLeft(), r.bottomLeft());
        if (column == kColumnCount - 1) painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    // One line, vertically centred, aligned as the column says (the label always left).
    const int margin = MarginOf(column);
    const QFontMetrics& metrics = option.fontMetrics;
    const Fit fit = Fitted(text, metrics, option.rect.width() - 2 * margin);
    const bool right =
        column != kColLabel && CChannelListModel::ColumnAlignment(column).testFlag(Qt::AlignRight);
    const int x =
        right ? option.rect.right() + 1 - margin - fit.width : option.rect.left() + margin;
    const int y =
        option.rect.top() + (option.rect.height() - metrics.height()) / 2 + metrics.ascent();
    painter->setPen(highlighted ? palette.color(QPalette::HighlightedText)
                                : palette.color(QPalette::Text));
    painter->drawText(QPoint(x, y), fit.text);
}

}  // namespace ql::ui
