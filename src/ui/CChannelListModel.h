#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>

#include "model/ChannelPath.h"
#include "ui/ChannelRow.h"

namespace ql::ui {

class CRadioCommands;

// The text cache of the channel list: the twelve cell texts of each of the 106 channels of
// the band on screen (VHF at first), rebuilt from fresh queries. The display texts are the full
// cell texts; shortening to the column width is a matter of drawing.
class CChannelListModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    CChannelListModel(CRadioCommands& radio, QObject* parent);

    [[nodiscard]] int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;

    // The band whose list is shown; changing it rebuilds nothing by itself.
    [[nodiscard]] Band ShownBand() const { return band_; }
    void SetBand(Band band) { band_ = band; }
    // The command prefix of channel 1-106 of the band shown.
    [[nodiscard]] std::string Path(unsigned channel) const { return ChannelPath(band_, channel); }

    // Rebuilds the cache entries of channels 1 to 106 in order, then shows them all.
    void RefreshAll();
    // Rebuilds the cache entry of one channel (1-106), then shows its row.
    void RefreshChannel(unsigned channel);

    // The cell text (before any shortening); empty outside the table.
    [[nodiscard]] QString CellText(int row, int column) const;
    // The column's alignment as the list declares it.
    [[nodiscard]] static Qt::Alignment ColumnAlignment(int column);
    [[nodiscard]] static QString HeaderText(int column);

  private:
    using Row = std::array<QString, kColumnCount>;

    void Rebuild(unsigned channel);

    CRadioCommands& radio_;
    Band band_ = Band::kVhf;
    std::array<Row, kChannelCount> cache_;
};

}  // namespace ql::ui
