#include "app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>

#include "app/CAppCommands.h"
#include "app/CFrameStatusBar.h"
#include "app/CQL7400Doc.h"
#include "app/CViewCommands.h"
#include "app/CWindowPlacement.h"
#include "app/CommandTable.h"
#include "model/CSettingsStore.h"
#include "ui/Pictures.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql {

namespace {
constexpr std::string_view kBarSection = "ToolBarState";
constexpr std::string_view kBarKey = "State";

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QList<QKeySequence> Shortcuts(std::string_view keys) {
    QList<QKeySequence> sequences;
    for (const QString& key : FromView(keys).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        sequences.append(QKeySequence(key, QKeySequence::PortableText));
    }
    return sequences;
}
}  // namespace

CMainFrame::CMainFrame(CQL7400Doc& doc, CAppCommands& app, CSettingsStore& settings)
    : doc_(doc), app_(app), settings_(settings) {
    setMinimumSize(kMinimumSize);
    setMaximumSize(kMaximumSize);
    setWindowIcon(ui::SvgIcon(QString::fromLatin1(ui::picture::kAppIcon)));
    setDockOptions(dockOptions() | QMainWindow::AnimatedDocks);

    statusBar_ = ui::MakeChild<CFrameStatusBar>(this);
    setStatusBar(statusBar_);
    CreateActions();
    CreateMenus();
    CreateToolBar();

    const std::vector<std::uint8_t> state = settings_.GetBytes(kBarSection, kBarKey);
    if (!state.empty()) {
        restoreState(QByteArray(reinterpret_cast<const char*>(state.data()),
                                static_cast<qsizetype>(state.size())));
    }
    const CWindowPlacement placement = CWindowPlacement::Load(settings_);
    move(placement.rect.topLeft());
    resize(placement.rect.size());

    connect(&doc_, &CQL7400Doc::TitleChanged, this, &CMainFrame::UpdateTitle);
    connect(&doc_, &CQL7400Doc::StatusText, this, &CMainFrame::SetMessageText);
    connect(&doc_, &CQL7400Doc::PortChanged, this, &CMainFrame::UpdateCommandUi);
    connect(&doc_, &CQL7400Doc::RecentFilesChanged, this, &CMainFrame::RebuildRecentFiles);
    connect(&doc_, &CQL7400Doc::DataChanged, this, [this] {
        if (view_ != nullptr) view_->Refresh();
        UpdateCommandUi();
    });
    doc_.SetWindow(this);
    RebuildRecentFiles();
    UpdateTitle();
    UpdateCommandUi();
}

CMainFrame::~CMainFrame() {
    doc_.SetWindow(nullptr);
}

void CMainFrame::CreateActions() {
    for (const CommandEntry& entry : Commands()) {
        const QString menuText = FromView(ui::MenuText(entry.id));
        QString text = menuText.section(QLatin1Char('\t'), 0, 0);
        if (text.isEmpty()) text = ui::TextPart(entry.id, 1);
        auto* action = ui::MakeChild<QAction>(text, this);
        action->setStatusTip(ui::TextPart(entry.id, 0));
        action->setToolTip(ui::TextPart(entry.id, 1));
        action->setShortcuts(Shortcuts(entry.shortcuts));
        action->setCheckable(entry.checkable);
        if (!entry.icon.empty()) {
            action->setIcon(
                ui::SvgIcon(QStringLiteral(":/icons/%1.svg").arg(FromView(entry.icon))));
        }
        action->setData(entry.id);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { Dispatch(id); });
        // Accelerators that appear in no menu still work in the whole window.
        addAction(action);
        actions_.emplace(entry.id, action);
    }
}

