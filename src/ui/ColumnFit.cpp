#include "ui/ColumnFit.h"

#include <QFontMetrics>
#include <algorithm>

#include "ui/CChannelRowDelegate.h"
#include "ui/ChannelRow.h"

namespace ql::ui {

namespace {
// A number of whole and decimal figures, written once with each figure: the widest of them
// bounds every number of that shape, whichever figure a font draws widest.
QStringList Figures(int whole, int decimals, const QString& suffix = QString()) {
    QStringList numbers;
    for (char figure = '0'; figure <= '9'; ++figure) {
        numbers.append(QString(whole, QLatin1Char(figure)) + QLatin1Char('.') +
                       QString(decimals, QLatin1Char(figure)) + suffix);
    }
    return numbers;
}
}  // namespace

QStringList WidestCellTexts(int column) {
    switch (column) {
        case kColLabel:
            return {QStringLiteral("CALL"), QStringLiteral("P3B"), QStringLiteral("99")};
        case kColFrequency:
            // "145.0000", below 1000 MHz; an illegal one carries " ?".
            return Figures(3, 4, QStringLiteral(" ?"));
        case kColDuplex:
            return {QStringLiteral("-Dup"), QStringLiteral("+Dup")};
        case kColOffset:
            // "0.6000", at most 20 MHz.
            return Figures(2, 4);
        case kColName:
            return {QStringLiteral("WWWWWWWW"), QStringLiteral("MMMMMMMM"),
                    QStringLiteral("------")};
        case kColTone:
            return {QStringLiteral("TONE"), QStringLiteral("TSQL")};
        case kColRepeaterTone:
        case kColSquelchTone:
            // "88.5" to "254.1".
            return Figures(3, 1);
        case kColSkip:
            return {QStringLiteral("M+P"), QStringLiteral("----"), QStringLiteral("M")};
        case kColStep:
            return {QStringLiteral("12.5k"), QStringLiteral("6.25k"), QStringLiteral("50k")};
        case kColMode:
            return {QStringLiteral("FM Narrow"), QStringLiteral("AM"), QStringLiteral("FM")};
        default:
            return {};
    }
}

int CellWidthFor(int column, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& text : WidestCellTexts(column)) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    if (widest == 0) return 0;
    const int margin =
        column == kColLabel ? CChannelRowDelegate::kLabelMargin : CChannelRowDelegate::kCellMargin;
    return widest + 2 * margin;
}

}  // namespace ql::ui
