#include "ui/PrintDialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/ChannelListReport.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {
void NamePrintJob(QPrinter& printer, const CChannelListReport& report) {
    printer.setDocName(Text(sid::kReportTitle) + QStringLiteral(" - ") + report.Header().file);
    printer.setCreator(Text(sid::kAppTitle));
}
}  // namespace

bool RunPrintDialog(const CChannelListReport& report, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    NamePrintJob(printer, report);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return true;
    return report.Print(printer) > 0;
}

void RunPrintPreview(const CChannelListReport& report, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    NamePrintJob(printer, report);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter* target) { report.Print(*target); });
    dialog.exec();
}

}  // namespace ql::ui
