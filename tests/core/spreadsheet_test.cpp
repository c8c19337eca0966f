#include "core/spreadsheet.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace core;

namespace {

// The document as the spreadsheet program expects it, written out piece by piece.
QByteArray head(const char* sheet) {
    return QByteArray("<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                      "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
                      "xmlns=\"http://www.w3.org/TR/REC-html40\">") +
           "<head>" +
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">" +
           "<!--[if gte mso 9]><xml>" + "<x:ExcelWorkbook>" + "<x:ExcelWorksheets>" +
           "<x:ExcelWorksheet>" + "<x:Name>" + sheet + "</x:Name>" + "<x:WorksheetOptions>" +
           "<x:Selected/>" + "<x:Panes>" + "<x:Pane>" + "<x:Number>1</x:Number>" +
           "<x:ActiveRow>3</x:ActiveRow>" + "</x:Pane>" + "</x:Panes>" +
           "<x:ProtectContents>False</x:ProtectContents>" +
           "<x:ProtectObjects>False</x:ProtectObjects>" +
           "<x:ProtectScenarios>False</x:ProtectScenarios>" + "</x:WorksheetOptions>" +
           "</x:ExcelWorksheet>" + "</x:ExcelWorksheets>" + "</x:ExcelWorkbook>" +
           "</xml><![endif]-->" + "</head>" + "<body>" + "<table x:str>";
}
const QByteArray kTail = "</table></body></html>";
QByteArray cell(const QByteArray& text) {
    return "<td style=\"text-align: left;\">" + text + "</td>";
}

const SheetColumn kColumns[] = {{u"Data scadenza"_qs, 150}, {u"Note"_qs, 300}};
const QByteArray kHeadings =
    "<tr><td style=\"text-align: left; font-weight: bold;\" width=150>Data scadenza</td>"
    "<td style=\"text-align: left; font-weight: bold;\" width=300>Note</td></tr>";

} // namespace

TEST(Spreadsheet, EmptyGridHasTheHeadingRowOnly) {
    EXPECT_EQ(spreadsheetDocument(u"Scadenze del mese"_qs, kColumns, {}),
              head("Scadenze del mese") + kHeadings + kTail);
}

TEST(Spreadsheet, RowsAreTrimmedEncodedAndEscapedOnOneLine) {
    const std::vector<QStringList> rows{
        {u"  01/03/2026 "_qs, u"Caff\u00e8 \u20ac 5 & <b>\"pane\"</b>"_qs},
        {u""_qs, u"\u4f60 riga\r\ndue"_qs},
        {u"solo una"_qs}, // a short row gives empty cells
    };
    const QByteArray doc = spreadsheetDocument(u"R&D <1>"_qs, kColumns, rows);
    const QByteArray expected = head("R&amp;D &lt;1&gt;") + kHeadings + "<tr>" +
                                cell("01/03/2026") +
                                cell("Caff\xe8 \x80 5 &amp; &lt;b&gt;\"pane\"&lt;/b&gt;") +
                                "</tr>" + "<tr>" + cell("") + cell("? riga&#13;&#10;due") +
                                "</tr>" + "<tr>" + cell("solo una") + cell("") + "</tr>" + kTail;
    EXPECT_EQ(doc, expected);
    EXPECT_FALSE(doc.contains('\n'));
    EXPECT_FALSE(doc.contains('\r'));
}

// Grids keep their cells as stored bytes and write them without decoding: the document must be
// byte for byte the one written from the texts, escapes and trimming included, whether a row
// needs escapes or not, and wherever in a long row the character to escape sits.
TEST(Spreadsheet, TableOfStoredBytesWritesTheSameDocumentAsTheTexts) {
    const QString longPlain = u"Via Giuseppe Garibaldi 123, scala B, interno 45"_qs;
    const std::vector<QStringList> texts{
        {u"1"_qs, u"  01/03/2026 "_qs, u"Caff\u00e8 \u20ac 5 & <b>\"pane\"</b>"_qs},
        {u"2"_qs, u""_qs, u"\u4f60 riga\r\ndue"_qs},
        {u"3"_qs, u"solo una"_qs}, // a short row gives empty cells
        {u"4"_qs, longPlain, longPlain + u" & figli"_qs},
        {u"5"_qs, longPlain + longPlain + u">"_qs, u"\t fine \x7f"_qs},
        {u"6"_qs, longPlain, longPlain},
    };
    CellTable table(3);
    for (const QStringList& row : texts)
        table.addRow(row);
    ASSERT_EQ(table.rowCount(), qsizetype(texts.size()));
    EXPECT_EQ(table.text(1, 2), u"? riga\r\ndue"_qs); // what the code page can hold
    EXPECT_EQ(table.rowBytes(2), QByteArrayView("3solo una"));

    std::vector<QStringList> exported; // the grid's running number is not exported
    for (const QStringList& row : texts)
        exported.push_back(row.mid(1));
    QByteArray fromTable;
    QBuffer buffer(&fromTable);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeSpreadsheet(buffer, u"R&D <1>"_qs, kColumns, table, 1));
    EXPECT_EQ(fromTable, spreadsheetDocument(u"R&D <1>"_qs, kColumns, exported));

    // A table narrower than the sheet gives empty cells; an empty one, the heading row alone.
    CellTable narrow(2);
    narrow.addRow({u"9"_qs, u"a&b"_qs});
    QByteArray one;
    QBuffer oneBuffer(&one);
    oneBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeSpreadsheet(oneBuffer, u"S"_qs, kColumns, narrow, 1));
    EXPECT_EQ(one, head("S") + kHeadings + "<tr>" + cell("a&amp;b") + cell("") + "</tr>" + kTail);
    QByteArray none;
    QBuffer noneBuffer(&none);
    noneBuffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(writeSpreadsheet(noneBuffer, u"S"_qs, kColumns, CellTable(3), 1));
    EXPECT_EQ(none, head("S") + kHeadings + kTail);
}

TEST(Spreadsheet, LargeDocumentIsWrittenInChunksWithoutLoss) {
    std::vector<QStringList> rows(30000, QStringList{u"Rossi & figli"_qs, u"nota"_qs});
    const QByteArray doc = spreadsheetDocument(u"S"_qs, kColumns, rows);
    const QByteArray row = "<tr>" + cell("Rossi &amp; figli") + cell("nota") + "</tr>";
    EXPECT_EQ(doc.size(), head("S").size() + kHeadings.size() + row.size() * 30000 + kTail.size());
    EXPECT_TRUE(doc.endsWith(row + kTail));
}
