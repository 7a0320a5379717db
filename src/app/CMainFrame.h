#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

class QAction;
class QMenu;
class QToolBar;

namespace ql {

class CAppCommands;
class CFrameStatusBar;
class CQL7400Doc;
class CSettingsStore;
class CViewCommands;

// The application's main window: the menus, toolbar and accelerators of the command table,
// the status bar, the placement kept between runs and the size limits. It handles no
// command itself beyond the bars' toggles: each goes to the document, the view or the
// application as the table routes it.
class CMainFrame final : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr QSize kMinimumSize{300, 200};
    static constexpr QSize kMaximumSize{1200, 800};

    CMainFrame(CQL7400Doc& doc, CAppCommands& app, CSettingsStore& settings);
    ~CMainFrame() override;
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The client area's view; the frame does not own it beyond Qt's parenthood.
    void SetView(CViewCommands* view);
    [[nodiscard]] CViewCommands* View() const { return view_; }

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
    [[nodiscard]] QMenu* RecentMenuAnchor() const { return fileMenu_; }
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
    void RebuildRecentFiles();
    void UpdateTitle();
    void SaveBarsAndPlacement();
    [[nodiscard]] bool IsEnabled(int command);
    [[nodiscard]] bool IsChecked(int command);
    void Dispatch(int command);
    void DispatchDocument(int command);

    CQL7400Doc& doc_;
    CAppCommands& app_;
    CSettingsStore& settings_;
    CViewCommands* view_ = nullptr;
    CFrameStatusBar* statusBar_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* recentAnchor_ = nullptr;
    QList<QAction*> recentActions_;
    std::map<int, QAction*> actions_;
};

}  // namespace ql
