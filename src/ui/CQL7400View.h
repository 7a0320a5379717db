#pragma once

// CQL7400View: the channel list, the main window's client area.

#include <QTableView>
#include <string>
#include <vector>

#include "model/ChannelPath.h"
#include "ui/CCommandTarget.h"

class QMenu;

namespace ql {
class CSettingsStore;
}

namespace ql::ui {

class CChannelListModel;
class CEmptyChannelFilter;
class CRadioCommands;
class CUserPrompts;

// The channel list, the main window's client area: the 106 channels of one band (VHF or
// UHF), one row each, with whole-row selection of one row or several (Shift and Ctrl). It
// handles the band commands, the row commands (Copy, Paste, Clear, Delete, Insert, each
// enabled by its ".CHECK" query; they act on the current row, Clear on every selected row)
// and opens the Edit Memory dialog on a double click, Enter or the Edit Memory command. Each
// of them is one user action of the undo history. Blank memory channels can be hidden.
// Column widths and the filter are kept in the settings store between runs.
class CQL7400View final : public QTableView, public CCommandTarget {
    Q_OBJECT
  public:
    static constexpr int kMinimumWidth = 20;
    static constexpr int kMaximumWidth = 400;

    // The band starts as VHF; channel 1 is selected and every row is built.
    CQL7400View(CRadioCommands& radio, CSettingsStore& settings, CUserPrompts& prompts,
                QWidget* parent);
    ~CQL7400View() override;
    CQL7400View(const CQL7400View&) = delete;
    CQL7400View& operator=(const CQL7400View&) = delete;

    // The menu that a right click, the Menu key or Shift+F10 opens over the current row (the
    // main window's Edit menu entries); none while unset.
    void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }

    [[nodiscard]] bool IsEnabled(int command) override;
    [[nodiscard]] bool IsChecked(int command) override;
    void Execute(int command) override;
    // Rebuilds every row, unless the view is applying a change of its own, after which it
    // refreshes what that change touched.
    void Refresh();

    // The channel (1-106) of the current row when it is selected, else of the first selected
    // row, or 1 when no row is selected.
    [[nodiscard]] unsigned CurrentChannel() const;
    // The channels of the selected rows in list order; the current channel when none is.
    [[nodiscard]] std::vector<unsigned> SelectedChannels() const;
    // Makes channel 1-106 the only selected and focused row and scrolls it into view; a
    // hidden blank channel selects the next row shown instead.
    void SelectChannel(unsigned channel);
    // Opens the Edit Memory dialog for the current channel; true when it ended with OK.
    bool EditMemory();

    // Shows band's list (switching to it when needed), then selects channel 1-106 there
    // and scrolls it into view.
    void ShowChannel(Band band, unsigned channel);
    // Go to Channel: asks for a channel of the shown band and shows it; true on OK.
    bool GoToChannel();
    // Find: asks what to look for, then shows the next channel that matches, searching
    // both bands; says so when none does. True when a channel was found.
    bool Find();
    // Find Next: looks for the last text again (or asks for one, as Find does).
    bool FindNext();
    // Bulk Edit: gives the selected channels in use the values checked in its dialog, as one
    // change; true on OK.
    bool BulkEdit();

    [[nodiscard]] CChannelListModel& ListModel() const { return *model_; }
    // Hides or shows the blank memory channels and keeps the choice in the settings.
    void SetHideEmpty(bool hide);
    // The band whose list is shown.
    [[nodiscard]] Band ShownBand() const;

    // Writes every column's width to the settings (when the window closes); a width the user
    // changes is written at once.
    void StoreColumnWidths();

    // The width a column starts with: the stored width, else its fitted default, kept
    // within 20..400.
    [[nodiscard]] int StartWidth(int column) const;
    // The default width when none is stored: the table's width, widened to show the header
    // text and the widest value of the column whole in the view's font.
    [[nodiscard]] int FittedWidth(int column) const;
    [[nodiscard]] static int DefaultWidth(int column);

  Q_SIGNALS:
    // The enabled state of the row commands may have changed (another row, other data).
    void CommandStateChanged();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void RefreshAll();
    void RefreshChannel(unsigned channel);
    void SetBand(Band band);
    [[nodiscard]] std::string Prefix(unsigned channel) const;
    [[nodiscard]] std::string Check(const char* verb);
    void Send(const char* verb);
    // A row command on the current row, as one user action.
    void SendRowCommand(int command, const char* verb);
    [[nodiscard]] bool CanClear(unsigned channel) const;
    // How many selected rows show a channel in use.
    [[nodiscard]] std::size_t SelectedInUse() const;
    void Paste();
    void CopyAsText();
    void Clear();
    void Delete();
    void Insert();
    void ShowContextMenu(const QPoint& globalPos);
    [[nodiscard]] QRect RowBar(int row) const;
    [[nodiscard]] QRect CurrentRowBar() const;

    CRadioCommands& radio_;
    CSettingsStore& settings_;
    CUserPrompts& prompts_;
    CChannelListModel* model_ = nullptr;
    CEmptyChannelFilter* filter_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    bool applying_ = false;
    QString lastFind_;  // what Find looked for last
};

}  // namespace ql::ui
