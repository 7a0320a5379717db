#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

namespace ql::ui {

struct ReportHeader;

// Lays html out on the pages of device and paints them as text: on top of each page the file,
// the version and the date over a rule, at its foot "Page N of M". Table rows are not split
// between pages, and a table's header row is repeated on each page it continues on. Returns
// the number of pages, 0 when the device could not be painted on.
int PaintReportPages(const QString& html, const ReportHeader& header, QPagedPaintDevice& device);

// The same as the bytes of a PDF file on A4 pages; empty when it could not be made.
[[nodiscard]] QByteArray ReportPdf(const QString& html, const ReportHeader& header);

}  // namespace ql::ui
