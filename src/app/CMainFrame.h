#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <memory>
#include <span>

class QAction;
class QMenu;
class QToolBar;

namespace ql {

class CBarCommands;
class CInterchangeCommands;
class CFrameStatusBar;
class CQL7400Doc;
class CSettingsStore;

namespace ui {
class CCommandTarget;
class CQL7400View;
}  // namespace ui

// The application's main window: the menus, toolbar and accelerators of the command table,
// the status bar, the placement kept between runs and the size limits. It handles no
// command itself: each goes to the document, the channel list, the application or the bars
// as its table entry routes it.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr QSize kMinimumSize{300, 200};
    static constexpr QSize kMaximumSize{1200, 800};

    CMainFrame(CQL7400Doc& doc, ui::CCommandTarget& app, CSettingsStore& settings);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The channel list in the client area; the frame owns it through Qt's parenthood.
    void SetView(ui::CQL7400View* view);
    [[nodiscard]] ui::CQL7400View* View() const { return view_; }

    // Shows the window as the stored placement says (maximized or normal, never minimized).
    void ShowPlaced();

    void SetMessageText(const QString& text);
    [[nodiscard]] QString MessageText() const;
    void SetCallSign(const QString& text);
    [[nodiscard]] CFrameStatusBar* FrameStatusBar() const { return statusBar_; }
    [[nodiscard]] QToolBar* ToolBar() const { return toolBar_; }

    // The action of a command (nullptr for an unknown number).
    [[nodiscard]] QAction* Action(int command) const;
    [[nodiscard]] QMenu* HelpMenu() const { return helpMenu_; }
    // The channel list's context menu: the Edit menu's entries.
    [[nodiscard]] QMenu* ContextMenu() const { return contextMenu_; }
    // The recently-used entries in the File menu.
    [[nodiscard]] QList<QAction*> RecentActions() const { return recentActions_; }

    // Runs a command as its menu entry would, when it is enabled.
    void Execute(int command);
    // Brings the enabled and checked states of every command up to date.
    void UpdateCommandUi();
    // Puts "&Notes..." and a separator at the top of the Help menu unless it is there.
    void AddNotesEntry();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void FillMenu(QMenu& menu, std::span<const int> entries);
    // The target that the command's table entry names; nullptr when none is there.
    [[nodiscard]] ui::CCommandTarget* TargetOf(int command) const;
    void RebuildRecentFiles();
    void UpdateTitle();
    void SaveBarsAndPlacement();
    [[nodiscard]] bool IsEnabled(int command);
    [[nodiscard]] bool IsChecked(int command);
    void Dispatch(int command);

    CQL7400Doc& doc_;
    ui::CCommandTarget& app_;
    CSettingsStore& settings_;
    ui::CQL7400View* view_ = nullptr;
    std::unique_ptr<CBarCommands> bars_;
    std::unique_ptr<CInterchangeCommands> interchange_;  // while a view is set
    CFrameStatusBar* statusBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    QAction* recentAnchor_ = nullptr;
    QList<QAction*> recentActions_;
    std::map<int, QAction*> actions_;
};

}  // namespace ql
