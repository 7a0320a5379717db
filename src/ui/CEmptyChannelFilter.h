#pragma once

#include <QSortFilterProxyModel>

namespace ql::ui {

class CChannelListModel;

// The channel list as the view shows it: every row of the list model, or, while blank
// channels are hidden, all but the blank memory channels. Rows keep their own labels, so no
// channel is renumbered; scan edges and the call channel always show.
class CEmptyChannelFilter final : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    CEmptyChannelFilter(CChannelListModel& list, QObject* parent);

    [[nodiscard]] bool HidesEmpty() const { return hideEmpty_; }
    void SetHideEmpty(bool hide);

    // The view row of channel 1-106, or -1 while it is hidden.
    [[nodiscard]] int RowOf(unsigned channel) const;
    // The channel 1-106 of a view row, or 0 outside the rows shown.
    [[nodiscard]] unsigned ChannelAt(int row) const;

  protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow,
                                        const QModelIndex& sourceParent) const override;

  private:
    CChannelListModel& list_;
    bool hideEmpty_ = false;
};

}  // namespace ql::ui
