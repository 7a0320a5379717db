#include "ui/CChannelListModel.h"

#include "desktop/QtText.h"
#include "ui/CRadioCommands.h"
#include "ui/StringTable.h"

namespace ql::ui {

CChannelListModel::CChannelListModel(CRadioCommands& radio, QObject* parent)
    : QAbstractTableModel(parent), radio_(radio) {}

int CChannelListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kChannelCount);
}

int CChannelListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QString CChannelListModel::CellText(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(kChannelCount) || column < 0 || column >= kColumnCount) {
        return {};
    }
    return cache_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

Qt::Alignment CChannelListModel::ColumnAlignment(int column) {
    const bool right = column >= kColFrequency && column <= kColMode;
    return (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QString CChannelListModel::HeaderText(int column) {
    if (column < 0 || column >= kColumnCount) return {};
    return Text(sid::kColumnHeaders + column);
}

QVariant CChannelListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return CellText(index.row(), index.column());
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ColumnAlignment(index.column()));
        default:
            return {};
    }
}

QVariant CChannelListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            return CellText(section, kColLabel);
        }
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return HeaderText(section);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(ColumnAlignment(section));
        default:
            return {};
    }
}

void CChannelListModel::Rebuild(unsigned channel) {
    const std::string prefix = Path(channel);
    const ChannelRowTexts texts = BuildChannelRow(
        [this](std::string_view command) { return radio_.Query(command); }, prefix, channel);
    Row& row = cache_.at(channel - 1);
    for (std::size_t column = 0; column < texts.size(); ++column) {
        row.at(column) = ToQString(texts.at(column));
    }
}

void CChannelListModel::RefreshAll() {
    for (unsigned channel = 1; channel <= kChannelCount; ++channel) Rebuild(channel);
    Q_EMIT dataChanged(index(0, 0), index(static_cast<int>(kChannelCount) - 1, kColumnCount - 1),
                       {Qt::DisplayRole});
}

void CChannelListModel::RefreshChannel(unsigned channel) {
    if (channel < 1 || channel > kChannelCount) return;
    Rebuild(channel);
    const int row = static_cast<int>(channel) - 1;
    Q_EMIT dataChanged(index(row, 0), index(row, kColumnCount - 1), {Qt::DisplayRole});
}

}  // namespace ql::ui
