// Files made to hurt the readers: each limit refused by name (and row) by every reader it
// concerns, encodings decided per file without guessing, and runs of "<" and "&" read in one
// pass (they used to take minutes: these simply have to finish).
#include "core/win1252.h"
#include "sheets/sheet_read.h"

#include "files.h"
#include "hostile_sheets.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using sheets::SheetError;
using sheets::SheetFile;
using sheets::SheetLimit;

namespace {

QByteArray repeated(const QByteArray& piece, qint64 times) {
    QByteArray out;
    out.reserve(piece.size() * times);
    for (qint64 i = 0; i < times; ++i)
        out += piece;
    return out;
}

SheetFile readWorkbook(const QByteArray& head, qint64 blanks = 0,
                       const QByteArray& tail = hostile_sheets::kSheetEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cartella.xlsx"));
    if (!hostile_sheets::writeWorkbook(path, head, blanks, tail)) return {};
    return sheets::readSheetFile(path);
}

const QByteArray kCell = "<c t=\"inlineStr\"><is><t>x</t></is></c>";

} // namespace

TEST(SheetLimits, EachLimitIsNamedWithItsRow) {
    struct Case {
        const char* what;
        SheetFile (*read)();
        SheetLimit limit;
        qint64 row;
    };
    const Case cases[] = {
        {"CSV: a row of 1,001 cells",
         [] { return sheets::readCsv("A;B\n" + repeated("a;", 1000) + "a\n"); },
         SheetLimit::Columns, 2},
        {"CSV: 100,001 rows", [] { return sheets::readCsv(repeated("a\n", 100001)); },
         SheetLimit::Rows, 0},
        {"CSV: 2,000,001 cells",
         [] { return sheets::readCsv(repeated(repeated("a;", 999) + "a\n", 2001)); },
         SheetLimit::Cells, 0},
        {"CSV: a cell of 32,768 characters",
         [] { return sheets::readCsv("A;B\nx;" + QByteArray(32768, 'y') + "\n"); },
         SheetLimit::CellLength, 2},
        {"CSV: a quote never closed takes too much",
         [] { return sheets::readCsv("A;B\nx;\"" + repeated("riga\r\n", 10000)); },
         SheetLimit::CellLength, 2},
        {"HTML: a row of 1,001 cells",
         [] { return sheets::readHtmlSheet("<table><tr>" + repeated("<td>a</td>", 1001)); },
         SheetLimit::Columns, 1},
        {"HTML: 100,001 rows",
         [] { return sheets::readHtmlSheet("<table>" + repeated("<tr><td>a</td></tr>", 100001)); },
         SheetLimit::Rows, 0},
        {"XLSX: a cell in column ZZZ",
         [] {
             return readWorkbook(hostile_sheets::kSheetStart +
                                 "<row r=\"1\"><c r=\"ZZZ1\" t=\"inlineStr\"><is><t>x</t></is></c>"
                                 "</row>");
         },
         SheetLimit::Columns, 1},
        {"XLSX: row 100,001",
         [] {
             return readWorkbook(hostile_sheets::kSheetStart + "<row r=\"100001\">" + kCell +
                                 "</row>");
         },
         SheetLimit::Rows, 0},
        {"XLSX: a cell of 40,000 characters",
         [] {
             return readWorkbook(hostile_sheets::kSheetStart +
                                 "<row r=\"3\"><c t=\"inlineStr\"><is><t>" +
                                 QByteArray(40000, 'x') + "</t></is></c></row>");
         },
         SheetLimit::CellLength, 3},
        {"XLSX: elements nested 129 deep",
         [] {
             return readWorkbook(hostile_sheets::kSheetStart + repeated("<x>", 127), 0,
                                 repeated("</x>", 127) + hostile_sheets::kSheetEnd);
         },
         SheetLimit::XmlDepth, 0},
        {"XLSX: a sheet of 20 MB that packs into 20 KB",
         [] { return readWorkbook(hostile_sheets::kSheetStart, qint64(20) << 20); },
         SheetLimit::InflateRatio, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SheetFile sheet = c.read();
        EXPECT_EQ(sheet.error, SheetError::TooLarge);
        EXPECT_EQ(sheet.limit, c.limit);
        EXPECT_EQ(sheet.row, c.row);
        EXPECT_TRUE(sheet.rows.empty());
    }
    // Right at the limits nothing is refused.
    const SheetFile full = sheets::readCsv(repeated("a;", 999) + "a\n" + repeated("a\n", 99999));
    ASSERT_EQ(full.error, SheetError::None);
    EXPECT_EQ(full.rows.size(), 100000u);
    EXPECT_EQ(full.rows.front().size(), 1000);
}

TEST(SheetEncoding, DecidedPerFileNeverGuessed) {
    const QByteArray nicolo = "Nome\nNicol\xC3\xB2\n";
    struct Case {
        const char* what;
        QByteArray bytes;
        QString text;          // when it decodes
        sheets::BadByte bad{}; // when it does not
    };
    const Case cases[] = {
        {"UTF-8", nicolo, u"Nome\nNicolò\n"_qs},
        {"Windows-1252", "Nome\nNicol\xF2\n", u"Nome\nNicolò\n"_qs},
        {"UTF-8 with one stray Windows-1252 byte", nicolo + "Lucr\xE8zia\n", {}, {3, 18, 0xE8}},
        {"UTF-8 with its mark and a byte that is no UTF-8",
         "\xEF\xBB\xBFNome\n\xF2\n",
         {},
         {2, 9, 0xF2}},
        {"a byte Windows-1252 leaves undefined", "Nome\nNicol\xF2\n\x81\n", {}, {3, 13, 0x81}},
        {"a control character in Windows-1252 text", "Nome\nNicol\xF2\x01\n", {}, {2, 12, 0x01}},
        {"UTF-16 with an unpaired surrogate",
         QByteArray("\xFF\xFE"
                    "A\0\n\0\x00\xD8"
                    "B\0",
                    10),
         {},
         {2, 7, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const sheets::DecodedText d = sheets::decodeSheetText(c.bytes);
        if (c.bad.line == 0) {
            EXPECT_FALSE(d.bad);
            EXPECT_EQ(d.text, c.text);
            continue;
        }
        ASSERT_TRUE(d.bad);
        EXPECT_EQ(d.bad->line, c.bad.line);
        EXPECT_EQ(d.bad->position, c.bad.position);
        EXPECT_EQ(d.bad->value, c.bad.value);
        // The reader says so: nothing is read as the wrong letters.
        const SheetFile sheet = sheets::readCsv(c.bytes);
        EXPECT_EQ(sheet.error, SheetError::BadEncoding);
        EXPECT_TRUE(sheet.rows.empty());
    }
}

TEST(SheetHtml, RunsOfAnglesAndAmpersandsAreReadInOnePass) {
    for (const char run : {'<', '&'}) {
        SCOPED_TRACE(run);
        // 5 MB: cells of 30,000 characters each, within the cell limit.
        const QByteArray cell(30000, run);
        const QByteArray html = "<table>" + repeated("<tr><td>" + cell + "</td></tr>", 175);
        const SheetFile sheet = sheets::readHtmlSheet(html);
        ASSERT_EQ(sheet.error, SheetError::None);
        ASSERT_EQ(sheet.rows.size(), 175u);
        EXPECT_EQ(sheet.rows.back(), QStringList{QString::fromLatin1(cell)});
        // Outside any cell, the same run is no table at all.
        EXPECT_TRUE(sheets::readHtmlSheet("<table>" + QByteArray(5 << 20, run)).rows.empty());
    }
}
