// CQL7400View: the channel list, the main window's client area.
#include "ui/CQL7400View.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>
#include <array>
#include <string>

#include "desktop/QtText.h"
#include "document/ChannelExport.h"
#include "model/CSettingsStore.h"
#include "model/ChannelSearch.h"
#include "model/SettingsKeys.h"
#include "ui/CBulkEditDlg.h"
#include "ui/CChannelListModel.h"
#include "ui/CChannelRowDelegate.h"
#include "ui/CEditMemoryDlg.h"
#include "ui/CEmptyChannelFilter.h"
#include "ui/CFindDlg.h"
#include "ui/CGoToChannelDlg.h"
#include "ui/CRadioCommands.h"
#include "ui/CUserAction.h"
#include "ui/CUserPrompts.h"
#include "ui/CWaitCursor.h"
#include "ui/ColumnFit.h"
#include "ui/QtChild.h"
#include "ui/StepNames.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

constexpr std::array<int, kColumnCount> kDefaultWidths = {75, 70, 40, 70, 50, 50,
                                                          50, 50, 50, 50, 50, 3000};

bool IsPlainKey(const QKeyEvent& key, std::initializer_list<int> keys) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier &&
           std::find(keys.begin(), keys.end(), key.key()) != keys.end();
}

bool IsMenuKey(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Menu && key.modifiers() == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

// While the view applies a change of its own, a refresh of everything that the change
// asks for is left to the view, which refreshes what the change touched.
class CApplying {
  public:
    explicit CApplying(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~CApplying() { flag_ = was_; }
    CApplying(const CApplying&) = delete;
    CApplying& operator=(const CApplying&) = delete;

  private:
    bool& flag_;
    bool was_;
};
}  // namespace

CQL7400View::CQL7400View(CRadioCommands& radio, CSettingsStore& settings, CUserPrompts& prompts,
                         QWidget* parent)
    : QTableView(parent), radio_(radio), settings_(settings), prompts_(prompts) {
    setAccessibleName(Text(sid::kChannelList));
    model_ = MakeChild<CChannelListModel>(radio_, this);
    filter_ = MakeChild<CEmptyChannelFilter>(*model_, this);
    filter_->SetHideEmpty(settings_.GetInt(settings::kChannelList, settings::kHideEmpty, 0) != 0);
    setModel(filter_);
    setItemDelegate(MakeChild<CChannelRowDelegate>(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QHeaderView* columns = horizontalHeader();
    columns->setMinimumSectionSize(kMinimumWidth);
    columns->setStretchLastSection(false);
    columns->setHighlightSections(false);
    columns->setSectionsClickable(false);
    for (int column = 0; column < kColumnCount; ++column) {
        columns->resizeSection(column, StartWidth(column));
    }

    // A width is kept as soon as the user changes it.
    connect(columns, &QHeaderView::sectionResized, this, [this](int column, int, int width) {
        settings_.SetInt(settings::kColumn, settings::WidthKey(column), width);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this] { EditMemory(); });
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CQL7400View::CommandStateChanged);

    RefreshAll();
    SelectChannel(1);
    setFocus();
}

CQL7400View::~CQL7400View() = default;

void CQL7400View::StoreColumnWidths() {
    for (int column = 0; column < kColumnCount; ++column) {
        settings_.SetInt(settings::kColumn, settings::WidthKey(column), columnWidth(column));
    }
}

int CQL7400View::DefaultWidth(int column) {
    if (column < 0 || column >= kColumnCount) return kMinimumWidth;
    return kDefaultWidths.at(static_cast<std::size_t>(column));
}

int CQL7400View::FittedWidth(int column) const {
    return std::max({DefaultWidth(column), CellWidthFor(column, fontMetrics()),
                     horizontalHeader()->sectionSizeHint(column)});
}

int CQL7400View::StartWidth(int column) const {
    int width = settings_.GetInt(settings::kColumn, settings::WidthKey(column), 0);
    if (width == 0) width = FittedWidth(column);
    return std::clamp(width, kMinimumWidth, kMaximumWidth);
}

std::string CQL7400View::Prefix(unsigned channel) const {
    return model_->Path(channel);
}

Band CQL7400View::ShownBand() const {
    return model_->ShownBand();
}

unsigned CQL7400View::CurrentChannel() const {
    const QModelIndex current = selectionModel()->currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), QModelIndex())) {
        return filter_->ChannelAt(current.row());
    }
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.isEmpty()) return 1;
    int first = rows.first().row();
    for (const QModelIndex& index : rows) first = std::min(first, index.row());
    return filter_->ChannelAt(first);
}

