#pragma once

#include <QString>
#include <vector>

namespace ql::ui {

class CRadioCommands;

// One item as a dialog shows it: its label and the text of its control.
struct SummaryLine {
    QString label;
    QString value;
};

// The items of one page or dialog, in the order the page shows them.
struct SummarySection {
    QString title;
    std::vector<SummaryLine> lines;
};

// The Setting sheet's items page by page (" Common ", " Display ", " MIC Option "),
// labelled and shown as the pages show them; queries only.
[[nodiscard]] std::vector<SummarySection> CommonSettingsSummary(CRadioCommands& radio);
// The DTMF Autodial dialog's fourteen memories, then "Channel Selection" and "Speed".
[[nodiscard]] SummarySection DtmfSummary(CRadioCommands& radio);

}  // namespace ql::ui
