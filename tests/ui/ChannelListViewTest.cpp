// The channel list on real widgets: what the rows show, how they are drawn and read by
// assistive technology, the column widths kept between runs, the keys and the mouse, and
// the row commands with their enabling, questions and refreshes.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QTest>

#include "support/ViewFixture.h"
#include "ui/CChannelListModel.h"
#include "ui/CChannelRowDelegate.h"
#include "ui/CEditMemoryDlg.h"
#include "ui/ColumnFit.h"
#include "ui/StringTable.h"

namespace ql::test {
namespace {

using ui::cmd::kClear, ui::cmd::kCopy, ui::cmd::kDelete, ui::cmd::kInsert, ui::cmd::kPaste,
    ui::cmd::kUhfMemory, ui::cmd::kVhfMemory, ui::cmd::kEditMemory;

class ChannelListTest : public ViewTest {};

QString Cell(const ui::CQL7400View& view, unsigned channel, int column) {
    return view.ListModel().CellText(static_cast<int>(channel) - 1, column);
}

QColor PixelAt(ui::CQL7400View& view, QPoint point) {
    return view.viewport()->grab().toImage().pixelColor(point);
}

void Focus(ui::CQL7400View& view) {
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    view.setFocus();
    QApplication::processEvents();
}

TEST_F(ChannelListTest, StartsOnTheVhfListWithChannelOneSelected) {
    const auto view = MakeView();
    EXPECT_EQ(view->ShownBand(), Band::kVhf);
    EXPECT_EQ(view->CurrentChannel(), 1U);
    EXPECT_EQ(view->currentIndex().row(), 0);
    EXPECT_EQ(Cell(*view, 1, ui::kColLabel), "01");
    EXPECT_EQ(Cell(*view, 100, ui::kColLabel), "P1A");
    EXPECT_EQ(Cell(*view, 106, ui::kColLabel), "CALL");
    EXPECT_EQ(view->model()->rowCount(), 106);
    EXPECT_EQ(view->model()->columnCount(), 12);
    EXPECT_TRUE(view->IsChecked(kVhfMemory));
    EXPECT_FALSE(view->IsChecked(kUhfMemory));
    EXPECT_EQ(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(view->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST_F(ChannelListTest, HeadersAlignmentsAndDefaultWidths) {
    const auto view = MakeView();
    const QStringList headers = {"CH",   "Frequency", "Duplex",        "Offset freq.",
                                 "Name", "Tone",      "Repeater Tone", "CTCSS Tone",
                                 "Skip", "TS",        "Mode",          ""};
    const std::vector<int> widths = {75, 70, 40, 70, 50, 50, 50, 50, 50, 50, 50, 400};
    for (int column = 0; column < 12; ++column) {
        EXPECT_EQ(view->model()->headerData(column, Qt::Horizontal).toString(), headers.at(column));
        // The table's widths, or wider where the font needs it.
        EXPECT_GE(view->columnWidth(column), widths.at(static_cast<std::size_t>(column)));
        EXPECT_EQ(view->columnWidth(column), std::min(view->FittedWidth(column), 400));
        const auto alignment =
            view->model()->index(0, column).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
        const bool right = column >= 1 && column <= 10;
        EXPECT_EQ(alignment.testFlag(Qt::AlignRight), right) << column;
    }
    EXPECT_EQ(view->horizontalHeader()->minimumSectionSize(), 20);
}

TEST_F(ChannelListTest, ColumnWidthsAreStoredAndClampedWhenReadBack) {
    settings.SetInt("Column", "Width3", 600);
    settings.SetInt("Column", "Width5", 5);
    settings.SetInt("Column", "Width1", 0);
    {
        const auto view = MakeView();
        EXPECT_EQ(view->columnWidth(3), 400);
        EXPECT_EQ(view->columnWidth(5), 20);
        EXPECT_EQ(view->columnWidth(1), view->FittedWidth(1)) << "0 means none stored";
        view->horizontalHeader()->resizeSection(4, 600);
        view->horizontalHeader()->resizeSection(2, 10);
        EXPECT_EQ(view->columnWidth(2), 20);
        EXPECT_EQ(settings.GetInt("Column", "Width4", -1), 600);
        view->StoreColumnWidths();
    }
    EXPECT_EQ(settings.GetInt("Column", "Width11", -1), 400);
    const auto view = MakeView();
    EXPECT_EQ(view->columnWidth(4), 400);
    EXPECT_EQ(view->columnWidth(2), 20);
}

// Under a larger font than the table's widths were made for, every header and every value
// the list can show still reads whole; a width the user chose stays as it was.
TEST_F(ChannelListTest, DefaultWidthsFitTheHeadersAndTheWidestValuesInTheFont) {
    radio.FillAllMemoryChannels();
    radio(
        "CH.MCH_144.1.ALL=APPEAR=ON\tFREQUENCY=145.0000\tNAME=WWWWWWWW\t"
        "DUPLEX_SELECTION=Dup-\tREPEATER_FREQUENCY=19.9950\tTONE_SELECTION=TSQL\t"
        "TSQL_FREQUENCY=254.1\tTUNING_STEP_SELECTION=12.5k\tMODE=FM Narrow\tSKIP=PROGRAM_SKIP");
    radio("CH.MCH_144.2.ALL=APPEAR=ON\tFREQUENCY=999.9900");
    radio("HEAL");
    settings.SetInt("Column", "Width6", 33);
    const QFont original = QApplication::font();
    QFont large = original;
    large.setPointSize(16);
    QApplication::setFont(large);
    const auto view = MakeView();
    QApplication::setFont(original);
    ASSERT_EQ(view->font().pointSize(), 16);

    ASSERT_EQ(view->model()->index(1, ui::kColFrequency).data().toString(), "999.9900 ?");
    const QFontMetrics metrics = view->fontMetrics();
    for (int column = 0; column < ui::kColEmpty; ++column) {
        const int width = view->columnWidth(column);
        if (column == 6) {
            EXPECT_EQ(width, 33) << "a stored width wins";
            continue;
        }
        EXPECT_GE(width, ui::CQL7400View::DefaultWidth(column)) << column;
        EXPECT_GE(width, view->horizontalHeader()->sectionSizeHint(column))
            << view->model()->headerData(column, Qt::Horizontal).toString().toStdString();
        QStringList texts = ui::WidestCellTexts(column);
        for (int row = 0; row < view->model()->rowCount(); ++row) {
            texts.append(view->model()->index(row, column).data().toString());
        }
        for (const QString& text : texts) {
            EXPECT_EQ(ui::CChannelRowDelegate::Shortened(text, metrics, width, column), text)
                << "column " << column << " is " << width << " pixels";
        }
    }
    EXPECT_GT(view->columnWidth(ui::kColName), 50);
    EXPECT_GT(metrics.horizontalAdvance("WWWWWWWW"), 50) << "the font is larger than the table's";

    // However large the font, a width stays within its limit.
    large.setPixelSize(80);
    QApplication::setFont(large);
    const auto huge = MakeView();
    QApplication::setFont(original);
    EXPECT_EQ(huge->columnWidth(ui::kColName), 400);
}

TEST_F(ChannelListTest, BandSwitchShowsTheOtherBandsChannels) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    view->SelectChannel(12);
    EXPECT_EQ(Cell(*view, 12, ui::kColName), "CH12-144");
    view->Execute(kUhfMemory);
    EXPECT_EQ(view->ShownBand(), Band::kUhf);
    EXPECT_TRUE(view->IsChecked(kUhfMemory));
    EXPECT_FALSE(view->IsChecked(kVhfMemory));
    EXPECT_EQ(Cell(*view, 12, ui::kColName), "CH12-430");
    EXPECT_EQ(Cell(*view, 12, ui::kColFrequency), "432.2400");
    EXPECT_EQ(view->CurrentChannel(), 12U);
    view->Execute(kVhfMemory);
    EXPECT_EQ(Cell(*view, 12, ui::kColName), "CH12-144");
}

TEST_F(ChannelListTest, ModelPassesTheItemModelTesterThroughRefreshes) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    QAbstractItemModelTester tester(view->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    view->Execute(kUhfMemory);
    view->SelectChannel(5);
    view->Execute(kClear);
    view->Execute(kDelete);
    EXPECT_EQ(view->model()->index(0, 0, view->model()->index(0, 0)).isValid(), false);
}

TEST_F(ChannelListTest, LongTextsAreCutWithThreeDotsButReadInFull) {
    radio.FillAllMemoryChannels();
    settings.SetInt("Column", "Width4", 50);  // a name column the user made narrow
    const auto view = MakeView();
    const QString name = Cell(*view, 7, ui::kColName);
    ASSERT_EQ(name, "CH07-144");
    const QFontMetrics metrics = view->fontMetrics();
    const QString shown =
        ui::CChannelRowDelegate::Shortened(name, metrics, view->columnWidth(ui::kColName), 4);
    EXPECT_TRUE(shown.endsWith("...")) << shown.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(shown), view->columnWidth(ui::kColName) - 12);
    EXPECT_TRUE(name.startsWith(shown.chopped(3)));
    // What fits stays whole; in a column too narrow for anything only the dots remain.
    EXPECT_EQ(ui::CChannelRowDelegate::Shortened("07", metrics, 75, 0), "07");
    EXPECT_EQ(ui::CChannelRowDelegate::Shortened(name, metrics, 20, 4), "...");
    // The model and assistive technology read the full text.
    EXPECT_EQ(view->model()->index(6, ui::kColName).data().toString(), "CH07-144");
}

TEST_F(ChannelListTest, CellsAndHeadersReadThroughAccessibility) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(view.get());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), "Channel list");
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 106);
    EXPECT_EQ(table->columnCount(), 12);
    QAccessibleInterface* cell = table->cellAt(6, ui::kColName);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "CH07-144");
    EXPECT_EQ(table->cellAt(0, ui::kColLabel)->text(QAccessible::Name), "01");
    EXPECT_EQ(table->cellAt(0, ui::kColFrequency)->text(QAccessible::Name), "144.0200");
    QAccessibleTableCellInterface* cellTable = cell->tableCellInterface();
    ASSERT_NE(cellTable, nullptr);
    const QList<QAccessibleInterface*> headers = cellTable->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers.first()->text(QAccessible::Name), "Name");
    // The header cells come new from the cell and belong to the caller: through the cache,
    // which takes them over whether they were registered already or not.
    for (QAccessibleInterface* header : headers) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(header));
    }
    EXPECT_EQ(table->columnDescription(ui::kColOffset), "Offset freq.");
}