void CMainFrame::CreateMenus() {
    for (const MenuEntry& entry : MenuLayout()) {
        QMenu* menu = menuBar()->addMenu(ui::Text(entry.title));
        for (const int id : entry.entries) {
            if (id == 0) {
                menu->addSeparator();
            } else {
                menu->addAction(Action(id));
            }
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
        if (entry.title == ui::sid::kFileMenu) fileMenu_ = menu;
        if (entry.title == ui::sid::kHelpMenu) helpMenu_ = menu;
    }
    recentAnchor_ = Action(ui::cmd::kRecentFile);
    if (helpMenu_ != nullptr) {
        connect(helpMenu_, &QMenu::aboutToShow, this, &CMainFrame::AddNotesEntry);
    }
    AddNotesEntry();
}

void CMainFrame::CreateToolBar() {
    toolBar_ = ui::MakeChild<QToolBar>(ui::Text(ui::sid::kToolbarTitle), this);
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    toolBar_->setIconSize(QSize(16, 16));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : ToolbarLayout()) {
        if (id == 0) {
            toolBar_->addSeparator();
        } else {
            toolBar_->addAction(Action(id));
        }
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::AddNotesEntry() {
    if (helpMenu_ == nullptr) return;
    const QList<QAction*> entries = helpMenu_->actions();
    QAction* notes = Action(ui::cmd::kNotes);
    const QString notesText = ui::Text(ui::sid::kNotesEntry);
    if (!entries.isEmpty() && entries.first()->text() == notesText) return;
    QAction* first = entries.isEmpty() ? nullptr : entries.first();
    QAction* separator = helpMenu_->insertSeparator(first);
    helpMenu_->insertAction(separator, notes);
}

QAction* CMainFrame::Action(int command) const {
    const auto found = actions_.find(command);
    return found == actions_.end() ? nullptr : found->second;
}

void CMainFrame::SetView(CViewCommands* view) {
    view_ = view;
    if (view_ != nullptr) setCentralWidget(view_->Widget());
    UpdateCommandUi();
}

void CMainFrame::ShowPlaced() {
    // A window stored minimized starts in its rectangle: it never starts minimized.
    if (CWindowPlacement::Load(settings_).maximized) {
        showMaximized();
    } else {
        showNormal();
    }
}

void CMainFrame::SetMessageText(const QString& text) {
    statusBar_->SetMessageText(text);
}

QString CMainFrame::MessageText() const {
    return statusBar_->MessageText();
}

void CMainFrame::SetCallSign(const QString& text) {
    statusBar_->SetCallSign(text);
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(doc_.Title() + QStringLiteral(" - ") + ui::Text(ui::sid::kAppTitle));
    setWindowModified(false);
}

void CMainFrame::RebuildRecentFiles() {
    for (QAction* old : recentActions_) {
        fileMenu_->removeAction(old);
        old->deleteLater();
    }
    recentActions_.clear();
    const CRecentFileList& recent = doc_.RecentFiles();
    for (int i = 0; i < recent.Files().size(); ++i) {
        auto* action = ui::MakeChild<QAction>(recent.MenuText(i), this);
        action->setStatusTip(ui::TextPart(ui::cmd::kRecentFile, 0));
        connect(action, &QAction::triggered, this, [this, i] { doc_.OnOpenRecentFile(i); });
        fileMenu_->insertAction(recentAnchor_, action);
        recentActions_.append(action);
    }
    recentAnchor_->setVisible(recentActions_.isEmpty());
    recentAnchor_->setEnabled(false);
}

bool CMainFrame::IsEnabled(int command) {
    const CommandEntry* entry = FindCommand(command);
    if (entry == nullptr) return false;
    switch (entry->route) {
        case CommandRoute::kView:
            return view_ != nullptr && view_->IsEnabled(command);
        case CommandRoute::kNone:
            return false;
        default:
            return command != ui::cmd::kRecentFile;
    }
}

bool CMainFrame::IsChecked(int command) {
    switch (command) {
        case ui::cmd::kCom1:
        case ui::cmd::kCom2:
        case ui::cmd::kCom3:
        case ui::cmd::kCom4:
            return doc_.Port() == static_cast<unsigned>(command - ui::cmd::kCom1 + 1);
        case ui::cmd::kToolbar:
            return toolBar_ != nullptr && !toolBar_->isHidden();
        case ui::cmd::kStatusBar:
            return !statusBar_->isHidden();
        default:
            return view_ != nullptr && view_->IsChecked(command);
    }
}

void CMainFrame::UpdateCommandUi() {
    for (const auto& [id, action] : actions_) {
        action->setEnabled(IsEnabled(id));
        if (action->isCheckable()) action->setChecked(IsChecked(id));
    }
}

void CMainFrame::Execute(int command) {
    if (IsEnabled(command)) Dispatch(command);
}

void CMainFrame::Dispatch(int command) {
    const CommandEntry* entry = FindCommand(command);
    if (entry == nullptr) return;
    switch (entry->route) {
        case CommandRoute::kDocument:
            DispatchDocument(command);
            break;
        case CommandRoute::kView:
            if (view_ != nullptr) view_->Execute(command);
            break;
        case CommandRoute::kApplication:
            if (command == ui::cmd::kAbout) app_.OnAppAbout();
            if (command == ui::cmd::kNotes) app_.OnNotes();
            if (command == ui::cmd::kContents || command == ui::cmd::kHelpTopics) app_.OnHelp();
            if (command == ui::cmd::kExit) close();
            break;
        case CommandRoute::kFrame:
            if (command == ui::cmd::kToolbar) toolBar_->setVisible(toolBar_->isHidden());
            if (command == ui::cmd::kStatusBar) statusBar_->setVisible(statusBar_->isHidden());
            break;
        case CommandRoute::kNone:
            break;
    }
    UpdateCommandUi();
}

void CMainFrame::DispatchDocument(int command) {
    switch (command) {
        case ui::cmd::kNew:
            doc_.OnNewDocument();
            break;
        case ui::cmd::kOpen:
            doc_.OnFileOpen();
            break;
        case ui::cmd::kSave:
            doc_.OnFileSave();
            break;
        case ui::cmd::kSaveAs:
            doc_.OnFileSaveAs();
            break;
        case ui::cmd::kCom1:
        case ui::cmd::kCom2:
        case ui::cmd::kCom3:
        case ui::cmd::kCom4:
            doc_.SetPort(static_cast<unsigned>(command - ui::cmd::kCom1 + 1));
            break;
        case ui::cmd::kCloneIn:
            doc_.OnCloneRead();
            break;
        case ui::cmd::kCloneOut:
            doc_.OnCloneWrite();
            break;
        case ui::cmd::kCloneInfo:
            doc_.OnCloneInformation();
            break;
        default:
            break;
    }
}

void CMainFrame::SaveBarsAndPlacement() {
    const QByteArray state = saveState();
    settings_.SetBytes(
        kBarSection, kBarKey,
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(state.constData()),
                                      static_cast<std::size_t>(state.size())));
    CWindowPlacement placement;
    placement.maximized = isMaximized();
    placement.minimized = isMinimized();
    placement.rect = QRect(pos(), size());
    placement.Store(settings_);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // A clone read or write runs behind the progress dialog: the window waits for it.
    if (!isEnabled()) {
        event->ignore();
        return;
    }
    SaveBarsAndPlacement();
    if (!doc_.SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace ql
