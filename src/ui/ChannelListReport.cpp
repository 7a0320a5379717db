#include "ui/ChannelListReport.h"

#include <utility>

#include "desktop/QtText.h"
#include "model/ChannelPath.h"
#include "ui/CChannelListModel.h"
#include "ui/CRadioCommands.h"
#include "ui/ChannelRow.h"
#include "ui/ReportPages.h"
#include "ui/SettingsSummary.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString Heading(int level, const QString& text) {
    return QStringLiteral("<h%1>%2</h%1>\n").arg(level).arg(Escaped(text));
}

// A cell of the list's columns, aligned as the list aligns it.
QString Cell(const QString& tag, int column, const QString& text) {
    const bool right = CChannelListModel::ColumnAlignment(column).testFlag(Qt::AlignRight);
    return QStringLiteral("<%1%2>%3</%1>")
        .arg(tag, right ? QStringLiteral(" align=\"right\"") : QString(), Escaped(text));
}

// A table with thin rules; the channel tables take the page's width.
QString TableStart(bool fullWidth = false) {
    return QStringLiteral(
               "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\"%1 "
               "style=\"border-collapse: collapse; border-color: #808080\">\n")
        .arg(fullWidth ? QStringLiteral(" width=\"100%\"") : QString());
}

// The channels in use of one band: every column of the list but the empty last one, the
// header row repeated on each page.
QString BandTable(CRadioCommands& radio, Band band, int title) {
    QString html = Heading(2, Text(title));
    QString rows;
    const ChannelQuery query = [&radio](std::string_view command) { return radio.Query(command); };
    for (unsigned channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelRowTexts row = BuildChannelRow(query, ChannelPath(band, channel), channel);
        // A blank channel shows only its label.
        if (row[kColFrequency].empty()) continue;
        rows += QStringLiteral("<tr>");
        for (int column = 0; column < kColEmpty; ++column) {
            rows += Cell(QStringLiteral("td"), column,
                         ToQString(row.at(static_cast<std::size_t>(column))));
        }
        rows += QStringLiteral("</tr>\n");
    }
    if (rows.isEmpty())
        return html + QStringLiteral("<p>%1</p>\n").arg(Escaped(Text(sid::kReportNoChannels)));
    html += TableStart(true) + QStringLiteral("<thead><tr>");
    for (int column = 0; column < kColEmpty; ++column) {
        html += Cell(QStringLiteral("th"), column, CChannelListModel::HeaderText(column));
    }
    return html + QStringLiteral("</tr></thead>\n") + rows + QStringLiteral("</table>\n");
}

QString SummaryTable(const SummarySection& section, int level) {
    QString html = Heading(level, section.title) + TableStart();
    for (const SummaryLine& line : section.lines) {
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(Escaped(line.label), Escaped(line.value));
    }
    return html + QStringLiteral("</table>\n");
}

QString ReportHtml(CRadioCommands& radio) {
    QString html = QStringLiteral("<html><body>\n") + Heading(1, Text(sid::kReportTitle));
    html += BandTable(radio, Band::kVhf, sid::kReportVhfChannels);
    html += BandTable(radio, Band::kUhf, sid::kReportUhfChannels);
    html += Heading(2, Text(sid::kReportSettings));
    for (const SummarySection& page : CommonSettingsSummary(radio)) html += SummaryTable(page, 3);
    html += SummaryTable(DtmfSummary(radio), 2);
    return html + QStringLiteral("</body></html>\n");
}

}  // namespace

CChannelListReport::CChannelListReport(CRadioCommands& radio, QString file, QDate date)
    : header_{std::move(file), ToQString(radio.Query("MODEL.COUNTRY")), date},
      html_(ReportHtml(radio)) {}

int CChannelListReport::Print(QPagedPaintDevice& device) const {
    return PaintReportPages(html_, header_, device);
}

QByteArray CChannelListReport::Pdf() const {
    return ReportPdf(html_, header_);
}

}  // namespace ql::ui
