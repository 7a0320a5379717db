#include "app/CInterchangeCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <memory>
#include <string>
#include <vector>

#include "app/CQL7400Doc.h"
#include "app/DialogFolder.h"
#include "base/FileWriting.h"
#include "desktop/QtText.h"
#include "document/ChannelExport.h"
#include "document/ChannelFile.h"
#include "ui/CExportCsvDlg.h"
#include "ui/CImportCsvDlg.h"
#include "ui/CQL7400View.h"
#include "ui/CUserAction.h"
#include "ui/CUserPrompts.h"
#include "ui/ChannelRow.h"
#include "ui/StringTable.h"

namespace ql {

CInterchangeCommands::CInterchangeCommands(CQL7400Doc& doc, ui::CQL7400View& view,
                                           CSettingsStore& settings)
    : doc_(doc), view_(view), settings_(settings) {}

bool CInterchangeCommands::IsEnabled(int command) {
    // Nothing changes the data set while a clone command runs.
    return !doc_.IsTransferRunning() &&
           (command == ui::cmd::kImportCsv || command == ui::cmd::kExportCsv ||
            command == ui::cmd::kPasteText);
}

bool CInterchangeCommands::IsChecked(int /*command*/) {
    return false;
}

void CInterchangeCommands::Execute(int command) {
    switch (command) {
        case ui::cmd::kImportCsv:
            ImportCsv();
            break;
        case ui::cmd::kExportCsv:
            ExportCsv();
            break;
        case ui::cmd::kPasteText:
            PasteText();
            break;
        default:
            break;
    }
}

CommandQuery CInterchangeCommands::Query() const {
    return [&doc = doc_](std::string_view command) { return doc.Query(command); };
}

QString CInterchangeCommands::Folder() const {
    return DialogFolder(settings_, doc_.PathName());
}

bool CInterchangeCommands::ImportCsv() {
    ui::CUserPrompts& prompts = doc_.Prompts();
    const std::optional<QString> path = prompts.OpenFile(ui::Text(ui::sid::kCsvFilter), Folder());
    if (!path) return false;
    RememberDialogFolder(settings_, *path);
    const QString name = QFileInfo(*path).fileName();
    std::string error;
    const std::optional<std::string> text = ReadChannelFile(path->toStdString(), error);
    const Band band = view_.ShownBand();
    ChannelImportOptions options;
    options.bands = OnlyBand(band);
    const ChannelImportPlan atNumbers =
        text ? PlanChannelImport(*text, Query(), options) : ChannelImportPlan{error, {}, {}, {}};
    if (!atNumbers.Ok()) {
        prompts.Warning(ui::Text(ui::sid::kImportUnreadable).arg(name, ToQString(atNumbers.error)));
        return false;
    }
    // The rows may also go from the selected memory channel on.
    const unsigned selected = view_.CurrentChannel();
    std::optional<ChannelImportPlan> atSelection;
    if (selected <= kLastMemoryChannel) {
        options.firstChannel = selected;
        atSelection = PlanChannelImport(*text, Query(), options);
    }
    ui::CImportCsvDlg dialog(ui::Text(ui::sid::kImportTitle), name, band, atNumbers,
                             atSelection ? &*atSelection : nullptr, selected, view_.window());
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyPlan(dialog.Chosen(), false);
    return true;
}

bool CInterchangeCommands::ExportCsv() {
    const Band band = view_.ShownBand();
    const std::vector<unsigned> selected = view_.SelectedChannels();
    ui::CExportCsvDlg dialog(band, selected.size(), view_.window());
    if (dialog.exec() != QDialog::Accepted) return false;
    std::string text;
    switch (dialog.Chosen()) {
        case ui::CExportCsvDlg::Choice::kSelected: {
            std::vector<ChannelRef> channels;
            channels.reserve(selected.size());
            for (const unsigned channel : selected) channels.push_back({band, channel});
            text = ExportChannels(Query(), channels, TextFormat::kCsv);
            break;
        }
        case ui::CExportCsvDlg::Choice::kBand:
            text = ExportBands(Query(), OnlyBand(band), TextFormat::kCsv);
            break;
        case ui::CExportCsvDlg::Choice::kBoth:
            text = ExportBands(Query(), BandChoice::kBoth, TextFormat::kCsv);
            break;
    }
    ui::CUserPrompts& prompts = doc_.Prompts();
    const QString suggested = QFileInfo(doc_.Title()).completeBaseName() + QStringLiteral(".csv");
    const std::optional<QString> path = prompts.SaveFile(suggested, ui::Text(ui::sid::kCsvFilter),
                                                         QStringLiteral(".csv"), Folder());
    if (!path) return false;
    RememberDialogFolder(settings_, *path);
    QString chosen = *path;
    if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".csv");
    const FileSaveResult saved = SaveFile(chosen.toStdString(), text, Durability::Flushed);
    if (!saved.Ok()) {
        prompts.Warning(ui::Text(ui::sid::kExportFailed).arg(chosen, ToQString(saved.Cause())));
        return false;
    }
    return true;
}

bool CInterchangeCommands::PasteText() {
    ui::CUserPrompts& prompts = doc_.Prompts();
    const Band band = view_.ShownBand();
    // Rows go into memory channels only: from a scan edge or the call channel, from channel 1.
    const unsigned first = view_.CurrentChannel();
    ChannelImportOptions options;
    options.bands = OnlyBand(band);
    options.firstChannel = first <= kLastMemoryChannel ? first : 1;
    options.headerOptional = true;
    const QString clipboard = QApplication::clipboard()->text();
    const ChannelImportPlan plan =
        static_cast<std::size_t>(clipboard.size()) > kMaxChannelFileSize
            ? ChannelImportPlan{"more text than a channel list holds", {}, {}, {}}
            : PlanChannelImport(clipboard.toStdString(), Query(), options);
    if (!plan.Ok()) {
        prompts.Warning(ui::Text(ui::sid::kPasteTextUnreadable).arg(ToQString(plan.error)));
        return false;
    }
    if (!plan.refused.empty() || plan.channels.empty()) {
        ui::CImportCsvDlg dialog(ui::Text(ui::sid::kPasteTextTitle),
                                 ui::Text(ui::sid::kClipboardSource), band, plan, nullptr,
                                 options.firstChannel.value_or(1), view_.window());
        if (dialog.exec() != QDialog::Accepted) return false;
    }
    std::size_t inUse = 0;
    for (const ChannelRef& channel : plan.channels) {
        if (doc_.Query(ChannelPath(channel.band, channel.channel) + "APPEAR") == "ON") ++inUse;
    }
    if (inUse > 0 && prompts.YesNo(ui::Text(ui::sid::kPasteTextOverwrite).arg(inUse)) !=
                         ui::CUserPrompts::Answer::kYes) {
        return false;
    }
    ApplyPlan(plan, true);
    return true;
}

void CInterchangeCommands::ApplyPlan(const ChannelImportPlan& plan, bool paste) {
    {
        const ui::CUserAction action(
            doc_, paste ? ui::PlainMenuText(ui::cmd::kPasteText) : ui::Text(ui::sid::kStepImport));
        (void)doc_.Apply(plan.commands);
    }
    if (!plan.channels.empty()) {
        view_.ShowChannel(plan.channels.front().band, plan.channels.front().channel);
    }
}

}  // namespace ql
