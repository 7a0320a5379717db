#pragma once

#include <QTableView>
#include <functional>
#include <string>

#include "app/CViewCommands.h"

class QAction;

namespace ql {
class CSettingsStore;
}

namespace ql::ui {

class CChannelListModel;
class CDocCommands;
class CUserPrompts;

// The channel list in the main window's client area: the 106 channels of one band (VHF or
// UHF), one row each, with single whole-row selection. It handles the band commands, the
// row commands (Copy, Paste, Clear, Delete, Insert, each enabled by its ".CHECK" query)
// and opens the Edit Memory dialog on a double click, Enter or the Edit Memory command.
// Column widths are kept in the settings store between runs.
class CQL7400View final : public QTableView, public CViewCommands {
    Q_OBJECT
  public:
    static constexpr int kMinimumWidth = 20;
    static constexpr int kMaximumWidth = 400;

    // The band starts as VHF; channel 1 is selected and every row is built.
    CQL7400View(CDocCommands& doc, CSettingsStore& settings, CUserPrompts& prompts,
                QWidget* parent);
    ~CQL7400View() override;
    CQL7400View(const CQL7400View&) = delete;
    CQL7400View& operator=(const CQL7400View&) = delete;

    // Where the context menu finds the actions of the main window's commands; commands
    // without one get an entry of the view's own.
    using ActionLookup = std::function<QAction*(int command)>;
    void SetActionLookup(ActionLookup lookup) { lookup_ = std::move(lookup); }

    [[nodiscard]] QWidget* Widget() override { return this; }
    [[nodiscard]] bool IsEnabled(int command) override;
    [[nodiscard]] bool IsChecked(int command) override;
    void Execute(int command) override;
    // Rebuilds every row, unless the view is applying a change of its own, after which it
    // refreshes what that change touched.
    void Refresh() override;

    // The first selected row + 1, or 1 when no row is selected.
    [[nodiscard]] unsigned CurrentChannel() const;
    // Makes channel 1-106 the only selected and focused row and scrolls it into view.
    void SelectChannel(unsigned channel);
    // Opens the Edit Memory dialog for the current channel; true when it ended with OK.
    bool EditMemory();

    [[nodiscard]] CChannelListModel& ListModel() const { return *model_; }

    // The stored width of a column, or its default, kept within 20..400.
    [[nodiscard]] static int StoredWidth(CSettingsStore& settings, int column);
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
    void SetBand(int band);
    [[nodiscard]] std::string Prefix(unsigned channel) const;
    [[nodiscard]] std::string Check(const char* verb);
    void Send(const char* verb);
    void Paste();
    void Clear();
    void Delete();
    void Insert();
    void ShowContextMenu(const QPoint& globalPos);
    [[nodiscard]] QRect RowBar(int row) const;

    CDocCommands& doc_;
    CSettingsStore& settings_;
    CUserPrompts& prompts_;
    CChannelListModel* model_ = nullptr;
    ActionLookup lookup_;
    bool applying_ = false;
};

}  // namespace ql::ui
