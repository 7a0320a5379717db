#include "ui/ReportPages.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "ui/ChannelListReport.h"
#include "ui/StringTable.h"

namespace ql::ui {

namespace {

constexpr qreal kTextPoints = 9;
constexpr qreal kPdfMarginMillimetres = 15;
constexpr int kPdfResolution = 600;

QFont ReportFont() {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(kTextPoints);
    // Without ligatures: "ff" stays two letters in the PDF, so "Offset" can be searched for.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// The header's three texts on one line over a rule, within the top of page.
void PaintHeader(QPainter& painter, const QRectF& page, qreal line, const ReportHeader& header) {
    const QRectF row(page.left(), page.top(), page.width(), line);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, header.file);
    painter.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter,
                     Text(sid::kReportVersion).arg(header.version));
    painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, header.date.toString(Qt::ISODate));
    const qreal rule = page.top() + line * 1.25;
    painter.drawLine(QPointF(page.left(), rule), QPointF(page.right(), rule));
}

void PaintFooter(QPainter& painter, const QRectF& page, qreal line, int number, int count) {
    const QRectF row(page.left(), page.bottom() - line, page.width(), line);
    painter.drawText(row, Qt::AlignHCenter | Qt::AlignVCenter,
                     Text(sid::kReportPage).arg(number).arg(count));
}

}  // namespace

int PaintReportPages(const QString& html, const ReportHeader& header, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const QFont font = ReportFont();
    painter.setFont(font);
    const QRectF page(0, 0, device.width(), device.height());
    const qreal line = QFontMetricsF(font, &device).lineSpacing();
    // Two lines for the header with its rule, two for the page number.
    const QRectF body(page.left(), page.top() + 2 * line, page.width(), page.height() - 4 * line);
    if (body.height() <= line) return 0;

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    document.setHtml(html);
    document.setPageSize(body.size());

    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage()) return 0;
        PaintHeader(painter, page, line, header);
        PaintFooter(painter, page, line, i + 1, pages);
        const qreal top = i * body.height();
        painter.save();
        painter.translate(body.left(), body.top() - top);
        document.drawContents(&painter, QRectF(0, top, body.width(), body.height()));
        painter.restore();
    }
    return painter.end() ? pages : 0;
}

QByteArray ReportPdf(const QString& html, const ReportHeader& header) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(Text(sid::kAppTitle));
        writer.setTitle(Text(sid::kReportTitle) + QStringLiteral(" - ") + header.file);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPdfMarginMillimetres, kPdfMarginMillimetres,
                                                   kPdfMarginMillimetres, kPdfMarginMillimetres),
                                         QPageLayout::Millimeter));
        if (PaintReportPages(html, header, writer) == 0) return {};
    }
    return bytes;
}

}  // namespace ql::ui
