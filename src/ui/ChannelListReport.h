#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class QPagedPaintDevice;

namespace ql::ui {

class CRadioCommands;

// What the page header of the printed channel list names.
struct ReportHeader {
    QString file;     // the data file's name, or "Untitled"
    QString version;  // the radio's version, as "MODEL.COUNTRY" answers it ("USA-A")
    QDate date;       // shown as YYYY-MM-DD whatever the locale
};

// The channel list to keep in the car: the channels in use of both bands with the list's
// columns, then the Setting sheet's items and the DTMF memories. The text is taken with
// queries when the report is made, as HTML with every value escaped; it is printed as text
// (not as pictures of widgets), so that a PDF of it can be searched and read aloud.
class CChannelListReport {
  public:
    CChannelListReport(CRadioCommands& radio, QString file, QDate date);

    [[nodiscard]] const ReportHeader& Header() const { return header_; }
    [[nodiscard]] const QString& Html() const { return html_; }

    // Lays the report out on the device's pages and paints them, each with the header and
    // "Page N of M" below: the number of pages, 0 when the device could not be painted on.
    int Print(QPagedPaintDevice& device) const;
    // The report as a PDF file's bytes (A4); empty when it could not be made.
    [[nodiscard]] QByteArray Pdf() const;

  private:
    ReportHeader header_;
    QString html_;
};

}  // namespace ql::ui
