#include "app/CQL7400Doc.h"

#include <QApplication>
#include <QFileInfo>

#include "clone/CSerialLine.h"
#include "clone/PortDevices.h"
#include "document/CCloneOperations.h"
#include "document/DataFileDocument.h"
#include "model/CSettingsStore.h"
#include "ui/CUserPrompts.h"
#include "ui/StringTable.h"

namespace ql {

namespace {
// The wait cursor for one blocking piece of work.
class CBusy {
  public:
    CBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CBusy() { QApplication::restoreOverrideCursor(); }
    CBusy(const CBusy&) = delete;
    CBusy& operator=(const CBusy&) = delete;
};
}  // namespace

CQL7400Doc::CQL7400Doc(CSettingsStore& settings, ui::CUserPrompts& prompts, CTonePlayer& tones,
                       std::unique_ptr<CSerialLine> line)
    : settings_(settings),
      prompts_(prompts),
      link_(std::move(line), clock_, tones),
      radio_(settings),
      cloneUi_(prompts),
      recent_(settings) {
    link_.SetExpectedBlocks(kExpectedBlocks);
    port_ = StoredPortNumber(settings_);
    cloneUi_.SetStatusSink([this](const QString& text) { Q_EMIT StatusText(text); });
    cloneUi_.SetLoadedSink([this] {
        SetModifiedFlag(true);
        Q_EMIT DataChanged();
    });
    radio_.Reset();
}

CQL7400Doc::~CQL7400Doc() {
    settings_.SetInt("CommPort", "PortNumber", static_cast<int>(port_));
}

void CQL7400Doc::SetWindow(QWidget* window) {
    cloneUi_.SetWindow(window);
    prompts_.SetOwner(window);
}

std::vector<std::string> CQL7400Doc::Apply(std::span<const std::string> commands) {
    std::vector<std::string> answers;
    answers.reserve(commands.size());
    for (const std::string& command : commands) answers.push_back(radio_.Command(command));
    Q_EMIT DataChanged();
    Q_EMIT TitleChanged();
    return answers;
}

std::string CQL7400Doc::Apply(std::string_view command) {
    const std::string text(command);
    return Apply(std::span<const std::string>(&text, 1)).front();
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
        const CBusy busy;
        radio_.Reset();
    }
    modified_ = false;
    SetPathName({});
    Q_EMIT DataChanged();
    return true;
}

bool CQL7400Doc::OnFileOpen() {
    if (!SaveModified()) return false;
    const std::optional<QString> path = prompts_.OpenFile(Filter());
    if (!path) return false;
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
        const CBusy busy;
        result = OpenDataFile(radio_, path.toStdString());
    }
    if (!result.ok) {
        prompts_.Warning(ui::Text(ui::sid::kOpenFailed).arg(ToQString(result.message)));
        return false;
    }
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
    const std::optional<QString> path = prompts_.SaveFile(suggested, Filter(), Extension());
    if (!path) return false;
    QString chosen = *path;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += Extension();
    return DoSave(chosen);
}

bool CQL7400Doc::DoSave(const QString& path) {
    DataFileResult result;
    {
        const CBusy busy;
        result = SaveDataFile(radio_, path.toStdString());
    }
    if (!result.ok) {
        // The file on disk is as it was, and the document keeps its changes.
        radio_.SetModified(true);
        Q_EMIT TitleChanged();
        prompts_.Warning(ui::Text(ui::sid::kSaveFailed).arg(ToQString(result.message)));
        return false;
    }
    modified_ = false;
    SetPathName(path);
    recent_.Add(path_);
    Q_EMIT RecentFilesChanged();
    return true;
}

void CQL7400Doc::SetPort(unsigned number) {
    if (number < 1 || number > kPortCount) return;
    port_ = number;
    Q_EMIT PortChanged();
}

void CQL7400Doc::PrepareLink() {
    link_.SetDevice(ResolvePort(settings_, port_));
}

void CQL7400Doc::OnCloneRead() {
    PrepareLink();
    CCloneOperations operations(radio_, link_, cloneFile_.Path(), cloneUi_);
    (void)operations.CloneIn(IsModified());
}

void CQL7400Doc::OnCloneWrite() {
    PrepareLink();
    CCloneOperations operations(radio_, link_, cloneFile_.Path(), cloneUi_);
    (void)operations.CloneOut();
}

void CQL7400Doc::OnCloneInformation() {
    PrepareLink();
    CCloneOperations operations(radio_, link_, cloneFile_.Path(), cloneUi_);
    (void)operations.CloneInformation();
}

}  // namespace ql