TEST_F(ChannelListTest, TheSelectedRowIsHighlightedOnlyWhileTheListHasTheFocus) {
    const auto view = MakeView();
    view->resize(1200, 300);
    Focus(*view);
    ASSERT_TRUE(view->hasFocus());
    const int y = view->rowViewportPosition(0) + view->rowHeight(0) / 2;
    const QPoint inCell(view->columnViewportPosition(ui::kColDuplex) + 3, y);
    const QPoint pastColumns(1100, y);
    const QPoint otherRow(inCell.x(), view->rowViewportPosition(3) + 3);
    const QColor highlight = view->palette().color(QPalette::Highlight);
    const QColor base = view->palette().color(QPalette::Base);
    EXPECT_EQ(PixelAt(*view, inCell), highlight);
    EXPECT_EQ(PixelAt(*view, pastColumns), highlight);
    EXPECT_EQ(PixelAt(*view, otherRow), base);

    view->clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(PixelAt(*view, inCell), base);
    EXPECT_EQ(PixelAt(*view, pastColumns), base);
}

TEST_F(ChannelListTest, BlankIllegalAndEdgeRows) {
    radio("CH.MCH_144.3.APPEAR=OFF");
    radio("CH.MCH_144.4.ALL=APPEAR=ON\tFREQUENCY=435.0000");
    radio("HEAL");
    const auto view = MakeView();
    EXPECT_EQ(Cell(*view, 3, ui::kColLabel), "03");
    for (int column = 1; column < 12; ++column) EXPECT_EQ(Cell(*view, 3, column), "");
    EXPECT_EQ(Cell(*view, 4, ui::kColFrequency), "435.0000 ?");
    EXPECT_EQ(Cell(*view, 100, ui::kColName), "------");
    EXPECT_EQ(Cell(*view, 100, ui::kColSkip), "----");
    EXPECT_EQ(Cell(*view, 106, ui::kColSkip), "----");
}

