#include "app/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QToolBar>
#include <array>
#include <utility>

#include "app/CBarCommands.h"
#include "app/CFrameStatusBar.h"
#include "app/CInterchangeCommands.h"
#include "app/CQL7400Doc.h"
#include "app/CWindowPlacement.h"
#include "app/CommandTable.h"
#include "desktop/QtText.h"
#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"
#include "ui/CCommandTarget.h"
#include "ui/CQL7400View.h"
#include "ui/Pictures.h"
#include "ui/QtChild.h"
#include "ui/StringTable.h"

namespace ql {

namespace {

// The desktop's own keys of a standard action ("std:Undo"); none for an unknown name.
QList<QKeySequence> StandardKeys(const QString& name) {
    static constexpr std::array<std::pair<std::string_view, QKeySequence::StandardKey>, 2>
        kStandard = {{{"Undo", QKeySequence::Undo}, {"Redo", QKeySequence::Redo}}};
    for (const auto& [text, key] : kStandard) {
        if (name == ToQString(text)) return QKeySequence::keyBindings(key);
    }
    return {};
}

QList<QKeySequence> Shortcuts(std::string_view keys) {
    QList<QKeySequence> sequences;
    const QString standard = QStringLiteral("std:");
    for (const QString& key : ToQString(keys).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QList<QKeySequence> found =
            key.startsWith(standard)
                ? StandardKeys(key.mid(standard.size()))
                : QList<QKeySequence>{QKeySequence(key, QKeySequence::PortableText)};
        for (const QKeySequence& sequence : found) {
            if (!sequence.isEmpty() && !sequences.contains(sequence)) sequences.append(sequence);
        }
    }
    return sequences;
}
}  // namespace

CMainFrame::CMainFrame(CQL7400Doc& doc, ui::CCommandTarget& app, CSettingsStore& settings)
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
    bars_ = std::make_unique<CBarCommands>(*toolBar_, *statusBar_);

    const std::vector<std::uint8_t> state =
        settings_.GetBytes(settings::kToolBarState, settings::kState);
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
        const QString menuText = ToQString(ui::MenuText(entry.id));
        QString text = menuText.section(QLatin1Char('\t'), 0, 0);
        if (text.isEmpty()) text = ui::TextPart(entry.id, 1);
        auto* action = ui::MakeChild<QAction>(text, this);
        action->setStatusTip(ui::TextPart(entry.id, 0));
        action->setToolTip(ui::TextPart(entry.id, 1));
        action->setShortcuts(Shortcuts(entry.shortcuts));
        action->setCheckable(entry.checkable);
        if (!entry.icon.empty()) {
            action->setIcon(
                ui::SvgIcon(QStringLiteral(":/icons/%1.svg").arg(ToQString(entry.icon))));
        }
        action->setData(entry.id);
        connect(action, &QAction::triggered, this, [this, id = entry.id] { Dispatch(id); });
        // Accelerators that appear in no menu still work in the whole window.
        addAction(action);
        actions_.emplace(entry.id, action);
    }
}

void CMainFrame::FillMenu(QMenu& menu, std::span<const int> entries) {
    for (const int id : entries) {
        if (id == 0) {
            menu.addSeparator();
        } else {
            menu.addAction(Action(id));
        }
    }
    connect(&menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUi);
}

void CMainFrame::CreateMenus() {
    for (const MenuEntry& entry : MenuLayout()) {
        QMenu* menu = menuBar()->addMenu(ui::Text(entry.title));
        FillMenu(*menu, entry.entries);
        if (entry.title == ui::sid::kFileMenu) fileMenu_ = menu;
        if (entry.title == ui::sid::kHelpMenu) helpMenu_ = menu;
        if (entry.title == ui::sid::kEditMenu) {
            // The channel list's context menu holds the same entries as the Edit menu.
            contextMenu_ = ui::MakeChild<QMenu>(this);
            contextMenu_->setAccessibleName(ui::TextPart(ui::cmd::kEditMemory, 1));
            FillMenu(*contextMenu_, entry.entries);
        }
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

void CMainFrame::SetView(ui::CQL7400View* view) {
    view_ = view;
    if (view_ != nullptr) {
        setCentralWidget(view_);
        view_->SetContextMenu(contextMenu_);
        interchange_ = std::make_unique<CInterchangeCommands>(doc_, *view_, settings_);
        connect(view_, &ui::CQL7400View::CommandStateChanged, this, &CMainFrame::UpdateCommandUi);
    } else {
        interchange_.reset();
    }
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

ui::CCommandTarget* CMainFrame::TargetOf(int command) const {
    const CommandEntry* entry = FindCommand(command);
    if (entry == nullptr) return nullptr;
    switch (entry->route) {
        case CommandRoute::kDocument:
            return &doc_;
        case CommandRoute::kView:
            return view_;
        case CommandRoute::kApplication:
            return &app_;
        case CommandRoute::kBars:
            return bars_.get();
        case CommandRoute::kInterchange:
            return interchange_.get();
        case CommandRoute::kNone:
            break;
    }
    return nullptr;
}

bool CMainFrame::IsEnabled(int command) {
    ui::CCommandTarget* target = TargetOf(command);
    return target != nullptr && target->IsEnabled(command);
}

bool CMainFrame::IsChecked(int command) {
    ui::CCommandTarget* target = TargetOf(command);
    return target != nullptr && target->IsChecked(command);
}

void CMainFrame::UpdateCommandUi() {
    for (const auto& [id, action] : actions_) {
        if (ui::CCommandTarget* target = TargetOf(id); target != nullptr) {
            if (const QString text = target->MenuText(id); !text.isEmpty()) action->setText(text);
        }
        action->setEnabled(IsEnabled(id));
        if (action->isCheckable()) action->setChecked(IsChecked(id));
    }
}

void CMainFrame::Execute(int command) {
    if (IsEnabled(command)) Dispatch(command);
}

void CMainFrame::Dispatch(int command) {
    if (ui::CCommandTarget* target = TargetOf(command); target != nullptr) target->Execute(command);
    UpdateCommandUi();
}

void CMainFrame::SaveBarsAndPlacement() {
    const QByteArray state = saveState();
    settings_.SetBytes(
        settings::kToolBarState, settings::kState,
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
    if (doc_.IsTransferRunning()) {
        event->ignore();
        return;
    }
    SaveBarsAndPlacement();
    if (view_ != nullptr) view_->StoreColumnWidths();
    if (!doc_.SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace ql
