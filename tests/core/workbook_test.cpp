#include "core/workbook.h"

#include "workbook_check.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace core;

TEST(Workbook, OnlyExactDatesAndAmountsBecomeTypedCells) {
    const struct {
        const char* text;
        std::optional<QDate> date;
        std::optional<qint64> cents;
    } cases[] = {
        {"15/03/2026", QDate(2026, 3, 15), {}},
        {"29/02/2024", QDate(2024, 2, 29), {}},
        {"01/01/1900", QDate(1900, 1, 1), {}},
        {"31/12/1899", {}, {}}, // before the spreadsheet's first day
        {"29/02/2026", {}, {}},
        {"1/3/2026", {}, {}},
        {"15/03/26", {}, {}},
        {"15-03-2026", {}, {}},
        {"12,50", {}, 1250},
        {"+1250,00", {}, 125000},
        {"-0,30", {}, -30},
        {"0,00", {}, 0},
        {"12,5", {}, {}},
        {"012,50", {}, {}}, // a leading zero is kept as typed
        {"12", {}, {}},
        {"1.250,00", {}, {}},
        {"12,50 \xe2\x82\xac", {}, {}},
        {"+-1,00", {}, {}},
        {",50", {}, {}},
        {"99999999999999,00", {}, {}}, // past what a double keeps exact
        {"", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(workbookDate(QByteArrayView(c.text)), c.date) << c.text;
        EXPECT_EQ(workbookCents(QByteArrayView(c.text)), c.cents) << c.text;
    }
}

TEST(Workbook, SheetHasItsNameBoldFrozenHeadingsFilterWidthsAndTitle) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Prova.xlsx"_qs);
    const SheetColumn columns[] = {{u"Nome"_qs, 250},
                                   {u"Data"_qs, 150, CellType::Date},
                                   {u"Importo"_qs, 100, CellType::Amount}};
    CellTable rows(4);
    rows.addRow({u"1"_qs, u"Rossi & <figli>"_qs, u"15/03/2026"_qs, u"-3,00"_qs});
    rows.addRow({u"2"_qs, u""_qs, u""_qs, u""_qs}); // an empty row keeps its place
    rows.addRow({u"3"_qs, u"Verdi \u20ac"_qs});
    ASSERT_TRUE(writeWorkbook(path, u"Riepilogo annuale movimenti"_qs, columns, rows, 1));

    const QByteArray book = testing_support::workbookPart(path, u"xl/workbook.xml"_qs);
    EXPECT_TRUE(book.contains("<sheet name=\"Riepilogo annuale movimenti\"")) << book.data();
    const QByteArray sheet = testing_support::workbookPart(path, u"xl/worksheets/sheet1.xml"_qs);
    EXPECT_TRUE(sheet.contains("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" "
                               "state=\"frozen\"/>"))
        << sheet.data();
    EXPECT_TRUE(sheet.contains("<autoFilter ref=\"A1:C4\"/>")) << sheet.data();
    EXPECT_TRUE(sheet.contains("<t>Rossi &amp; &lt;figli&gt;</t>"));
    EXPECT_TRUE(sheet.contains("<row r=\"3\">"));
    const QByteArray styles = testing_support::workbookPart(path, u"xl/styles.xml"_qs);
    EXPECT_TRUE(styles.contains("<b/>"));
    const QByteArray core = testing_support::workbookPart(path, u"docProps/core.xml"_qs);
    EXPECT_TRUE(core.contains("<dc:title>Riepilogo annuale movimenti</dc:title>")) << core.data();
    EXPECT_TRUE(core.contains("<dc:creator>Quorvix 5.0</dc:creator>"));
    EXPECT_EQ(testing_support::workbookCellKinds(path),
              (std::vector<QString>{u"ttt"_qs, u"tdn"_qs, u" "_qs, u"t"_qs}));
}