TEST_F(ChannelListTest, CopyIsEnabledOnEveryRowAndPasteOnlyAfterACopy) {
    radio("CH.MCH_144.9.APPEAR=OFF");
    const auto view = MakeView();
    view->SelectChannel(9);
    EXPECT_TRUE(view->IsEnabled(kCopy));
    EXPECT_FALSE(view->IsEnabled(kPaste));
    EXPECT_TRUE(view->IsEnabled(kEditMemory));
    view->SelectChannel(1);
    const auto sent = Record([&] { view->Execute(kCopy); });
    // The copy, then the row read for the desktop clipboard's table.
    EXPECT_EQ(sent, (std::vector<std::string>{"CH.MCH_144.1.COPY", "CH.MCH_144.1.ALL"}));
    EXPECT_EQ(doc.steps.size(), 1U);
    view->SelectChannel(9);
    EXPECT_TRUE(view->IsEnabled(kPaste));
    // A blank channel copied cannot go where a channel cannot be blank.
    view->Execute(kCopy);
    view->SelectChannel(100);
    EXPECT_FALSE(view->IsEnabled(kPaste));
}

TEST_F(ChannelListTest, PasteOntoABlankChannelAtOnceAndOverAUsedOneAfterTheQuestion) {
    radio.FillAllMemoryChannels();
    radio("CH.MCH_144.20.APPEAR=OFF");
    radio("HEAL");
    const auto view = MakeView();
    view->SelectChannel(3);
    view->Execute(kCopy);

    view->SelectChannel(20);
    auto sent = Record([&] { view->Execute(kPaste); });
    EXPECT_TRUE(prompts.Take().empty());
    EXPECT_TRUE(Contains(sent, "CH.MCH_144.20.PASTE"));
    EXPECT_EQ(Rebuilt(sent), std::vector<std::string>{"CH.MCH_144.20"});
    EXPECT_EQ(Cell(*view, 20, ui::kColFrequency), "144.0600");

    view->SelectChannel(8);
    prompts.answers = {ui::CUserPrompts::Answer::kNo};
    sent = Record([&] { view->Execute(kPaste); });
    EXPECT_EQ(prompts.Take(), std::vector<std::string>{"exclamation:  Overwite here ?    "});
    EXPECT_FALSE(Contains(sent, "CH.MCH_144.8.PASTE"));
    EXPECT_EQ(Cell(*view, 8, ui::kColName), "CH08-144");

    prompts.answers = {ui::CUserPrompts::Answer::kYes};
    sent = Record([&] { view->Execute(kPaste); });
    EXPECT_EQ(prompts.Take().size(), 1U);
    EXPECT_TRUE(Contains(sent, "CH.MCH_144.8.PASTE"));
    EXPECT_EQ(Cell(*view, 8, ui::kColName), "CH03-144");
}

