#include "ui/CEmptyChannelFilter.h"

#include "ui/CChannelListModel.h"
#include "ui/ChannelRow.h"

namespace ql::ui {

CEmptyChannelFilter::CEmptyChannelFilter(CChannelListModel& list, QObject* parent)
    : QSortFilterProxyModel(parent), list_(list) {
    setSourceModel(&list_);
    // A channel that becomes blank (Clear, Delete) leaves the list at once, one that gets a
    // frequency comes back.
    setDynamicSortFilter(true);
}

void CEmptyChannelFilter::SetHideEmpty(bool hide) {
    if (hide == hideEmpty_) return;
    hideEmpty_ = hide;
    invalidateRowsFilter();
}

int CEmptyChannelFilter::RowOf(unsigned channel) const {
    if (channel < 1 || channel > kChannelCount) return -1;
    return mapFromSource(list_.index(static_cast<int>(channel) - 1, kColLabel)).row();
}

unsigned CEmptyChannelFilter::ChannelAt(int row) const {
    if (row < 0 || row >= rowCount()) return 0;
    return static_cast<unsigned>(mapToSource(index(row, kColLabel)).row()) + 1;
}

bool CEmptyChannelFilter::filterAcceptsRow(int sourceRow,
                                           const QModelIndex& /*sourceParent*/) const {
    if (!hideEmpty_) return true;
    const auto channel = static_cast<unsigned>(sourceRow) + 1;
    if (channel > kLastMemoryChannel) return true;
    // A blank channel shows only its label.
    return !list_.CellText(sourceRow, kColFrequency).isEmpty();
}

}  // namespace ql::ui
