#pragma once

class QWidget;

namespace ql::ui {

class CChannelListReport;

// "Print...": the print dialog, then the report on the printer chosen. False when the
// printer could not be painted on; a cancelled dialog counts as done.
bool RunPrintDialog(const CChannelListReport& report, QWidget* parent);
// "Print Preview...": the pages as Print would print them, with the printer's settings at hand.
void RunPrintPreview(const CChannelListReport& report, QWidget* parent);

}  // namespace ql::ui