std::vector<unsigned> CQL7400View::SelectedChannels() const {
    std::vector<unsigned> channels;
    for (const QModelIndex& index : selectionModel()->selectedRows()) {
        if (const unsigned channel = filter_->ChannelAt(index.row()); channel != 0) {
            channels.push_back(channel);
        }
    }
    if (channels.empty()) return {CurrentChannel()};
    std::sort(channels.begin(), channels.end());
    return channels;
}

void CQL7400View::SelectChannel(unsigned channel) {
    if (channel < 1 || channel > kChannelCount) return;
    int row = filter_->RowOf(channel);
    for (unsigned next = channel + 1; row < 0 && next <= kChannelCount; ++next) {
        row = filter_->RowOf(next);
    }
    if (row < 0) return;
    const QModelIndex index = filter_->index(row, kColLabel);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void CQL7400View::SetHideEmpty(bool hide) {
    const unsigned channel = CurrentChannel();
    filter_->SetHideEmpty(hide);
    settings_.SetInt(settings::kChannelList, settings::kHideEmpty, hide ? 1 : 0);
    SelectChannel(channel);
    Q_EMIT CommandStateChanged();
}

void CQL7400View::RefreshAll() {
    const CWaitCursor busy;
    model_->RefreshAll();
}

void CQL7400View::RefreshChannel(unsigned channel) {
    model_->RefreshChannel(channel);
}

void CQL7400View::Refresh() {
    if (applying_) return;
    RefreshAll();
    Q_EMIT CommandStateChanged();
}

void CQL7400View::SetBand(Band band) {
    model_->SetBand(band);
    RefreshAll();
    Q_EMIT CommandStateChanged();
}

std::string CQL7400View::Check(const char* verb) {
    return radio_.Query(Prefix(CurrentChannel()) + verb + ".CHECK");
}

void CQL7400View::Send(const char* verb) {
    const std::string command = Prefix(CurrentChannel()) + verb;
    const CApplying applying(applying_);
    (void)radio_.Apply(std::span<const std::string>(&command, 1));
}

void CQL7400View::SendRowCommand(int command, const char* verb) {
    const CUserAction action(radio_, PlainMenuText(command));
    Send(verb);
}

bool CQL7400View::IsEnabled(int command) {
    switch (command) {
        case cmd::kEditMemory:
        case cmd::kVhfMemory:
        case cmd::kUhfMemory:
        case cmd::kGoToChannel:
        case cmd::kFind:
        case cmd::kFindNext:
            return true;
        case cmd::kBulkEdit:
            return SelectedInUse() > 0;
        case cmd::kCopy:
            return Check("COPY") == "OK";
        case cmd::kClear: {
            const std::vector<unsigned> channels = SelectedChannels();
            return std::any_of(channels.begin(), channels.end(),
                               [this](unsigned channel) { return CanClear(channel); });
        }
        case cmd::kHideEmpty:
            return true;
        case cmd::kPaste:
            return Check("PASTE") != "NG";
        case cmd::kDelete:
            return Check("DELETE") != "NG";
        case cmd::kInsert:
            return Check("INSERT") != "NG";
        default:
            return false;
    }
}

bool CQL7400View::IsChecked(int command) {
    const Band band = model_->ShownBand();
    return (command == cmd::kVhfMemory && band == Band::kVhf) ||
           (command == cmd::kUhfMemory && band == Band::kUhf) ||
           (command == cmd::kHideEmpty && filter_->HidesEmpty());
}

void CQL7400View::Execute(int command) {
    switch (command) {
        case cmd::kVhfMemory:
            SetBand(Band::kVhf);
            break;
        case cmd::kUhfMemory:
            SetBand(Band::kUhf);
            break;
        case cmd::kEditMemory:
            EditMemory();
            break;
        case cmd::kCopy:
            Send("COPY");
            CopyAsText();
            Q_EMIT CommandStateChanged();
            break;
        case cmd::kPaste:
            Paste();
            break;
        case cmd::kClear:
            Clear();
            break;
        case cmd::kDelete:
            Delete();
            break;
        case cmd::kInsert:
            Insert();
            break;
        case cmd::kHideEmpty:
            SetHideEmpty(!filter_->HidesEmpty());
            break;
        case cmd::kBulkEdit:
            BulkEdit();
            break;
        case cmd::kGoToChannel:
            GoToChannel();
            break;
        case cmd::kFind:
            Find();
            break;
        case cmd::kFindNext:
            FindNext();
            break;
        default:
            break;
    }
}

void CQL7400View::CopyAsText() {
    // The selected rows also go to the desktop clipboard as a table for spreadsheets.
    std::vector<ChannelRef> channels;
    for (const unsigned channel : SelectedChannels()) channels.push_back({ShownBand(), channel});
    const std::string text =
        ExportChannels([this](std::string_view command) { return radio_.Query(command); }, channels,
                       TextFormat::kTsv);
    QApplication::clipboard()->setText(ToQString(text));
}

void CQL7400View::Paste() {
    const std::string check = Check("PASTE");
    if (check != "OK" && check != "NG") {
        if (prompts_.YesNo(Text(sid::kOverwriteHere)) != CUserPrompts::Answer::kYes) return;
    }
    const unsigned channel = CurrentChannel();
    SendRowCommand(cmd::kPaste, "PASTE");
    RefreshChannel(channel);
    Q_EMIT CommandStateChanged();
}

bool CQL7400View::CanClear(unsigned channel) const {
    return radio_.Query(Prefix(channel) + "CLEAR.CHECK") == "OK";
}

void CQL7400View::Clear() {
    // Every selected row that can be cleared, as one action.
    std::vector<std::string> commands;
    const std::vector<unsigned> channels = SelectedChannels();
    for (const unsigned channel : channels) {
        if (channels.size() == 1 || CanClear(channel))
            commands.push_back(Prefix(channel) + "CLEAR");
    }
    {
        const CUserAction action(radio_, PlainMenuText(cmd::kClear));
        const CApplying applying(applying_);
        (void)radio_.Apply(commands);
    }
    for (const unsigned channel : channels) RefreshChannel(channel);
    Q_EMIT CommandStateChanged();
}

void CQL7400View::Delete() {
    const unsigned channel = CurrentChannel();
    {
        const CWaitCursor busy;
        SendRowCommand(cmd::kDelete, "DELETE");
        RefreshChannel(channel);
    }
    RefreshAll();
    Q_EMIT CommandStateChanged();
}

void CQL7400View::Insert() {
    if (Check("INSERT") != "OK") {
        prompts_.Information(Text(sid::kCannotInsert));
        return;
    }
    const unsigned channel = CurrentChannel();
    {
        const CWaitCursor busy;
        SendRowCommand(cmd::kInsert, "INSERT");
        RefreshChannel(channel);
    }
    RefreshAll();
    Q_EMIT CommandStateChanged();
}

bool CQL7400View::EditMemory() {
    const unsigned channel = CurrentChannel();
    bool accepted = false;
    {
        const CUserAction action(radio_, EditMemoryStepName(model_->ShownBand(), channel));
        const CApplying applying(applying_);
        CEditMemoryDlg dialog(radio_, model_->ShownBand(), channel, this);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (accepted) {
        RefreshChannel(channel);
        Q_EMIT CommandStateChanged();
    }
    return accepted;
}

void CQL7400View::ShowChannel(Band band, unsigned channel) {
    if (band != ShownBand()) SetBand(band);
    // A blank channel asked for by name shows, with the others.
    if (filter_->RowOf(channel) < 0) SetHideEmpty(false);
    SelectChannel(channel);
}

bool CQL7400View::GoToChannel() {
    CGoToChannelDlg dialog(this);
    if (dialog.exec() != QDialog::Accepted) return false;
    ShowChannel(ShownBand(), dialog.Channel());
    return true;
}

bool CQL7400View::Find() {
    CFindDlg dialog(lastFind_, this);
    if (dialog.exec() != QDialog::Accepted || dialog.Text().isEmpty()) return false;
    lastFind_ = dialog.Text();
    return FindNext();
}

bool CQL7400View::FindNext() {
    if (lastFind_.isEmpty()) return Find();
    const std::optional<ChannelPlace> found =
        FindChannel(CChannelSearch(lastFind_.toStdString()), {ShownBand(), CurrentChannel()},
                    [this](std::string_view command) { return radio_.Query(command); });
    if (!found) {
        prompts_.Information(Text(sid::kFindNoMatch).arg(lastFind_));
        return false;
    }
    ShowChannel(found->band, found->channel);
    return true;
}

std::size_t CQL7400View::SelectedInUse() const {
    // From the rows as shown (a blank channel shows no frequency): asking the data on every
    // menu update would add to the command trace of every user.
    const std::vector<unsigned> channels = SelectedChannels();
    return static_cast<std::size_t>(
        std::count_if(channels.begin(), channels.end(), [this](unsigned channel) {
            return !model_->CellText(static_cast<int>(channel) - 1, kColFrequency).isEmpty();
        }));
}

bool CQL7400View::BulkEdit() {
    const std::vector<unsigned> channels = SelectedChannels();
    bool accepted = false;
    std::vector<unsigned> changed;
    {
        const CUserAction action(radio_, BulkEditStepName(SelectedInUse()));
        const CApplying applying(applying_);
        CBulkEditDlg dialog(radio_, ShownBand(), channels, prompts_, this);
        accepted = dialog.exec() == QDialog::Accepted;
        changed = dialog.Channels();
    }
    if (accepted) {
        for (const unsigned channel : changed) RefreshChannel(channel);
        Q_EMIT CommandStateChanged();
    }
    return accepted;
}

bool CQL7400View::event(QEvent* event) {
    // Enter and Delete belong to the list while it has the focus: Enter edits the row and
    // Delete clears it, whatever the menu entries' state.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsPlainKey(*key, {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Delete})) {
            event->accept();
            return true;
        }
    }
    return QTableView::event(event);
}

