#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/CCrossThreadTones.h"
#include "app/CEditHistory.h"
#include "app/CQtCloneUi.h"
#include "app/CRecentFileList.h"
#include "app/CWorkerBridge.h"
#include "document/CCloneStation.h"
#include "model/C7400RadioData.h"
#include "ui/CCommandTarget.h"
#include "ui/CRadioCommands.h"
#include "ui/PortEntryText.h"

namespace ql {

class CCloneOperations;
class CCrossThreadCloneUi;
class CSerialLine;
class CSettingsStore;
class CTonePlayer;

namespace ui {
class CUserPrompts;
}

// The single document: owns the radio data object, the clone link and the clone file for
// the whole run. New, Open, Save and Save As, the save question, the recently-used files,
// Print, Print Preview and Export PDF of the channel list, the port commands, the three clone
// commands and the two settings dialogs (Common Setting, DTMF AutoDial) are its own commands. Every
// change a user makes to the data set arrives through Apply, as the command texts of one user
// action.
class CQL7400Doc final : public QObject, public ui::CRadioCommands, public ui::CCommandTarget {
    Q_OBJECT
  public:
    CQL7400Doc(CSettingsStore& settings, ui::CUserPrompts& prompts, CTonePlayer& tones,
               std::unique_ptr<CSerialLine> line);
    ~CQL7400Doc() override;
    CQL7400Doc(const CQL7400Doc&) = delete;
    CQL7400Doc& operator=(const CQL7400Doc&) = delete;

    // The main window that boxes, the progress dialog and status texts belong to.
    void SetWindow(QWidget* window);

    // One user action: runs each command text in order and returns the answers; the views
    // are refreshed once afterwards.
    std::vector<std::string> Apply(std::span<const std::string> commands) override;
    std::string Apply(std::string_view command);
    // The user action that the Apply calls until EndAction belong to: one undo step.
    void BeginAction() override;
    void EndAction(std::unique_ptr<ui::CDataSetStep> step) override;
    [[nodiscard]] CEditHistory& History() { return history_; }
    // A query for display; changes nothing and refreshes nothing.
    [[nodiscard]] std::string Query(std::string_view command) override;

    // The radio data object, for what is no command text (the command trace, tests).
    [[nodiscard]] C7400RadioData& RadioData() { return radio_; }

    // The document's commands of the menus and the toolbar.
    [[nodiscard]] bool IsEnabled(int command) override;
    [[nodiscard]] bool IsChecked(int command) override;
    void Execute(int command) override;
    [[nodiscard]] QString MenuText(int command) override;
    // Whether a clone read, write or information request is under way.
    [[nodiscard]] bool IsTransferRunning() const { return transferRunning_; }

    [[nodiscard]] bool IsModified();
    void SetModifiedFlag(bool modified);
    // The file the document was opened from or saved to; empty while untitled.
    [[nodiscard]] const QString& PathName() const { return path_; }
    // "Untitled" or the file's name.
    [[nodiscard]] QString Title() const;

    // The file commands. Each returns true when it was carried out.
    bool OnNewDocument();
    bool OnFileOpen();
    bool OnFileSave();
    bool OnFileSaveAs();
    bool OnOpenRecentFile(int index);
    // Opens path after asking to save a modified document (a file named on the command
    // line, a recent file); false when declined or when the file was refused.
    bool OpenDocumentFile(const QString& path);
    // The "Save changes to %1?" question for a modified document; false when the user
    // chose Cancel or the save failed, so that the edits must not be thrown away.
    bool SaveModified();

    [[nodiscard]] CRecentFileList& RecentFiles() { return recent_; }
    // The boxes and file dialogs of the document's window.
    [[nodiscard]] ui::CUserPrompts& Prompts() { return prompts_; }

    // The channel list on paper or in a PDF file: both bands' channels in use, the settings
    // and the DTMF memories, under a header that names the file, the version and the date.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Asks for the PDF file's name and writes it; false when cancelled or when it could not
    // be written (a warning names the file and the cause).
    bool OnExportPdf();

    // The port commands COM1 to COM4.
    void SetPort(unsigned number);
    [[nodiscard]] unsigned Port() const { return port_; }
    // Writes the port number to the settings (at exit).
    void StorePort();

    // The clone commands.
    void OnCloneRead();
    void OnCloneWrite();
    void OnCloneInformation();
    // File > Open Backup...: the file dialog in the folder of the reads' backups.
    bool OnOpenBackup();

    // Port Settings: the device of each port number.
    void OnPortSettings();
    // What finds the serial devices for the port entries and Port Settings (tests give a
    // fake tree's).
    void SetDeviceLister(ui::DeviceLister lister);

    // The settings dialogs: the "Setting" sheet and "DTMF Autodial".
    void OnCommonSetting();
    void OnDtmfAutoDial();

    // Edit > Undo and Redo: the last step taken back, the next one made again.
    void OnUndo();
    void OnRedo();

    [[nodiscard]] CCloneLink& Link() { return station_.Link(); }
    [[nodiscard]] CQtCloneUi& CloneUi() { return cloneUi_; }
    [[nodiscard]] const std::filesystem::path& CloneFilePath() const {
        return station_.File().Path();
    }

  Q_SIGNALS:
    // The data set changed: the views rebuild what they show.
    void DataChanged();
    void TitleChanged();
    void RecentFilesChanged();
    void PortChanged();
    // A text for the main window's message pane.
    void StatusText(const QString& text);

  private:
    bool DoSave(const QString& path);
    bool OpenFile(const QString& path);
    void SetPathName(const QString& path);
    [[nodiscard]] QString Filter() const;
    [[nodiscard]] QString Extension() const;
    void PrepareLink();
    void AfterHistoryMove(bool saved);
    // Keeps a backup of what a Clone in read; a failure is told in the status bar.
    void BackUpRead();
    // Runs one clone command on a worker thread and returns when it has ended; the window
    // keeps answering meanwhile, and the document counts as transferring. The data set is
    // only touched on the window's thread (CCloneUi::WithDataSet).
    void RunTransfer(const std::function<void(CCloneOperations&)>& transfer);

    // The document counts as transferring, and the progress dialog's cancel command reaches
    // the exchange, for the lifetime of the scope.
    class CTransferScope {
      public:
        CTransferScope(CQL7400Doc& doc, CCrossThreadCloneUi& crossing);
        ~CTransferScope();
        CTransferScope(const CTransferScope&) = delete;
        CTransferScope& operator=(const CTransferScope&) = delete;

      private:
        CQL7400Doc& doc_;
    };

    CSettingsStore& settings_;
    ui::CUserPrompts& prompts_;
    CWorkerBridge bridge_;     // the clone commands' worker thread
    CCrossThreadTones tones_;  // the link's signals, played on the window's thread
    CCloneStation station_;
    unsigned port_ = 1;  // the port commands' choice, 1 to 4
    C7400RadioData radio_;
    CEditHistory history_{radio_};
    CQtCloneUi cloneUi_;
    CRecentFileList recent_;
    QString path_;
    QPointer<QWidget> window_;
    bool modified_ = false;
    bool transferRunning_ = false;
    bool readLoaded_ = false;  // the last Clone in replaced the data set
    ui::DeviceLister lister_ = ui::SystemDeviceLister();
    // The devices last found, and when: the port entries look again after a moment.
    std::vector<SerialDevice> devices_;
    std::chrono::steady_clock::time_point devicesFound_{};
};

}  // namespace ql
