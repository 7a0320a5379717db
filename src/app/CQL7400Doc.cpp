#include "app/CQL7400Doc.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

#include "app/CCrossThreadCloneUi.h"
#include "app/DialogFolder.h"
#include "base/FileWriting.h"
#include "clone/CSerialLine.h"
#include "clone/PortDevices.h"
#include "desktop/QtText.h"
#include "document/CCloneOperations.h"
#include "document/DataFileDocument.h"
#include "document/ReadBackup.h"
#include "model/CSettingsStore.h"
#include "model/SettingsKeys.h"
#include "ui/CPortSettingsDlg.h"
#include "ui/CUserAction.h"
#include "ui/CUserPrompts.h"
#include "ui/CWaitCursor.h"
#include "ui/ChannelListReport.h"
#include "ui/PrintDialogs.h"
#include "ui/SettingsDialogs.h"
#include "ui/StringTable.h"

namespace ql {

CQL7400Doc::CQL7400Doc(CSettingsStore& settings, ui::CUserPrompts& prompts, CTonePlayer& tones,
                       std::unique_ptr<CSerialLine> line)
    : settings_(settings),
      prompts_(prompts),
      tones_(tones, bridge_),
      station_(std::move(line), tones_),
      radio_(settings),
      cloneUi_(prompts),
      recent_(settings) {
    port_ = StoredPortNumber(settings_);
    cloneUi_.SetStatusSink([this](const QString& text) { Q_EMIT StatusText(text); });
    cloneUi_.SetLoadedSink([this] {
        // A read replaces the data set, which no file holds yet.
        history_.Forget(false);
        readLoaded_ = true;
        SetModifiedFlag(true);
        Q_EMIT DataChanged();
    });
    radio_.Reset();
}

CQL7400Doc::~CQL7400Doc() = default;

void CQL7400Doc::SetWindow(QWidget* window) {
    window_ = window;
    cloneUi_.SetWindow(window);
    prompts_.SetOwner(window);
}

std::vector<std::string> CQL7400Doc::Apply(std::span<const std::string> commands) {
    // A change that comes with no user action of its own is a step of its own.
    std::unique_ptr<ui::CUserAction> own;
    if (!history_.InAction()) {
        own = std::make_unique<ui::CUserAction>(*this, ui::Text(ui::sid::kStepChange));
    }
    std::vector<std::string> answers;
    answers.reserve(commands.size());
    for (const std::string& command : commands) answers.push_back(radio_.Command(command));
    own.reset();  // the step is in the history before the window asks what Undo can do
    Q_EMIT DataChanged();
    Q_EMIT TitleChanged();
    return answers;
}

std::string CQL7400Doc::Apply(std::string_view command) {
    const std::string text(command);
    return Apply(std::span<const std::string>(&text, 1)).front();
}

void CQL7400Doc::BeginAction() {
    history_.Begin();
}

void CQL7400Doc::EndAction(std::unique_ptr<ui::CDataSetStep> step) {
    history_.End(std::move(step));
}

void CQL7400Doc::OnUndo() {
    AfterHistoryMove(history_.Undo());
}

void CQL7400Doc::OnRedo() {
    AfterHistoryMove(history_.Redo());
}

void CQL7400Doc::AfterHistoryMove(bool saved) {
    if (saved) modified_ = false;
    Q_EMIT DataChanged();
    Q_EMIT TitleChanged();
}

std::string CQL7400Doc::Query(std::string_view command) {
    return radio_.Command(command);
}

bool CQL7400Doc::IsModified() {
    return modified_ || radio_.IsModified();
}

void CQL7400Doc::SetModifiedFlag(bool modified) {
    modified_ = modified;
    Q_EMIT TitleChanged();
}

QString CQL7400Doc::Title() const {
    return path_.isEmpty() ? ui::Text(ui::sid::kUntitled) : QFileInfo(path_).fileName();
}

void CQL7400Doc::SetPathName(const QString& path) {
    path_ = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    Q_EMIT TitleChanged();
}

QString CQL7400Doc::Filter() const {
    return ui::TextPart(ui::sid::kDocTemplate, 3);
}

QString CQL7400Doc::Extension() const {
    return ui::TextPart(ui::sid::kDocTemplate, 4);
}

bool CQL7400Doc::SaveModified() {
    if (!IsModified()) return true;
    const QString question = ui::Text(ui::sid::kAskToSave).arg(Title());
    switch (prompts_.YesNoCancel(question)) {
        case ui::CUserPrompts::Answer::kYes:
            return OnFileSave();
        case ui::CUserPrompts::Answer::kNo:
            return true;
        default:
            return false;
    }
}

bool CQL7400Doc::OnNewDocument() {
    if (!SaveModified()) return false;
    {
        const ui::CWaitCursor busy;
        radio_.Reset();
    }
    history_.Forget(true);
    modified_ = false;
    SetPathName({});
    Q_EMIT DataChanged();
    return true;
}

bool CQL7400Doc::OnFileOpen() {
    if (!SaveModified()) return false;
    const std::optional<QString> path = prompts_.OpenFile(Filter(), DialogFolder(settings_, path_));
    if (!path) return false;
    RememberDialogFolder(settings_, *path);
    return OpenFile(*path);
}

bool CQL7400Doc::OpenDocumentFile(const QString& path) {
    if (!SaveModified()) return false;
    return OpenFile(path);
}

bool CQL7400Doc::OnOpenRecentFile(int index) {
    if (index < 0 || index >= recent_.Files().size()) return false;
    const QString path = recent_.Files().at(index);
    if (!SaveModified()) return false;
    if (OpenFile(path)) return true;
    // A recent file that can no longer be opened leaves the list.
    recent_.Remove(path);
    Q_EMIT RecentFilesChanged();
    return false;
}

bool CQL7400Doc::OpenFile(const QString& path) {
    DataFileResult result;
    {
        const ui::CWaitCursor busy;
        result = OpenDataFile(radio_, path.toStdString());
    }
    if (!result.ok) {
        prompts_.Warning(ui::Text(ui::sid::kOpenFailed).arg(ToQString(result.message)));
        return false;
    }
    history_.Forget(true);
    modified_ = false;
    SetPathName(path);
    recent_.Add(path_);
    Q_EMIT RecentFilesChanged();
    Q_EMIT DataChanged();
    return true;
}

bool CQL7400Doc::OnFileSave() {
    if (path_.isEmpty()) return OnFileSaveAs();
    return DoSave(path_);
}

bool CQL7400Doc::OnFileSaveAs() {
    const QString suggested = path_.isEmpty() ? Title() : path_;
    const std::optional<QString> path =
        prompts_.SaveFile(suggested, Filter(), Extension(), DialogFolder(settings_, path_));
    if (!path) return false;
    RememberDialogFolder(settings_, *path);
    QString chosen = *path;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += Extension();
    return DoSave(chosen);
}

bool CQL7400Doc::DoSave(const QString& path) {
    DataFileResult result;
    {
        const ui::CWaitCursor busy;
        result = SaveDataFile(radio_, path.toStdString());
    }
    if (!result.ok) {
        // The file on disk is as it was, and the document keeps its changes.
        radio_.SetModified(true);
        Q_EMIT TitleChanged();
        prompts_.Warning(ui::Text(ui::sid::kSaveFailed).arg(ToQString(result.message)));
        return false;
    }
    history_.MarkSaved();
    modified_ = false;
    SetPathName(path);
    recent_.Add(path_);
    Q_EMIT RecentFilesChanged();
    return true;
}

void CQL7400Doc::OnFilePrint() {
    const ui::CChannelListReport report(*this, Title(), QDate::currentDate());
    if (!ui::RunPrintDialog(report, window_)) prompts_.Warning(ui::Text(ui::sid::kPrintFailed));
}

void CQL7400Doc::OnFilePrintPreview() {
    const ui::CChannelListReport report(*this, Title(), QDate::currentDate());
    ui::RunPrintPreview(report, window_);
}

bool CQL7400Doc::OnExportPdf() {
    const QString extension = ui::TextPart(ui::sid::kPdfFileType, 1);
    const QString suggested = QFileInfo(Title()).completeBaseName() + extension;
    const std::optional<QString> path =
        prompts_.SaveFile(suggested, ui::TextPart(ui::sid::kPdfFileType, 0), extension,
                          DialogFolder(settings_, path_));
    if (!path) return false;
    RememberDialogFolder(settings_, *path);
    QString chosen = *path;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += extension;

    FileSaveResult saved;
    {
        const ui::CWaitCursor busy;
        const QByteArray pdf = ui::CChannelListReport(*this, Title(), QDate::currentDate()).Pdf();
        // The report could not be painted: nothing to write, for a reason the system names.
        saved = pdf.isEmpty() ? FileSaveResult{SaveFailure::System, EIO}
                              : ql::SaveFile(chosen.toStdString(),
                                             std::string_view(pdf.constData(), pdf.size()),
                                             Durability::Flushed);
    }
    if (!saved.Ok()) {
        prompts_.Warning(ui::Text(ui::sid::kPdfFailed).arg(chosen, ToQString(saved.Cause())));
        return false;
    }
    return true;
}

void CQL7400Doc::SetPort(unsigned number) {
    if (number < 1 || number > kPortCount) return;
    port_ = number;
    Q_EMIT PortChanged();
}

void CQL7400Doc::StorePort() {
    settings_.SetInt(settings::kCommPort, settings::kPortNumber, static_cast<int>(port_));
}

void CQL7400Doc::PrepareLink() {
    station_.Link().SetDevice(ResolvePort(settings_, port_));
}

void CQL7400Doc::RunTransfer(const std::function<void(CCloneOperations&)>& transfer) {
    // The link serves one exchange at a time.
    if (transferRunning_) return;
    PrepareLink();
    CCrossThreadCloneUi crossing(cloneUi_, bridge_);
    CCloneOperations operations = station_.Operations(radio_, crossing);
    const CTransferScope scope(*this, crossing);
    bridge_.Run([&] { transfer(operations); }, [this] { return cloneUi_.Progress() != nullptr; });
}

CQL7400Doc::CTransferScope::CTransferScope(CQL7400Doc& doc, CCrossThreadCloneUi& crossing)
    : doc_(doc) {
    doc_.transferRunning_ = true;
    doc_.cloneUi_.SetCancelSink([&crossing] { crossing.RequestCancel(); });
}

CQL7400Doc::CTransferScope::~CTransferScope() {
    doc_.cloneUi_.SetCancelSink({});
    doc_.transferRunning_ = false;
}

void CQL7400Doc::OnCloneRead() {
    const bool modified = IsModified();
    readLoaded_ = false;
    RunTransfer([modified](CCloneOperations& operations) { (void)operations.CloneIn(modified); });
    if (readLoaded_) BackUpRead();
}

void CQL7400Doc::BackUpRead() {
    // What was read stays whatever the backup's fate: a failure is only told.
    const ReadBackupResult backup =
        ql::BackUpRead(radio_, DataHomesOfEnvironment(), std::chrono::system_clock::now());
    if (!backup.ok)
        Q_EMIT StatusText(ui::Text(ui::sid::kBackupFailed).arg(ToQString(backup.message)));
}

bool CQL7400Doc::OnOpenBackup() {
    if (!SaveModified()) return false;
    const DataHomes homes = DataHomesOfEnvironment();
    const std::optional<std::filesystem::path> folder = BackupFolder(homes.xdgDataHome, homes.home);
    QString start = DialogFolder(settings_, path_);
    if (folder) {
        std::error_code ignored;
        std::filesystem::create_directories(*folder, ignored);
        if (std::filesystem::is_directory(*folder, ignored)) start = ToQString(folder->string());
    }
    const std::optional<QString> path = prompts_.OpenFile(Filter(), start);
    if (!path) return false;
    return OpenFile(*path);
}

void CQL7400Doc::OnCloneWrite() {
    RunTransfer([](CCloneOperations& operations) { (void)operations.CloneOut(); });
}

void CQL7400Doc::OnCloneInformation() {
    RunTransfer([](CCloneOperations& operations) { (void)operations.CloneInformation(); });
}

void CQL7400Doc::OnCommonSetting() {
    const ui::CUserAction action(*this, ui::PlainMenuText(ui::cmd::kCommonSetting));
    ui::RunCommonSettingSheet(*this, window_);
}

void CQL7400Doc::OnDtmfAutoDial() {
    const ui::CUserAction action(*this, ui::PlainMenuText(ui::cmd::kDtmfAutoDial));
    ui::RunDtmfAutodial(*this, window_);
}

namespace {
// The port number (1-4) of a port command, 0 for any other command.
unsigned PortOfCommand(int command) {
    const int number = command - ui::cmd::kCom1 + 1;
    return number >= 1 && number <= static_cast<int>(kPortCount) ? static_cast<unsigned>(number)
                                                                 : 0;
}
}  // namespace

void CQL7400Doc::SetDeviceLister(ui::DeviceLister lister) {
    lister_ = std::move(lister);
    devicesFound_ = {};
    Q_EMIT PortChanged();
}

void CQL7400Doc::OnPortSettings() {
    ui::CPortSettingsDlg dialog(settings_, port_, lister_, window_);
    if (dialog.exec() != QDialog::Accepted) return;
    devicesFound_ = {};
    Q_EMIT PortChanged();
}

QString CQL7400Doc::MenuText(int command) {
    if (command == ui::cmd::kUndo) {
        return history_.CanUndo() ? ui::Text(ui::sid::kUndoNamed).arg(history_.UndoName())
                                  : ToQString(ui::MenuText(command));
    }
    if (command == ui::cmd::kRedo) {
        return history_.CanRedo() ? ui::Text(ui::sid::kRedoNamed).arg(history_.RedoName())
                                  : ToQString(ui::MenuText(command));
    }
    const unsigned port = PortOfCommand(command);
    if (port == 0) return {};
    // Looking through the system's devices takes a moment: once a second is enough for menus.
    const auto now = std::chrono::steady_clock::now();
    if (devicesFound_ == std::chrono::steady_clock::time_point{} ||
        now - devicesFound_ > std::chrono::seconds(1)) {
        devices_ = lister_ ? lister_() : std::vector<SerialDevice>{};
        devicesFound_ = now;
    }
    return ui::PortEntryText(port, ResolvePort(settings_, port), devices_);
}

bool CQL7400Doc::IsEnabled(int command) {
    const bool historyFree = !transferRunning_ && !history_.InAction();
    if (command == ui::cmd::kUndo) return historyFree && history_.CanUndo();
    if (command == ui::cmd::kRedo) return historyFree && history_.CanRedo();
    // The recent-file entry stands in an empty list's place and is never chosen.
    return command != ui::cmd::kRecentFile;
}

bool CQL7400Doc::IsChecked(int command) {
    const unsigned port = PortOfCommand(command);
    return port != 0 && port == port_;
}

void CQL7400Doc::Execute(int command) {
    if (const unsigned port = PortOfCommand(command); port != 0) {
        SetPort(port);
        return;
    }
    switch (command) {
        case ui::cmd::kNew:
            OnNewDocument();
            break;
        case ui::cmd::kOpen:
            OnFileOpen();
            break;
        case ui::cmd::kSave:
            OnFileSave();
            break;
        case ui::cmd::kSaveAs:
            OnFileSaveAs();
            break;
        case ui::cmd::kPrint:
            OnFilePrint();
            break;
        case ui::cmd::kPrintPreview:
            OnFilePrintPreview();
            break;
        case ui::cmd::kExportPdf:
            OnExportPdf();
            break;
        case ui::cmd::kCloneIn:
            OnCloneRead();
            break;
        case ui::cmd::kCloneOut:
            OnCloneWrite();
            break;
        case ui::cmd::kCloneInfo:
            OnCloneInformation();
            break;
        case ui::cmd::kPortSettings:
            OnPortSettings();
            break;
        case ui::cmd::kCommonSetting:
            OnCommonSetting();
            break;
        case ui::cmd::kDtmfAutoDial:
            OnDtmfAutoDial();
            break;
        case ui::cmd::kUndo:
            OnUndo();
            break;
        case ui::cmd::kOpenBackup:
            OnOpenBackup();
            break;
        case ui::cmd::kRedo:
            OnRedo();
            break;
        default:
            break;
    }
}

}  // namespace ql