void CQL7400View::keyPressEvent(QKeyEvent* event) {
    if (IsPlainKey(*event, {Qt::Key_Return, Qt::Key_Enter})) {
        EditMemory();
        event->accept();
        return;
    }
    if (IsPlainKey(*event, {Qt::Key_Delete})) {
        Clear();
        QTableView::keyPressEvent(event);
        return;
    }
    if (IsMenuKey(*event)) {
        const QRect bar = CurrentRowBar();
        ShowContextMenu(viewport()->mapToGlobal(bar.isValid() ? bar.bottomLeft() : QPoint()));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void CQL7400View::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse) {
        ShowContextMenu(event->globalPos());
    } else {
        const QRect bar = CurrentRowBar();
        ShowContextMenu(viewport()->mapToGlobal(bar.isValid() ? bar.bottomLeft() : QPoint()));
    }
    event->accept();
}

void CQL7400View::ShowContextMenu(const QPoint& globalPos) {
    if (contextMenu_ == nullptr) return;
    // The entries' states follow the row the menu is opened over.
    Q_EMIT CommandStateChanged();
    contextMenu_->exec(globalPos);
}

void CQL7400View::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    viewport()->update();
}

void CQL7400View::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    viewport()->update();
}

QRect CQL7400View::CurrentRowBar() const {
    return RowBar(filter_->RowOf(CurrentChannel()));
}

QRect CQL7400View::RowBar(int row) const {
    if (row < 0 || row >= filter_->rowCount()) return {};
    const int top = rowViewportPosition(row);
    const int left = columnViewportPosition(0);
    const QHeaderView* columns = horizontalHeader();
    const int right =
        std::max(columnViewportPosition(kColumnCount - 1) + columns->sectionSize(kColumnCount - 1),
                 viewport()->width());
    return {QPoint(left, top), QPoint(right - 1, top + rowHeight(row) - 1)};
}

void CQL7400View::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (!hasFocus()) return;
    // The selection bar reaches the right edge of a list wider than its columns.
    const int end = columnViewportPosition(kColumnCount - 1) +
                    horizontalHeader()->sectionSize(kColumnCount - 1);
    if (end >= viewport()->width()) return;
    QPainter painter(viewport());
    for (const QModelIndex& selected : selectionModel()->selectedRows()) {
        const QRect bar = RowBar(selected.row());
        painter.fillRect(QRect(QPoint(end, bar.top()), bar.bottomRight()),
                         palette().brush(QPalette::Highlight));
    }
}

}  // namespace ql::ui