TEST_F(ChannelListTest, ClearRefreshesOneRowAndDeleteTheWholeList) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    view->SelectChannel(5);
    ASSERT_TRUE(view->IsEnabled(kClear));
    auto sent = Record([&] { view->Execute(kClear); });
    EXPECT_EQ(Rebuilt(sent), std::vector<std::string>{"CH.MCH_144.5"});
    EXPECT_EQ(Cell(*view, 5, ui::kColFrequency), "");
    EXPECT_EQ(Cell(*view, 6, ui::kColName), "CH06-144");

    // Delete on a channel in use asks nothing; the rows below move up.
    view->SelectChannel(6);
    sent = Record([&] { view->Execute(kDelete); });
    EXPECT_TRUE(prompts.Take().empty());
    const std::vector<std::string> rows = Rebuilt(sent);
    ASSERT_EQ(rows.size(), 107U);
    EXPECT_EQ(rows.front(), "CH.MCH_144.6");
    EXPECT_EQ(rows.at(1), "CH.MCH_144.1");
    EXPECT_EQ(rows.back(), "CH.CALL_144");
    EXPECT_EQ(Cell(*view, 6, ui::kColName), "CH07-144");
    EXPECT_EQ(Cell(*view, 99, ui::kColFrequency), "");

    // The edges and the call channel cannot be cleared.
    view->SelectChannel(100);
    EXPECT_FALSE(view->IsEnabled(kClear));
    EXPECT_FALSE(view->IsEnabled(kDelete));
    EXPECT_FALSE(view->IsEnabled(kInsert));
}

