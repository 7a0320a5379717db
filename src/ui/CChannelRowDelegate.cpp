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

QString CChannelRowDelegate::Shortened(const QString& text, const QFontMetrics& metrics, int width,
                                       int column) {
    const int available = width - 2 * MarginOf(column);
    if (metrics.horizontalAdvance(text) <= available) return text;
    const int dotsWidth = metrics.horizontalAdvance(kDots);
    for (qsizetype kept = text.size() - 1; kept > 0; --kept) {
        if (metrics.horizontalAdvance(text.left(kept)) + dotsWidth <= available) {
            return text.left(kept) + kDots;
        }
    }
    return kDots;
}

void CChannelRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const bool highlighted = IsHighlighted(option);
    const QPalette& palette = option.palette;
    painter->fillRect(option.rect, highlighted ? palette.brush(QPalette::Highlight)
                                               : palette.brush(QPalette::Base));

    const int column = index.column();
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    const int margin = MarginOf(column);
    const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
    const Qt::Alignment alignment =
        (column == kColLabel ? Qt::AlignLeft : CChannelListModel::ColumnAlignment(column)) |
        Qt::AlignVCenter;
    painter->save();
    painter->setFont(option.font);
    painter->setPen(highlighted ? palette.color(QPalette::HighlightedText)
                                : palette.color(QPalette::Text));
    painter->drawText(area, static_cast<int>(alignment) | Qt::TextSingleLine,
                      Shortened(text, option.fontMetrics, option.rect.width(), column));
    painter->restore();
}

}  // namespace ql::ui