TEST_F(ChannelListTest, InsertRefusedWhileTheLastChannelIsInUse) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    view->SelectChannel(5);
    EXPECT_TRUE(view->IsEnabled(kInsert));  // "WARNING" keeps the entry enabled
    auto sent = Record([&] { view->Execute(kInsert); });
    EXPECT_EQ(prompts.Take(),
              std::vector<std::string>{
                  "information:  The last CH(99ch) is not blank. Cannot insert a blank channel."});
    EXPECT_FALSE(Contains(sent, "CH.MCH_144.5.INSERT"));
    EXPECT_TRUE(doc.steps.empty());
    EXPECT_EQ(Cell(*view, 5, ui::kColName), "CH05-144");

    view->SelectChannel(99);
    view->Execute(kClear);
    view->SelectChannel(5);
    sent = Record([&] { view->Execute(kInsert); });
    EXPECT_TRUE(prompts.Take().empty());
    EXPECT_TRUE(Contains(sent, "CH.MCH_144.5.INSERT"));
    EXPECT_EQ(Rebuilt(sent).size(), 107U);
    EXPECT_EQ(Cell(*view, 5, ui::kColFrequency), "");
    EXPECT_EQ(Cell(*view, 6, ui::kColName), "CH05-144");
}

TEST_F(ChannelListTest, TheDeleteKeyClearsWithoutAskingFirst) {
    radio.FillAllMemoryChannels();
    const auto view = MakeView();
    Focus(*view);
    view->SelectChannel(4);
    auto sent = Record([&] { QTest::keyClick(view.get(), Qt::Key_Delete); });
    EXPECT_EQ(sent.front(), "CH.MCH_144.4.CLEAR");
    EXPECT_FALSE(Contains(sent, "CH.MCH_144.4.CLEAR.CHECK"));
    EXPECT_EQ(Cell(*view, 4, ui::kColFrequency), "");
    // On an edge the radio data object refuses it and the row stays.
    view->SelectChannel(101);
    const QString before = Cell(*view, 101, ui::kColFrequency);
    sent = Record([&] { QTest::keyClick(view.get(), Qt::Key_Delete); });
    EXPECT_EQ(sent.front(), "CH.PCH_144.1B.CLEAR");
    EXPECT_EQ(Cell(*view, 101, ui::kColFrequency), before);
}

TEST_F(ChannelListTest, EnterAndDoubleClickOpenEditMemoryForTheRow) {
    const auto view = MakeView();
    Focus(*view);
    view->SelectChannel(2);
    QString title;
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        EXPECT_NE(qobject_cast<ui::CEditMemoryDlg*>(dialog), nullptr);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    auto sent = Record([&] { QTest::keyClick(view.get(), Qt::Key_Return); });
    EXPECT_EQ(title, "Edit Memory ch");
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "CH.MCH_144.2.APPEAR");

    title.clear();
    WhenModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    const QPoint row3(view->columnViewportPosition(1) + 5,
                      view->rowViewportPosition(2) + view->rowHeight(2) / 2);
    sent = Record([&] {
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, row3);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row3);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, row3);
    });
    EXPECT_EQ(title, "Edit Memory ch");
    EXPECT_EQ(view->CurrentChannel(), 3U);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "CH.MCH_144.3.APPEAR");
    EXPECT_TRUE(doc.steps.empty());
}

}  // namespace
}  // namespace ql::test
